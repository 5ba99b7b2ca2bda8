#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

namespace volmar {

// The application-wide key hook. Qt first offers a key to the menus' and
// actions' shortcuts; only a key press that none of them claimed is
// delivered to a widget, and this hook sees it on its way there, before the
// widget does. OnShortCut may be called again for each parent the key is
// passed on to; returning true marks the key handled and ends its delivery.
class ApplicationEvents : public QObject {
    Q_OBJECT

public:
    // Installs itself on the running application; it is removed when destroyed.
    explicit ApplicationEvents(QObject* parent = nullptr);

    std::function<bool(QWidget* receiver, QKeyEvent* event)> OnShortCut;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace volmar
