#pragma once

#include "document/CodeStyle.h"

#include <QMenu>

class QAction;

namespace volmar {

// "コードの形式": the form of the generated code as two radio entries, then
// the window-skin and dispose lines as two toggles.
class CodeStyleMenu : public QMenu {
    Q_OBJECT

public:
    explicit CodeStyleMenu(QWidget* parent = nullptr);

    CodeStyle Style() const;
    // Checks the entries of the style; raises no StyleChosen.
    void SetStyle(const CodeStyle& style);

    QAction* WindowForm = nullptr;
    QAction* BaseForm = nullptr;
    QAction* Windowskin = nullptr;
    QAction* Dispose = nullptr;

Q_SIGNALS:
    // The user picked an entry.
    void StyleChosen();
};

} // namespace volmar
