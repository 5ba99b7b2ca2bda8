#include "settings/FormVersion.h"

#include "dialogs/Dialogs.h"
#include "dialogs/FormLook.h"
#include "settings/AppIcon.h"
#include "settings/LinkLabel.h"
#include "settings/ProgramVersion.h"

#include <QLabel>
#include <QPushButton>

using namespace volmar;

namespace {

// The author's page and the page of the compression library the PNG reader uses.
const QString kHomePage = QStringLiteral("https://kestrel.example/volmar/");
const QString kZlibPage = QStringLiteral("https://zlib.net/");

QLabel* Caption(QWidget* parent, const char* name, const QString& text, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(x, y);
    label->adjustSize();
    return label;
}

QLabel* Title(QWidget* parent, const char* name, int x, int y, const QColor& color) {
    auto* label = new QLabel(QStringLiteral("VOLMAR"), parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font(QStringLiteral("Tahoma"), 12);
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    label->setGeometry(x, y, 266, 19);
    return label;
}

} // namespace

TVersionForm::TVersionForm(Dialogs& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("TVersionForm"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    setFont(FormFont());
    PlaceForm(*this, 412, 204, true);
    CreateTitle();
    CreateCredits();

    auto* ok = new QPushButton(QStringLiteral("OK(&O)"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setGeometry(141, 154, 148, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

// The icon and the title, whose dark copy shows 4 pixels left of and 2 pixels
// above the red one as a shadow.
void TVersionForm::CreateTitle() {
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(15, 24, 48, 48);
    image->setPixmap(AppIconPixmap(48));
    const QColor text = palette().color(QPalette::WindowText);
    Title(this, "Label1", 72, 18, text);
    Title(this, "Label2", 76, 20, QColor(255, 0, 0))->raise();
}

void TVersionForm::CreateCredits() {
    Caption(this, "Label3", QStringLiteral("© 2026 kestrel"), 72, 43);
    Caption(this, "Label4", QStringLiteral("ver:"), 160, 43);
    Caption(this, "versionlabel", ProgramFileVersion(), 186, 43);
    auto* home = new LinkLabel(kHomePage, this);
    home->setObjectName(QStringLiteral("hompegelabel"));
    home->setGeometry(72, 62, 197, 13);
    Caption(this, "Label5",
            QStringLiteral("Qt %1 (The Qt Company, LGPL v3)").arg(QString::fromLatin1(qVersion())),
            72, 84);
    Caption(this, "Label6", QStringLiteral("zlib"), 72, 103);
    auto* zlib = new LinkLabel(kZlibPage, this);
    zlib->setObjectName(QStringLiteral("Label7"));
    zlib->setGeometry(132, 103, 193, 13);
    Caption(this, "Label8", QStringLiteral("© Jean-loup Gailly and Mark Adler"), 132, 122);
    for (LinkLabel* link : {home, zlib})
        connect(link, &LinkLabel::Clicked, this, [this, link] { hompegelabelClick(link); });
}

void TVersionForm::hompegelabelClick(QObject* sender) {
    if (auto* label = qobject_cast<QLabel*>(sender))
        dialogs_.OpenUrl(label->text());
}
