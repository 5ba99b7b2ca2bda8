#include "document/BoundedRead.h"

#include "document/CommandFailure.h"
#include "document/VolmarError.h"
#include "support/StreamDevice.h"

#include <QBuffer>

#include <gtest/gtest.h>

using volmar::test::StreamDevice;

namespace {

// The text read, or "refused".
QByteArray ReadOrRefusal(QIODevice& device, qint64 maxBytes) {
    try {
        return volmar::ReadAtMost(device, maxBytes);
    } catch (const volmar::VolmarError& error) {
        EXPECT_EQ(error.message(), volmar::OutOfResourcesMessage());
        return "refused";
    }
}

} // namespace

TEST(BoundedRead, HoldsUpToTheBoundAndRefusesMore) {
    QByteArray text(300000, 'x');
    for (qsizetype i = 0; i < text.size(); i += 7)
        text[i] = char(i);
    for (const qint64 maxBytes : {text.size() - 1, text.size(), text.size() + 1}) {
        const QByteArray expected = maxBytes < text.size() ? QByteArray("refused") : text;
        QBuffer file(&text); // knows its size
        file.open(QIODevice::ReadOnly);
        EXPECT_EQ(ReadOrRefusal(file, maxBytes), expected) << maxBytes;
        StreamDevice pipe(text);
        EXPECT_EQ(ReadOrRefusal(pipe, maxBytes), expected) << maxBytes;
    }
    // An endless stream gives up after one byte past the bound.
    StreamDevice zeros({}, QByteArray(1, '\0'));
    EXPECT_EQ(ReadOrRefusal(zeros, 1000), "refused");
    EXPECT_EQ(zeros.Given(), 1001);
}
