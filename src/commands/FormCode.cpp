#include "commands/FormCode.h"

#include "commands/CodeGenerator.h"
#include "dialogs/FormLook.h"
#include "document/Cp932.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

using namespace volmar;

namespace {

constexpr int kClientWidth = 497;
constexpr int kClientHeight = 407;

} // namespace

TCodeForm::TCodeForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TCodeForm"));
    setWindowTitle(QStringLiteral("コード"));
    setFont(FormFont());
    // An ordinary window with a title bar and a close box, not a dialog frame.
    setWindowFlags(Qt::Window);

    CodeMemo = new QPlainTextEdit(this);
    CodeMemo->setObjectName(QStringLiteral("CodeMemo"));
    CodeMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    CodeMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    CodeMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(CodeMemo);

    PlaceForm(*this, kClientWidth, kClientHeight, false);
}

void TCodeForm::Fill(const DesignDocument& document, const CodeStyle& style) {
    // The same bytes volmar-cli prints, read back: every line ends with a
    // line break, the empty line closing the last block included. The code
    // is that of the runtime the document is made for.
    QString text = FromCp932(GenerateCodeBytes(document, style, document.Target().Version));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    CodeMemo->setPlainText(text);
}
