#include "document/Cp932Tables.h"

#include <array>
#include <atomic>
#include <iconv.h>

namespace volmar::cp932 {

namespace {

constexpr quint16 kUnmappable = '?';
constexpr char16_t kInvalid = 0xFFFD;

// One iconv descriptor pair per thread: a descriptor must not be shared
// between threads, and opening one costs far more than a conversion.
class Converter {
public:
    Converter()
        : toCp932_(iconv_open("CP932", "UTF-16LE")), fromCp932_(iconv_open("UTF-16LE", "CP932")) {}
    ~Converter() {
        if (toCp932_ != kFailed)
            iconv_close(toCp932_);
        if (fromCp932_ != kFailed)
            iconv_close(fromCp932_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // The CP932 bytes of one character, or 0 bytes when it has none.
    size_t Encode(char16_t c, unsigned char (&out)[4]) {
        const unsigned char in[2] = {static_cast<unsigned char>(c & 0xFF),
                                     static_cast<unsigned char>(c >> 8)};
        return Run(toCp932_, in, sizeof in, out);
    }

    // The UTF-16 character of one CP932 sequence, or kInvalid.
    char16_t Decode(const unsigned char* in, size_t length) {
        unsigned char out[4];
        if (Run(fromCp932_, in, length, out) != 2)
            return kInvalid;
        return static_cast<char16_t>(out[0] | (out[1] << 8));
    }

private:
    static inline const iconv_t kFailed = reinterpret_cast<iconv_t>(-1);

    static size_t Run(iconv_t cd, const unsigned char* in, size_t length, unsigned char (&out)[4]) {
        if (cd == kFailed)
            return 0;
        char* inPtr = reinterpret_cast<char*>(const_cast<unsigned char*>(in));
        size_t inLeft = length;
        char* outPtr = reinterpret_cast<char*>(out);
        size_t outLeft = sizeof out;
        const size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (result == static_cast<size_t>(-1) || inLeft != 0)
            return 0;
        return sizeof out - outLeft;
    }

    iconv_t toCp932_;
    iconv_t fromCp932_;
};

Converter& ThreadConverter() {
    thread_local Converter converter;
    return converter;
}

// Remembered answers; 0 means not asked yet (no character from U+0080 up
// encodes to 0x00, and no byte from 0x80 up decodes to U+0000).
std::array<std::atomic<quint16>, 0x10000> encoded;
std::array<std::atomic<char16_t>, 0x10000> decodedPairs;
std::array<std::atomic<char16_t>, 0x100> decodedSingles;

quint16 AskEncode(char16_t c) {
    if (c == u'\u00A5') // yen sign: the full-width yen, never the backslash
        return 0x818F;
    unsigned char out[4];
    switch (ThreadConverter().Encode(c, out)) {
    case 1:
        return out[0];
    case 2:
        return static_cast<quint16>((out[0] << 8) | out[1]);
    default:
        return kUnmappable;
    }
}

template <typename T, size_t N, typename Ask>
T Remembered(std::array<std::atomic<T>, N>& table, size_t index, Ask ask) {
    T value = table[index].load(std::memory_order_relaxed);
    if (value == 0) {
        value = ask();
        table[index].store(value, std::memory_order_relaxed);
    }
    return value;
}

} // namespace

quint16 EncodeBmp(char16_t c) {
    return Remembered(encoded, c, [c] { return AskEncode(c); });
}

char16_t DecodePair(unsigned char lead, unsigned char trail) {
    return Remembered(decodedPairs, (lead << 8) | trail, [lead, trail] {
        const unsigned char in[2] = {lead, trail};
        return ThreadConverter().Decode(in, 2);
    });
}

char16_t DecodeSingle(unsigned char b) {
    return Remembered(decodedSingles, b, [b] { return ThreadConverter().Decode(&b, 1); });
}

} // namespace volmar::cp932
