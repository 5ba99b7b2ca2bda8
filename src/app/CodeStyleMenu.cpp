#include "app/CodeStyleMenu.h"

#include <QAction>
#include <QActionGroup>

namespace volmar {

namespace {

QAction* AddEntry(QMenu& menu, const char* name, const QString& caption) {
    QAction* entry = menu.addAction(caption);
    entry->setObjectName(QLatin1String(name));
    entry->setCheckable(true);
    return entry;
}

} // namespace

CodeStyleMenu::CodeStyleMenu(QWidget* parent) : QMenu(QStringLiteral("コードの形式"), parent) {
    setObjectName(QStringLiteral("MenuCodeStyle"));
    WindowForm = AddEntry(*this, "CodeStyleWindow", QStringLiteral("Window.new で生成"));
    BaseForm = AddEntry(*this, "CodeStyleBase", QStringLiteral("Window_Base.new で生成"));
    auto* forms = new QActionGroup(this);
    forms->addAction(WindowForm);
    forms->addAction(BaseForm);
    addSeparator();
    Windowskin = AddEntry(*this, "CodeStyleWindowskin", QStringLiteral("windowskin を設定する"));
    Dispose = AddEntry(*this, "CodeStyleDispose", QStringLiteral("dispose を追加する"));
    SetStyle({});
    for (QAction* entry : {WindowForm, BaseForm, Windowskin, Dispose})
        connect(entry, &QAction::triggered, this, &CodeStyleMenu::StyleChosen);
}

CodeStyle CodeStyleMenu::Style() const {
    CodeStyle style;
    style.Form = BaseForm->isChecked() ? CodeForm::WindowBase : CodeForm::Window;
    style.Windowskin = Windowskin->isChecked();
    style.Dispose = Dispose->isChecked();
    return style;
}

void CodeStyleMenu::SetStyle(const CodeStyle& style) {
    (style.Form == CodeForm::WindowBase ? BaseForm : WindowForm)->setChecked(true);
    Windowskin->setChecked(style.Windowskin);
    Dispose->setChecked(style.Dispose);
}

} // namespace volmar
