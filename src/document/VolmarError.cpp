#include "document/VolmarError.h"

namespace volmar {

QString StandardErrorText(const QString& message) {
    if (!message.isEmpty() && message.back() > QChar(u'.'))
        return message + u'.';
    return message;
}

} // namespace volmar
