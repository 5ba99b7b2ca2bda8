#pragma once

#include <QString>

#include <exception>

namespace volmar {

// The message of a command that ran out of memory or met data too large to hold.
QString OutOfResourcesMessage();
[[noreturn]] void ThrowOutOfResources();

// The message the user sees for an exception that ended a command: a
// VolmarError's own, the out-of-resources message for a failed allocation,
// the exception's own text otherwise.
QString FailureMessage(const std::exception& error);

} // namespace volmar
