#include "document/BoundedRead.h"

#include "document/VolmarError.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace volmar {
namespace {

// Bytes that read like a pipe: no size known beforehand.
class Pipe : public QIODevice {
public:
    explicit Pipe(QByteArray bytes) : bytes_(std::move(bytes)) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 most) override {
        const qint64 n = std::min(most, qint64(bytes_.size() - at_));
        if (n > 0)
            std::memcpy(data, bytes_.constData() + at_, size_t(n));
        at_ += qsizetype(n);
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray bytes_;
    qsizetype at_ = 0;
};

// A source of exactly the bound is read whole, from where the device stands;
// one byte more is refused. The larger bound spans more than one chunk.
TEST(BoundedRead, ExactlyTheBoundIsReadWholeOneByteMoreIsRefused) {
    const struct {
        qint64 size, start, bound;
        bool whole;
    } cases[] = {{10, 0, 10, true},  {11, 0, 10, false},        {15, 5, 10, true},
                 {16, 5, 10, false}, {100000, 0, 100000, true}, {100001, 0, 100000, false},
                 {0, 0, 0, true},    {1, 0, 0, false}};
    for (const bool sequential : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << c.size << " from " << c.start << " bound " << c.bound
                                            << (sequential ? " sequential" : " seekable"));
            QByteArray source(qsizetype(c.size), 'x');
            for (qsizetype i = 0; i < source.size(); ++i)
                source[i] = char(i % 251);
            QBuffer file(&source);
            Pipe pipe(source);
            QIODevice& device = sequential ? static_cast<QIODevice&>(pipe) : file;
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            ASSERT_EQ(device.read(c.start).size(), c.start);
            QByteArray read;
            if (c.whole) {
                EXPECT_NO_THROW(read = ReadAtMost(device, c.bound));
                EXPECT_EQ(read, source.mid(qsizetype(c.start)));
            } else {
                EXPECT_THROW(read = ReadAtMost(device, c.bound), VolmarError);
            }
        }
    }
}

} // namespace
} // namespace volmar
