#include "settings/HelpWindow.h"

#include "dialogs/Dialogs.h"

#include <QFileInfo>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace volmar {

namespace {

const QString kObjectName = QStringLiteral("HelpWindow");

bool IsWebAddress(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           scheme == QLatin1String("mailto");
}

} // namespace

HelpWindow::HelpWindow(Dialogs& dialogs, QWidget* owner)
    : QDialog(owner, Qt::Window), dialogs_(dialogs), browser_(new QTextBrowser(this)) {
    setObjectName(kObjectName);
    setWindowTitle(QStringLiteral("VOLMAR ヘルプ"));
    setModal(false);
    resize(760, 600);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::OnAnchorClicked);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
}

void HelpWindow::ShowContents(const QString& helpFile) {
    browser_->setSource(QUrl::fromLocalFile(helpFile));
    browser_->verticalScrollBar()->setValue(0);
    show();
    raise();
    activateWindow();
}

void HelpWindow::OnAnchorClicked(const QUrl& url) {
    if (IsWebAddress(url))
        dialogs_.OpenUrl(url.toString());
    else
        browser_->setSource(url);
}

void ShowHelp(Dialogs& dialogs, QWidget& owner, const QString& helpFile) {
    if (!QFileInfo(helpFile).isFile())
        return;
    auto* window = owner.findChild<HelpWindow*>(kObjectName, Qt::FindDirectChildrenOnly);
    if (window == nullptr)
        window = new HelpWindow(dialogs, &owner);
    window->ShowContents(helpFile);
}

} // namespace volmar
