// The filters undone against their textbook definitions, for every pixel
// width the reader has its own code for.

#include "render/PngUnfilter.h"
#include "render/CpuFeatures.h"
#include "render/PngUnfilterScalar.h"
#include "render/PngUnfilterSimd.h"
#include "support/PngWriter.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
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

// One way of undoing filters: false where it has no code for the filter type
// and pixel width.
using Unfilter =
    std::function<bool(int type, uchar* row, const uchar* above, size_t length, int step)>;

bool Scalar(int type, uchar* row, const uchar* above, size_t length, int step) {
    if (type == 0 || type == 2)
        return false;
    switch (step) {
    case 1:
        volmar::UnfilterBytes<1>(type, row, above, length);
        return true;
    case 2:
        volmar::UnfilterBytes<2>(type, row, above, length);
        return true;
    case 3:
        volmar::UnfilterBytes<3>(type, row, above, length);
        return true;
    case 4:
        volmar::UnfilterBytes<4>(type, row, above, length);
        return true;
    case 6:
        volmar::UnfilterBytes<6>(type, row, above, length);
        return true;
    }
    volmar::UnfilterBytes<8>(type, row, above, length);
    return true;
}

// The dispatching entry point, then every implementation it may choose, so
// that each is checked whichever this processor would use.
std::vector<std::pair<std::string, Unfilter>> Implementations() {
    std::vector<std::pair<std::string, Unfilter>> all = {{"UnfilterRow", UnfilterRow},
                                                         {"scalar", Scalar}};
#if defined(VOLMAR_PNG_SSE2)
    all.push_back({"SSE2", [](int type, uchar* row, const uchar* above, size_t length, int step) {
                       if (type == 2)
                           volmar::UpSse2(row, above, length);
                       else if (type == 1 && step == 1)
                           volmar::SubBytesSse2(row, length);
                       else if (type != 0 && step >= 3)
                           volmar::UnfilterPixelsSse2(type, row, above, length, step);
                       else
                           return false;
                       return true;
                   }});
    if (volmar::CpuHasSsse3())
        all.push_back(
            {"SSSE3", [](int type, uchar* row, const uchar* above, size_t length, int step) {
                 if (type != 3 || step != 1)
                     return false;
                 volmar::AverageBytesSsse3(row, above, length);
                 return true;
             }});
    if (volmar::CpuHasSse41())
        all.push_back(
            {"SSE4.1", [](int type, uchar* row, const uchar* above, size_t length, int step) {
                 if (type != 4 || step < 3)
                     return false;
                 volmar::PaethPixelsSse41(row, above, length, step);
                 return true;
             }});
#endif
    return all;
}

// The row undone by `unfilter` (empty when it has no code for it), with the
// slack the reader gives every row.
std::vector<uchar> Unfiltered(const Unfilter& unfilter, int type, const std::vector<uchar>& row,
                              const std::vector<uchar>& above, int step) {
    std::vector<uchar> work(row.size() + kUnfilterSlack);
    std::vector<uchar> up(above.size() + kUnfilterSlack);
    std::copy(row.begin(), row.end(), work.begin());
    std::copy(above.begin(), above.end(), up.begin());
    if (!unfilter(type, work.data(), up.data(), row.size(), step))
        return {};
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
                const std::vector<uchar> expected = Reference(type, row, above, size_t(step));
                for (const auto& [name, unfilter] : Implementations()) {
                    const std::vector<uchar> actual = Unfiltered(unfilter, type, row, above, step);
                    if (!actual.empty()) {
                        ASSERT_EQ(actual, expected)
                            << name << ", step " << step << " filter " << type;
                    }
                }
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
        for (const auto& [name, unfilter] : Implementations()) {
            if (name == "UnfilterRow" || name == "scalar")
                continue; // one of the others, and the definition itself
            const std::vector<uchar> out = Unfiltered(unfilter, 4, row, above, 8);
            for (size_t i = 0; i < out.size(); ++i)
                ASSERT_EQ(out[i], base + 32 * int(i % 8))
                    << name << ", pixel " << i / 8 << " base " << base;
        }
    }
}

TEST(PngUnfilter, AverageRowsTogetherEqualRowsInTurn) {
    std::mt19937 random(11);
    for (int count = 2; count <= volmar::kMaxAverageRows; ++count)
        for (size_t length : {1, 2, 3, 4, 5, 17, 300}) {
            std::vector<std::vector<uchar>> rows(static_cast<size_t>(count));
            std::vector<uchar> above(length + kUnfilterSlack);
            for (size_t i = 0; i < length; ++i)
                above[i] = uchar(random());
            uchar* pointers[volmar::kMaxAverageRows];
            std::vector<uchar> expectedAbove(above.begin(), above.begin() + qsizetype(length));
            std::vector<std::vector<uchar>> expected;
            for (int k = 0; k < count; ++k) {
                rows[size_t(k)].resize(length + kUnfilterSlack);
                for (size_t i = 0; i < length; ++i)
                    rows[size_t(k)][i] = uchar(random());
                pointers[k] = rows[size_t(k)].data();
                expected.push_back(
                    Reference(3,
                              std::vector<uchar>(rows[size_t(k)].begin(),
                                                 rows[size_t(k)].begin() + qsizetype(length)),
                              expectedAbove, 1));
                expectedAbove = expected.back();
            }
            volmar::UnfilterAverageRows(pointers, count, above.data(), length);
            for (int k = 0; k < count; ++k) {
                rows[size_t(k)].resize(length);
                EXPECT_EQ(rows[size_t(k)], expected[size_t(k)])
                    << count << " rows of " << length << ", row " << k;
            }
        }
}

TEST(PngUnfilter, FilterTypeAboveFourIsRefused) {
    std::vector<uchar> row(8 + kUnfilterSlack), above(8 + kUnfilterSlack);
    EXPECT_TRUE(UnfilterRow(4, row.data(), above.data(), 8, 4));
    EXPECT_FALSE(UnfilterRow(5, row.data(), above.data(), 8, 4));
    EXPECT_FALSE(UnfilterRow(255, row.data(), above.data(), 8, 1));
}
