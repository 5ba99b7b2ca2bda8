#include "document/VolmarError.h"

namespace volmar {

namespace {

// The characters that sort at or before "." in the collation the error box
// uses: blanks and control characters and the punctuation _ - , ; : ! ? .
// Everything else (brackets, quotes, digits, letters, all of Japanese)
// sorts after it.
bool SortsAfterFullStop(QChar c) {
    if (c.isSpace() || c.category() == QChar::Other_Control)
        return false;
    return !QStringView(u"_-,;:!?.").contains(c);
}

} // namespace

QString StandardErrorText(const QString& message) {
    if (!message.isEmpty() && SortsAfterFullStop(message.back()))
        return message + u'.';
    return message;
}

} // namespace volmar
