#pragma once

#include <QtGlobal>

#include <array>

namespace volmar {

// The colour correction of a gAMA chunk: an 8-bit colour sample s becomes
// 255 * (s / 255) ^ (1 / (g / 100000 * 2.2)), rounded to the nearest integer.
// Alpha samples never pass through it.
class PngGamma {
public:
    // No gAMA chunk (or a value of 0): colours stay as stored.
    PngGamma();
    explicit PngGamma(quint32 gamma);

    uchar operator()(uchar sample) const { return table_[sample]; }
    // True when the table gives every value back (so it can be skipped).
    bool IsIdentity() const { return identity_; }

private:
    std::array<uchar, 256> table_;
    bool identity_ = true;
};

} // namespace volmar
