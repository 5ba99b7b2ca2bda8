#pragma once

#include <QString>
#include <stdexcept>

namespace volmar {

// A failure that ends the command in progress and reaches the user in the
// standard error box (or on stderr in volmar-cli), with exactly this message.
class VolmarError : public std::runtime_error {
public:
    explicit VolmarError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}

    const QString& message() const { return message_; }

private:
    QString message_;
};

// The text the standard error box shows: the message, with a full stop added
// when its last character sorts after ".".
QString StandardErrorText(const QString& message);

} // namespace volmar
