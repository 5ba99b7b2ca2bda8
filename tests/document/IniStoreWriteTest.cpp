#include "document/IniStore.h"

#include <gtest/gtest.h>

using volmar::IniStore;

TEST(IniStoreWrite, WritesSectionsKeysAndOneEmptyLineAfterEach) {
    const IniStore store =
        IniStore::Read("; comment\r\n[Setting]\r\n  GridX = 10 \r\n\r\nloose line\n[b]\rk=\r\n");
    EXPECT_EQ(store.Write(), "[Setting]\r\nGridX=10\r\nloose line\r\n\r\n[b]\r\nk=\r\n\r\n");
}

TEST(IniStoreWrite, WritesBackEverySectionReadAlsoThoseThatDoNotCount) {
    IniStore store = IniStore::Read("[a]\r\nx=1\r\n[empty]\r\n[A]\r\nx=2\r\n");
    store.SetInteger("a", "x", 3); // the section that counts
    EXPECT_EQ(store.Write(), "[a]\r\nx=1\r\n\r\n[empty]\r\n\r\n[A]\r\nx=3\r\n\r\n");
    EXPECT_EQ(IniStore().Write(), "");
}

TEST(IniStoreWrite, SetValueReplacesTheValueThatCountsOrAddsTheKey) {
    IniStore store = IniStore::Read("[Setting]\r\nGridX=10\r\nsnap=0\r\nSnap=1\r\n");
    store.SetInteger("setting", "GRIDX", -5);
    store.SetBool("Setting", "snap", false);
    store.SetString("Setting", "PicturePath", QStringLiteral("C:\\スキン.png"));
    store.SetValue("Other", "k", "v");
    EXPECT_EQ(store.Write(), "[Setting]\r\nGridX=-5\r\nsnap=0\r\nSnap=0\r\n"
                             "PicturePath=C:\\\x83\x58\x83\x4c\x83\x93.png\r\n\r\n"
                             "[Other]\r\nk=v\r\n\r\n");
    EXPECT_EQ(store.ReadString("setting", "picturepath"), QStringLiteral("C:\\スキン.png"));
    EXPECT_FALSE(store.ReadBool("Setting", "Snap", true));
}

TEST(IniStoreWrite, AddSectionAndAddKeyAppend) {
    IniStore store;
    store.AddSection("0");
    EXPECT_FALSE(store.SectionExists("0"));
    store.AddKey("0", "Name", "a");
    store.AddKey("0", "Name", "b");
    store.AddKey("1", "X", "3");
    EXPECT_EQ(store.ReadBytes("0", "name"), "b");
    EXPECT_EQ(store.Write(), "[0]\r\nName=a\r\nName=b\r\n\r\n[1]\r\nX=3\r\n\r\n");
    store.AddSection("2");
    EXPECT_TRUE(store.Write().endsWith("[2]\r\n\r\n"));
}

TEST(IniStoreWrite, AcceptsViewsIntoTheStoreItself) {
    IniStore store = IniStore::Read("[s]\r\na=first\r\n");
    for (int i = 0; i < 100; ++i)
        store.SetValue("s", QByteArray("k") + QByteArray::number(i), *store.Find("s", "a"));
    EXPECT_EQ(store.ReadBytes("s", "k99"), "first");
}

TEST(IniStoreWrite, RemoveSectionTakesOutEveryOneOfThatNameAndASetKeyBringsItBack) {
    IniStore store = IniStore::Read("[r]\r\nx=1\r\n[keep]\r\nk=v\r\n[R]\r\ny=2\r\n[after]\r\n");
    store.RemoveSection("r");
    EXPECT_FALSE(store.SectionExists("r"));
    EXPECT_TRUE(store.KeyNames("r").isEmpty());
    EXPECT_EQ(store.Write(), "[keep]\r\nk=v\r\n\r\n[after]\r\n\r\n");
    store.SetValue("r", "z", "3");
    EXPECT_EQ(store.ReadBytes("r", "x"), "");
    EXPECT_EQ(store.Write(), "[keep]\r\nk=v\r\n\r\n[R]\r\nz=3\r\n\r\n[after]\r\n\r\n");
}
