#include "support/FileSizeLimit.h"

namespace volmar::test {

FileSizeLimit::FileSizeLimit(qint64) {}

FileSizeLimit::~FileSizeLimit() = default;

bool FileSizeLimit::Works() {
    return false;
}

} // namespace volmar::test
