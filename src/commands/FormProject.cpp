#include "commands/FormProject.h"

#include "dialogs/FormControls.h"

#include <QComboBox>

#include <QLabel>
#include <QPushButton>
#include <algorithm>

using namespace volmar;

namespace {

constexpr Runtime kRuntimes[] = {Runtime::Rgss1, Runtime::Rgss2, Runtime::Rgss3};
constexpr CanvasSize kRgss3Screens[] = {CanvasSize{544, 416}, kDefaultCanvas};

QString SizeText(const CanvasSize& size) {
    return QStringLiteral("%1x%2").arg(size.Width).arg(size.Height);
}

} // namespace

TProjectForm::TProjectForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ProjectForm"));
    setWindowTitle(QStringLiteral("プロジェクトの設定"));
    setFixedSize(280, 150);
    RuntimeBox = Place(new QComboBox(this), "RuntimeBox", 110, 20, 150, 21);
    for (Runtime runtime : kRuntimes)
        RuntimeBox->addItem(RuntimeName(runtime));
    Place(new QLabel(QStringLiteral("実行環境(&R)"), this), "RuntimeLabel", 20, 22, 85, 17)
        ->setBuddy(RuntimeBox);
    ScreenBox = Place(new QComboBox(this), "ScreenBox", 110, 55, 150, 21);
    Place(new QLabel(QStringLiteral("画面の大きさ(&S)"), this), "ScreenLabel", 20, 57, 85, 17)
        ->setBuddy(ScreenBox);
    ButtonOk = Place(new QPushButton(QStringLiteral("OK(&O)"), this), "ButtonOk", 104, 105, 75, 25);
    ButtonOk->setDefault(true);
    ButtonCancel = Place(new QPushButton(QStringLiteral("キャンセル"), this), "ButtonCancel", 185,
                         105, 75, 25);
    connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(RuntimeBox, &QComboBox::currentIndexChanged, this, [this] { OfferScreens(); });
    Fill(RuntimeTarget{});
}

// RGSS1 and RGSS2 have one screen each; RGSS3 offers two.
void TProjectForm::OfferScreens() {
    const Runtime runtime = kRuntimes[std::max(RuntimeBox->currentIndex(), 0)];
    ScreenBox->clear();
    if (runtime == Runtime::Rgss3)
        for (const CanvasSize& size : kRgss3Screens)
            ScreenBox->addItem(SizeText(size));
    else
        ScreenBox->addItem(SizeText(DefaultScreen(runtime)));
    ScreenBox->setEnabled(ScreenBox->count() > 1);
}

void TProjectForm::Fill(const RuntimeTarget& target) {
    RuntimeBox->setCurrentIndex(int(target.Version));
    OfferScreens();
    const int screen = ScreenBox->findText(SizeText(target.Screen));
    ScreenBox->setCurrentIndex(std::max(screen, 0));
}

RuntimeTarget TProjectForm::Target() const {
    const Runtime runtime = kRuntimes[std::max(RuntimeBox->currentIndex(), 0)];
    RuntimeTarget target = DefaultTarget(runtime);
    if (runtime == Runtime::Rgss3 && ScreenBox->currentIndex() >= 0)
        target.Screen = kRgss3Screens[ScreenBox->currentIndex()];
    return target;
}
