#include "document/DesignDocument.h"

#include "support/WindowItems.h"

#include <gtest/gtest.h>

using volmar::CanvasRect;
using volmar::DesignDocument;

using volmar::test::MakeWindow;

namespace {

QString Order(const DesignDocument& doc) {
    QString s;
    for (const auto& item : doc)
        s += item->Name;
    return s;
}

DesignDocument Abcd() {
    DesignDocument doc;
    for (const char* n : {"A", "B", "C", "D"})
        doc.Append(MakeWindow(n, 0, 0, 10, 10));
    return doc;
}

} // namespace

TEST(DesignDocument, DefinitionAtIsStrictAndPrefersTheFront) {
    DesignDocument doc;
    TWindowItem* back = doc.Append(MakeWindow("back", 0, 0, 100, 100));
    TWindowItem* front = doc.Append(MakeWindow("front", 50, 50, 150, 150));
    EXPECT_EQ(doc.DefinitionAt(0, 10), nullptr);   // on the left edge
    EXPECT_EQ(doc.DefinitionAt(10, 100), nullptr); // on the bottom edge
    EXPECT_EQ(doc.DefinitionAt(1, 1), back);
    EXPECT_EQ(doc.DefinitionAt(75, 75), front);
    EXPECT_EQ(doc.DefinitionAt(149, 149), front);
    EXPECT_EQ(doc.DefinitionAt(150, 149), nullptr);
}

TEST(DesignDocument, SelectInsideRectIsInclusiveAndOverwrites) {
    DesignDocument doc;
    TWindowItem* on = doc.Append(MakeWindow("on", 10, 10, 50, 50));
    TWindowItem* out = doc.Append(MakeWindow("out", 10, 10, 51, 50));
    out->Selected = true;
    doc.SelectInsideRect({10, 10, 50, 50});
    EXPECT_TRUE(on->Selected);
    EXPECT_FALSE(out->Selected);
    EXPECT_EQ(doc.CountSelected(), 1);
    doc.SetAllSelected(true);
    EXPECT_EQ(doc.CountSelected(), 2);
}

TEST(DesignDocument, ZOrderMovesAreSwaps) {
    {
        DesignDocument doc = Abcd();
        doc.ZOrderStep(doc.At(2), false);
        EXPECT_EQ(Order(doc), "ACBD");
    }
    {
        DesignDocument doc = Abcd();
        doc.ZOrderStep(doc.At(2), true);
        EXPECT_EQ(Order(doc), "ABDC");
    }
    {
        DesignDocument doc = Abcd();
        doc.ZOrderToEnd(doc.At(2), false);
        EXPECT_EQ(Order(doc), "CBAD");
    }
    {
        DesignDocument doc = Abcd();
        doc.ZOrderToEnd(doc.At(2), true);
        EXPECT_EQ(Order(doc), "ABDC");
    }
    {
        DesignDocument doc = Abcd();
        doc.ZOrderStep(doc.At(3), true);
        doc.ZOrderToEnd(doc.At(3), true);
        doc.ZOrderStep(doc.At(0), false);
        doc.ZOrderToEnd(doc.At(0), false);
        EXPECT_EQ(Order(doc), "ABCD");
    }
}

TEST(DesignDocument, ThirtyTwoPixelRule) {
    EXPECT_TRUE(volmar::IsLargeEnoughForWindow({0, 0, 32, 32}));
    EXPECT_FALSE(volmar::IsLargeEnoughForWindow({0, 0, 31, 32}));
    EXPECT_FALSE(volmar::IsLargeEnoughForWindow({0, 0, 32, 31}));
    EXPECT_TRUE(volmar::IsLargeEnoughForWindow({-2147483647 - 1, 0, 2147483647, 40}));
}

TEST(DesignDocument, AppendKeepsAddressesAndRemoveKeepsOrder) {
    DesignDocument doc = Abcd();
    TWindowItem* d = doc.At(3);
    doc.RemoveAt(1);
    EXPECT_EQ(Order(doc), "ACD");
    EXPECT_EQ(doc.At(2), d);
    EXPECT_EQ(doc.IndexOf(d), 2);
    doc.Clear();
    EXPECT_TRUE(doc.IsEmpty());
}
