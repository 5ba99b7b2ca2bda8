#include "document/IniStore.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

#include <gtest/gtest.h>

using volmar::IniStore;

// Input of any shape is read in one linear pass without trouble.

TEST(IniStoreRobustness, ReadsBinaryNoise) {
    QRandomGenerator random(1234);
    QByteArray noise(1 << 20, '\0');
    for (char& c : noise)
        c = char(random.bounded(1, 256)); // no NUL, so all of it is read
    const IniStore store = IniStore::Read(noise);
    for (const QByteArray& name : store.SectionNames())
        (void)store.KeyNames(name);
    EXPECT_EQ(IniStore::Read(store.Write()).SectionNames(), store.SectionNames());
}

TEST(IniStoreRobustness, ReadsAHundredMegabyteLineQuickly) {
    QByteArray text("[s]\r\nk= ");
    const qsizetype valueSize = 100 * 1024 * 1024;
    text.append(valueSize, 'v');
    text.append(" \r\nafter=1");
    QElapsedTimer timer;
    timer.start();
    const IniStore store = IniStore::Read(text);
    EXPECT_EQ(store.Find("s", "k")->size(), valueSize);
    EXPECT_EQ(store.ReadInteger("s", "after"), 1);
    EXPECT_LT(timer.elapsed(), 2000);
}

TEST(IniStoreRobustness, ReadsDegenerateTexts) {
    EXPECT_TRUE(IniStore::Read(QByteArray(1 << 20, '[')).SectionNames().isEmpty());
    EXPECT_TRUE(IniStore::Read(QByteArray(1 << 20, '\r')).SectionNames().isEmpty());
    EXPECT_TRUE(IniStore::Read(QByteArray(1 << 20, '\n')).SectionNames().isEmpty());
    EXPECT_TRUE(IniStore::Read(QByteArray(1 << 20, '\0')).SectionNames().isEmpty());
    EXPECT_TRUE(IniStore::Read(QByteArray()).SectionNames().isEmpty());
    EXPECT_EQ(IniStore::Read(QByteArray(1 << 20, '=')).SectionNames().size(), 0);
}

TEST(IniStoreRobustness, ReadsManySectionsOfOneNameAndManyKeysInLinearTime) {
    QByteArray sections;
    QByteArray keys("[k]\r\n");
    for (int i = 0; i < 200000; ++i) {
        sections.append("[s]\r\na=").append(QByteArray::number(i)).append("\r\n");
        keys.append("key").append(QByteArray::number(i)).append("=1\r\n");
    }
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(IniStore::Read(sections).ReadInteger("S", "A"), 199999);
    EXPECT_EQ(IniStore::Read(keys).ReadInteger("k", "KEY199999"), 1);
    EXPECT_LT(timer.elapsed(), 2000);
}
