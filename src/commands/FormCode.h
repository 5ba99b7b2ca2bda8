#pragma once

#include "document/CodeStyle.h"
#include "document/DesignDocument.h"

#include <QDialog>

class QPlainTextEdit;

// The code dialog: the generated Ruby statements in one editable text box
// that fills an ordinary, resizable window. The user selects and copies the
// text from it; edits made there go nowhere.
class TCodeForm : public QDialog {
    Q_OBJECT

public:
    explicit TCodeForm(QWidget* parent = nullptr);

    // Shows the statements for the document in the given style, each line as
    // it reads after the CP932 round trip: a name character CP932 cannot hold
    // shows as "?".
    void Fill(const volmar::DesignDocument& document, const volmar::CodeStyle& style = {});

    QPlainTextEdit* CodeMemo = nullptr;
};
