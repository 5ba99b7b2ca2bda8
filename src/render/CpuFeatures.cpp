#include "render/CpuFeatures.h"

namespace volmar {

bool CpuHasSsse3() {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
    static const bool has = __builtin_cpu_supports("ssse3");
    return has;
#else
    return false;
#endif
}

bool CpuHasSse41() {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
    static const bool has = __builtin_cpu_supports("sse4.1");
    return has;
#else
    return false;
#endif
}

} // namespace volmar
