#pragma once

#include <QByteArray>
#include <QIODevice>

#include <algorithm>
#include <cstring>

namespace volmar::test {

// A sequential device (like a pipe or /dev/zero): it gives its bytes, then,
// with a filler, that filler over and over without end. It counts what was
// read from it.
class StreamDevice : public QIODevice {
public:
    explicit StreamDevice(QByteArray bytes, QByteArray filler = {})
        : bytes_(std::move(bytes)), filler_(std::move(filler)) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

    bool isSequential() const override { return true; }
    qint64 Given() const { return given_; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        qint64 n = 0;
        while (n < maxSize) {
            const QByteArray& source = given_ < bytes_.size() ? bytes_ : filler_;
            if (source.isEmpty())
                break;
            const qint64 at =
                given_ < bytes_.size() ? given_ : (given_ - bytes_.size()) % source.size();
            const qint64 step = std::min(maxSize - n, source.size() - at);
            std::memcpy(data + n, source.constData() + at, size_t(step));
            n += step;
            given_ += step;
        }
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray bytes_;
    QByteArray filler_;
    qint64 given_ = 0;
};

} // namespace volmar::test
