// The filters undone against their textbook definitions, for every pixel
// width the reader has its own code for.

#include "render/PngUnfilter.h"
#include "support/PngWriter.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using volmar::kUnfilterSlack;
using volmar::UnfilterRow;

namespace {

int Predict(int type, int a, int b, int c) {
    switch (type) {
    case 1:
        return a;
    case 2:
        return b;
    case 3:
        return (a + b) / 2;
    case 4:
        return volmar::test::detail::PaethPredict(a, b, c);
    }
    return 0;
}

// The row as the definition gives it, byte by byte.
std::vector<uchar> Reference(int type, std::vector<uchar> row, const std::vector<uchar>& above,
                             size_t step) {
    for (size_t i = 0; i < row.size(); ++i) {
        const int a = i >= step ? row[i - step] : 0;
        const int c = i >= step ? above[i - step] : 0;
        row[i] = uchar(row[i] + Predict(type, a, above[i], c));
    }
    return row;
}

std::vector<uchar> Unfiltered(int type, const std::vector<uchar>& row,
                              const std::vector<uchar>& above, int step) {
    std::vector<uchar> work(row.size() + kUnfilterSlack);
    std::vector<uchar> up(above.size() + kUnfilterSlack);
    std::copy(row.begin(), row.end(), work.begin());
    std::copy(above.begin(), above.end(), up.begin());
    EXPECT_TRUE(UnfilterRow(type, work.data(), up.data(), row.size(), step));
    work.resize(row.size());
    return work;
}

} // namespace

TEST(PngUnfilter, EveryFilterAndPixelWidthMatchesTheDefinition) {
    std::mt19937 random(7);
    for (int step : {1, 2, 3, 4, 6, 8})
        for (int type = 0; type < 5; ++type)
            for (int round = 0; round < 40; ++round) {
                const size_t length = size_t(step) * (1 + random() % 300);
                std::vector<uchar> row(length), above(length);
                // Narrow value ranges now and then, so that ties are common.
                const uint range = round % 3 == 0 ? 4 : 256;
                for (size_t i = 0; i < length; ++i) {
                    row[i] = uchar(random() % range);
                    above[i] = uchar(random() % range);
                }
                ASSERT_EQ(Unfiltered(type, row, above, step), Reference(type, row, above, step))
                    << "step " << step << " filter " << type;
            }
}

// Every (a, b, c) for the Paeth predictor of whole pixels (8 bytes, eight
// values of a at once; narrower pixels share the code): the row above walks
// through all pairs (c, b), and each filtered byte is chosen so that every
// pixel comes out as the same value a, the left neighbour of the next.
TEST(PngUnfilter, PaethChoosesAsDefinedForEveryNeighbourhood) {
    constexpr size_t kPixels = 2 * 65536;
    std::vector<uchar> above(8 * kPixels);
    for (size_t j = 0; j < 65536; ++j)
        for (size_t k = 0; k < 8; ++k) {
            above[8 * (2 * j) + k] = uchar(j & 0xFF);   // c of the next pixel
            above[8 * (2 * j + 1) + k] = uchar(j >> 8); // b
        }
    for (int base = 0; base < 32; ++base) {
        std::vector<uchar> row(above.size());
        for (size_t i = 0; i < kPixels; ++i)
            for (size_t k = 0; k < 8; ++k) {
                const int want = base + 32 * int(k);
                const int a = i > 0 ? want : 0;
                const int c = i > 0 ? above[8 * (i - 1) + k] : 0;
                row[8 * i + k] = uchar(want - Predict(4, a, above[8 * i + k], c));
            }
        const std::vector<uchar> out = Unfiltered(4, row, above, 8);
        for (size_t i = 0; i < out.size(); ++i)
            ASSERT_EQ(out[i], base + 32 * int(i % 8)) << "pixel " << i / 8 << " base " << base;
    }
}

TEST(PngUnfilter, AverageRowPairEqualsTwoRowsInTurn) {
    std::mt19937 random(11);
    for (size_t length : {1, 2, 3, 17, 300}) {
        std::vector<uchar> first(length + kUnfilterSlack), second(length + kUnfilterSlack);
        std::vector<uchar> above(length + kUnfilterSlack);
        for (size_t i = 0; i < length; ++i) {
            first[i] = uchar(random());
            second[i] = uchar(random());
            above[i] = uchar(random());
        }
        std::vector<uchar> a(first.begin(), first.begin() + qsizetype(length));
        std::vector<uchar> b(second.begin(), second.begin() + qsizetype(length));
        std::vector<uchar> up(above.begin(), above.begin() + qsizetype(length));
        const std::vector<uchar> expectedFirst = Reference(3, a, up, 1);
        const std::vector<uchar> expectedSecond = Reference(3, b, expectedFirst, 1);
        volmar::UnfilterAverageRowPair(first.data(), second.data(), above.data(), length);
        first.resize(length);
        second.resize(length);
        EXPECT_EQ(first, expectedFirst) << length;
        EXPECT_EQ(second, expectedSecond) << length;
    }
}

TEST(PngUnfilter, FilterTypeAboveFourIsRefused) {
    std::vector<uchar> row(8 + kUnfilterSlack), above(8 + kUnfilterSlack);
    EXPECT_FALSE(UnfilterRow(5, row.data(), above.data(), 8, 4));
    EXPECT_FALSE(UnfilterRow(255, row.data(), above.data(), 8, 1));
}
