#include "support/FileSizeLimit.h"

#include <csignal>
#include <sys/resource.h>

namespace volmar::test {

FileSizeLimit::FileSizeLimit(qint64 bytes) {
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    saved_ = qint64(saved.rlim_cur);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved;
    lowered.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &lowered);
}

FileSizeLimit::~FileSizeLimit() {
    rlimit restored{};
    getrlimit(RLIMIT_FSIZE, &restored);
    restored.rlim_cur = rlim_t(saved_);
    setrlimit(RLIMIT_FSIZE, &restored);
    std::signal(SIGXFSZ, previousHandler_);
}

bool FileSizeLimit::Works() {
    return true;
}

} // namespace volmar::test
