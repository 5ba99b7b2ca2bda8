#include "commands/FormCheck.h"

#include "commands/CodeProblemText.h"
#include "dialogs/FormLook.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace volmar;

namespace {

// Wide enough for the longest line of a short name.
constexpr int kClientWidth = 620;
constexpr int kClientHeight = 240;

} // namespace

TCheckForm::TCheckForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TCheckForm"));
    setWindowTitle(QStringLiteral("コードの確認"));
    setFont(FormFont());

    auto* hint =
        new QLabel(QStringLiteral("行をダブルクリックすると、そのウインドウを選択します。"), this);
    hint->setObjectName(QStringLiteral("HintLabel"));
    ProblemList = new QListWidget(this);
    ProblemList->setObjectName(QStringLiteral("ProblemList"));
    CloseButton = new QPushButton(QStringLiteral("閉じる"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setAutoDefault(false);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ProblemList, &QListWidget::itemActivated, this, &TCheckForm::Choose);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CloseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(ProblemList);
    layout->addLayout(buttons);

    PlaceForm(*this, kClientWidth, kClientHeight, false);
}

void TCheckForm::Fill(const std::vector<CodeProblem>& problems) {
    ProblemList->clear();
    for (const CodeProblem& problem : problems) {
        auto* item = new QListWidgetItem(JapaneseProblemText(problem), ProblemList);
        item->setData(Qt::UserRole, problem.Index);
    }
    ProblemList->setCurrentRow(0);
}

void TCheckForm::Choose(QListWidgetItem* item) {
    chosen_ = item->data(Qt::UserRole).toInt();
    accept();
}
