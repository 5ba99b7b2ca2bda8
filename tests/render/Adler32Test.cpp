#include "render/Adler32.h"

#include <zlib.h>

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

// Our checksum against zlib's, at the lengths where its blocks and runs begin
// and end, from odd addresses, continued from a previous value, and with the
// largest sums (every byte 0xFF).
TEST(Adler32, AgreesWithZlib) {
    std::mt19937 random(3);
    std::vector<uchar> data(3 * 5552 + 100);
    for (auto& byte : data)
        byte = uchar(random());
    const std::vector<uchar> full(data.size(), 0xFF);
    for (size_t length : {0, 1, 31, 32, 33, 64, 5551, 5552, 5553, 11104, 3 * 5552 + 99})
        for (size_t offset : {0, 1}) {
            for (const std::vector<uchar>* bytes : {&std::as_const(data), &full}) {
                const uchar* p = bytes->data() + offset;
                EXPECT_EQ(volmar::Adler32(1, p, length), adler32_z(1, p, length))
                    << length << " from " << offset;
            }
            const quint32 start = quint32(adler32_z(1, data.data(), 1000));
            EXPECT_EQ(volmar::Adler32(start, data.data() + offset, length),
                      adler32_z(start, data.data() + offset, length));
        }
}
