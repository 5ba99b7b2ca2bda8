#include "support/GlibcCp932.h"

#include <cstddef>

#if defined(__GLIBC__)

#include <iconv.h>

namespace volmar::test {

namespace {

const iconv_t kFailed = reinterpret_cast<iconv_t>(-1);

// The output of converting all of in, or 0 bytes when iconv refuses any of it.
size_t Convert(iconv_t cd, const unsigned char* in, size_t length, unsigned char (&out)[4]) {
    char* inPtr = reinterpret_cast<char*>(const_cast<unsigned char*>(in));
    char* outPtr = reinterpret_cast<char*>(out);
    size_t outLeft = sizeof out;
    const size_t result = iconv(cd, &inPtr, &length, &outPtr, &outLeft);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    return result == static_cast<size_t>(-1) || length != 0 ? 0 : sizeof out - outLeft;
}

class Iconv : public GlibcCp932 {
public:
    Iconv(iconv_t toCp932, iconv_t fromCp932) : toCp932_(toCp932), fromCp932_(fromCp932) {}
    ~Iconv() override {
        iconv_close(toCp932_);
        iconv_close(fromCp932_);
    }

    quint16 Encode(char16_t c) override {
        const unsigned char in[2] = {static_cast<unsigned char>(c),
                                     static_cast<unsigned char>(c >> 8)};
        unsigned char out[4];
        switch (Convert(toCp932_, in, 2, out)) {
        case 1:
            return out[0];
        case 2:
            return static_cast<quint16>((out[0] << 8) | out[1]);
        default:
            return '?';
        }
    }

    char16_t Decode(const unsigned char* bytes, size_t length) override {
        unsigned char out[4];
        if (Convert(fromCp932_, bytes, length, out) != 2)
            return 0xFFFD;
        return static_cast<char16_t>(out[0] | (out[1] << 8));
    }

private:
    iconv_t toCp932_;
    iconv_t fromCp932_;
};

} // namespace

std::unique_ptr<GlibcCp932> GlibcCp932::Open() {
    const iconv_t to = iconv_open("CP932", "UTF-16LE");
    const iconv_t from = iconv_open("UTF-16LE", "CP932");
    if (to != kFailed && from != kFailed)
        return std::make_unique<Iconv>(to, from);
    if (to != kFailed)
        iconv_close(to);
    if (from != kFailed)
        iconv_close(from);
    return nullptr;
}

} // namespace volmar::test

#else

std::unique_ptr<volmar::test::GlibcCp932> volmar::test::GlibcCp932::Open() {
    return nullptr;
}

#endif
