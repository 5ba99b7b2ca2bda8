#pragma once

#include <QtGlobal>

namespace volmar::test {

// While this lives, files of this process may grow no further than the given
// size: a write past it fails with EFBIG (the signal it raises is ignored).
// The limit binds the superuser too, so it provokes a failed save where
// folder permissions cannot. Nothing may be written to a log file meanwhile.
// Windows has no such limit: there the object does nothing and Works() is
// false, and a test that needs a failing write is skipped.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    static bool Works();

private:
    qint64 saved_ = 0;
    void (*previousHandler_)(int) = nullptr;
};

// Why a test that needs the limit is skipped where it does not work.
inline constexpr const char* kNoFileSizeLimit =
    "Windows has no file-size limit to make a write fail";

} // namespace volmar::test
