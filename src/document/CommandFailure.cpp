#include "document/CommandFailure.h"

#include "document/VolmarError.h"

#include <new>

namespace volmar {

QString OutOfResourcesMessage() {
    return QStringLiteral("Some operation could not be performed because the system is out of "
                          "resources. Close some windows and try again.");
}

void ThrowOutOfResources() {
    throw VolmarError(OutOfResourcesMessage());
}

QString FailureMessage(const std::exception& error) {
    if (const auto* own = dynamic_cast<const VolmarError*>(&error))
        return own->message();
    if (dynamic_cast<const std::bad_alloc*>(&error))
        return OutOfResourcesMessage();
    return QString::fromLocal8Bit(error.what());
}

} // namespace volmar
