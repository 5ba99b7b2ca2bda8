#include "document/IniStore.h"

#include <gtest/gtest.h>

using volmar::IniStore;

namespace {

IniStore Section0(const char* line) {
    return IniStore::Read(QByteArray("[0]\r\n") + line + "\r\n");
}

} // namespace

TEST(IniStoreRead, ReadsEachKindOfSingleLine) {
    EXPECT_TRUE(IniStore::Read("[ 0 ]\r\nX=1\r\n").SectionExists("0"));
    EXPECT_EQ(Section0("name = a").ReadBytes("0", "Name"), "a");
    EXPECT_EQ(Section0("x=5").ReadInteger("0", "X"), 5);
    EXPECT_EQ(Section0("X=0x10").ReadInteger("0", "X"), 16);
    EXPECT_EQ(Section0("X=$1F").ReadInteger("0", "X"), 31);
    EXPECT_EQ(Section0("X=-3").ReadInteger("0", "X"), -3);
    EXPECT_EQ(Section0("X=abc").ReadInteger("0", "X"), 0);
    EXPECT_EQ(Section0("X=").ReadInteger("0", "X"), 0);
    EXPECT_FALSE(Section0(";X=7").Find("0", "X").has_value());
    EXPECT_FALSE(Section0(";X=7").SectionExists("0"));
    EXPECT_EQ(Section0("X=99999999999").ReadInteger("0", "X", 42), 42);
}

TEST(IniStoreRead, SplitsAtEveryKindOfLineEnd) {
    const IniStore store = IniStore::Read("[s]\r\na=1\rb=2\nc=3\r\n\r\nd=4");
    EXPECT_EQ(store.KeyNames("s"), (QList<QByteArray>{"a", "b", "c", "d"}));
    EXPECT_EQ(store.ReadInteger("s", "d"), 4);
}

TEST(IniStoreRead, NulEndsTheText) {
    const IniStore store = IniStore::Read(QByteArray("[s]\r\na=1\r\nb=2\0\r\nc=3\r\n", 21));
    EXPECT_EQ(store.ReadBytes("s", "b"), "2");
    EXPECT_FALSE(store.Find("s", "c"));
}

TEST(IniStoreRead, SkipsAByteOrderMarkOnlyAtTheStart) {
    const IniStore store = IniStore::Read("\xEF\xBB\xBF[0]\r\nX=1\r\n\xEF\xBB\xBF[1]\r\nY=2\r\n");
    EXPECT_EQ(store.ReadInteger("0", "X"), 1);
    EXPECT_EQ(store.SectionNames(), QList<QByteArray>{"0"}); // the second mark is text
    EXPECT_EQ(store.Write(), "[0]\r\nX=1\r\n\xEF\xBB\xBF[1]\r\nY=2\r\n\r\n");
}

TEST(IniStoreRead, TrimsLinesKeysValuesAndHeaders) {
    const IniStore store = IniStore::Read("\t [  Sec  ] \x01\r\n  key\t =  a = b  \r\n");
    EXPECT_EQ(store.SectionNames(), QList<QByteArray>{"Sec"});
    EXPECT_EQ(store.ReadBytes("sec", "KEY"), "a = b");
}

TEST(IniStoreRead, IgnoresLinesBeforeTheFirstSection) {
    const IniStore store = IniStore::Read("a=1\r\n[s]\r\nb=2\r\n");
    EXPECT_EQ(store.SectionNames(), QList<QByteArray>{"s"});
    EXPECT_FALSE(store.Find("s", "a"));
}

TEST(IniStoreRead, LastSectionAndLastKeyWin) {
    const IniStore store =
        IniStore::Read("[S]\r\na=1\r\nb=1\r\n[t]\r\nx=0\r\n[s]\r\na=2\r\na=3\r\n");
    EXPECT_EQ(store.ReadInteger("s", "a"), 3);
    EXPECT_FALSE(store.Find("s", "b")); // the first [S] no longer counts
    EXPECT_EQ(store.SectionNames(), (QList<QByteArray>{"t", "s"}));
}

TEST(IniStoreRead, ASectionExistsOnlyWithALine) {
    const IniStore store = IniStore::Read("[empty]\r\n\r\n; note\r\n   \r\n[bare]\r\nno equals\r\n"
                                          "[named]\r\nName=\r\n");
    EXPECT_FALSE(store.SectionExists("empty"));
    EXPECT_TRUE(store.SectionExists("bare"));
    EXPECT_FALSE(store.Find("bare", "no equals"));
    EXPECT_TRUE(store.SectionExists("named"));
    EXPECT_EQ(store.Find("named", "Name"), QByteArrayView(""));
    EXPECT_EQ(store.SectionNames(), (QList<QByteArray>{"bare", "named"}));
    // A later empty section of the same name makes the name missing.
    EXPECT_FALSE(IniStore::Read("[a]\r\nx=1\r\n[A]\r\n").SectionExists("a"));
}

TEST(IniStoreRead, KeepsBracketsThatDoNotFormAHeader) {
    const IniStore store = IniStore::Read("[s]\r\n[x=1\r\n]=2\r\n[]\r\ny=3\r\n");
    EXPECT_EQ(store.ReadInteger("s", "[x"), 1);
    EXPECT_EQ(store.ReadInteger("s", "]"), 2);
    EXPECT_EQ(store.ReadInteger("", "y"), 3);
}
