#pragma once

#include <QString>

#include <functional>

class QProcess;

// Files and process limits that only POSIX systems have. Each maker returns
// false where the platform has no such thing, and the test is skipped with
// the reason below.
namespace volmar::test {

inline constexpr const char* kNoSpecialFiles =
    "Windows has no named pipes, devices or endless files in the file system";

// A named pipe (FIFO) at path.
bool MakeFifo(const QString& path);
bool IsFifo(const QString& path);

// A link at path to a file that never ends (/dev/zero).
bool LinkToEndlessFile(const QString& path);

// Runs setup in the child process just before the program starts there.
bool SetChildSetup(QProcess& process, const std::function<void()>& setup);

// Child setups: a file-size limit (a write past it fails) and an address-space limit.
void LimitFileSizeInChild(qint64 bytes);
void LimitAddressSpaceInChild(qint64 bytes);

// Whether permission bits can stop this user from reading or writing
// (not on Windows, not for the superuser).
bool PermissionsBindThisUser();

} // namespace volmar::test
