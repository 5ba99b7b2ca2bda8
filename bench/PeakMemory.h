#pragma once

namespace volmar::bench {

// The peak resident memory of this process after it has created the main
// window, opened a project of the given number of windows spread over the
// canvas and painted the canvas once, printed to standard output as one JSON
// object. Returns the process exit code.
int RunPeakMemory(int windows);

} // namespace volmar::bench
