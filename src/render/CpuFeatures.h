#pragma once

namespace volmar {

// Whether the processor has SSSE3 (byte shuffles), so that code built for it
// may run. Always false off x86.
bool CpuHasSsse3();

// Whether the processor has SSE4.1 (byte blends).
bool CpuHasSse41();

} // namespace volmar
