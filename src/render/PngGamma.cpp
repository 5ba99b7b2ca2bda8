#include "render/PngGamma.h"

#include <cmath>

namespace volmar {

PngGamma::PngGamma() {
    for (int s = 0; s < 256; ++s)
        table_[s] = uchar(s);
}

PngGamma::PngGamma(quint32 gamma) : PngGamma() {
    if (gamma == 0)
        return;
    const double exponent = 1.0 / (double(gamma) / 100000.0 * 2.2);
    for (int s = 0; s < 256; ++s) {
        const double v = std::round(255.0 * std::pow(s / 255.0, exponent));
        table_[s] = uchar(v < 0 ? 0 : v > 255 ? 255 : v);
        identity_ = identity_ && table_[s] == s;
    }
}

} // namespace volmar
