#pragma once

#include <QObject>

#include <functional>

namespace volmar {

// Watches the whole application's input and reports every pointer press and
// every key press other than an arrow key or a lone modifier: whatever ends a
// run of keyboard nudges.
class InputWatch : public QObject {
    Q_OBJECT

public:
    // Installs itself on the running application; it is removed when destroyed.
    explicit InputWatch(QObject* parent = nullptr);

    std::function<void()> OnOtherInput;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace volmar
