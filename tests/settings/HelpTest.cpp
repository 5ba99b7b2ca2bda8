#include "settings/HelpFile.h"
#include "settings/HelpWindow.h"

#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QWidget>

#include <gtest/gtest.h>

using volmar::HelpWindow;
using volmar::test::ScriptedDialogs;

namespace {

const QString kSourceHelp = QStringLiteral(VOLMAR_SOURCE_DIR "/help/VOLMAR.html");

// The anchor names and the link targets the rich-text engine sees in a document.
void CollectAnchors(const QTextDocument& doc, QSet<QString>& names, QStringList& hrefs) {
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            for (const QString& name : format.anchorNames())
                names.insert(name);
            if (!format.anchorHref().isEmpty())
                hrefs << format.anchorHref();
        }
    }
}

} // namespace

TEST(Help, CommandIsEnabledExactlyWhileTheFileExists) {
    QTemporaryDir folder;
    EXPECT_EQ(volmar::HelpFilePath(folder.path()), folder.filePath(QStringLiteral("VOLMAR.html")));
    EXPECT_FALSE(volmar::HelpCommandEnabled(folder.path()));
    ASSERT_TRUE(QFile::copy(kSourceHelp, volmar::HelpFilePath(folder.path())));
    EXPECT_TRUE(volmar::HelpCommandEnabled(folder.path()));
    QFile::remove(volmar::HelpFilePath(folder.path()));
    EXPECT_FALSE(volmar::HelpCommandEnabled(folder.path()));
}

TEST(Help, AnInstalledFileInShareServesWhileNoneLiesBesideTheExecutable) {
    QTemporaryDir prefix;
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    const QString share = prefix.filePath(QStringLiteral("share/doc/volmar"));
    ASSERT_TRUE(QDir().mkpath(bin));
    ASSERT_TRUE(QDir().mkpath(share));
    const QString installed = share + QStringLiteral("/VOLMAR.html");
    const QString beside = bin + QStringLiteral("/VOLMAR.html");

    ASSERT_TRUE(QFile::copy(kSourceHelp, installed));
    EXPECT_EQ(volmar::HelpFilePath(bin), installed);
    EXPECT_TRUE(volmar::HelpCommandEnabled(bin));

    ASSERT_TRUE(QFile::copy(kSourceHelp, beside));
    EXPECT_EQ(volmar::HelpFilePath(bin), beside) << "the file beside the executable comes first";

    QFile::remove(beside);
    QFile::remove(installed);
    EXPECT_EQ(volmar::HelpFilePath(bin), beside);
    EXPECT_FALSE(volmar::HelpCommandEnabled(bin));
}

TEST(Help, EveryLinkOfTheHelpFileLeadsToAnAnchorInIt) {
    QFile file(kSourceHelp);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QTextDocument doc;
    doc.setHtml(QString::fromUtf8(file.readAll()));
    QSet<QString> names;
    QStringList hrefs;
    CollectAnchors(doc, names, hrefs);
    EXPECT_GE(hrefs.size(), 20);
    EXPECT_TRUE(names.contains(QStringLiteral("contents")));
    for (const QString& href : hrefs) {
        ASSERT_TRUE(href.startsWith(QLatin1Char('#'))) << href.toStdString();
        EXPECT_TRUE(names.contains(href.mid(1))) << href.toStdString();
    }
}

TEST(Help, WindowIsOwnedNonModalReusedAndFollowsInternalLinks) {
    QTemporaryDir folder;
    const QString help = volmar::HelpFilePath(folder.path());
    ScriptedDialogs dialogs;
    QWidget owner;
    volmar::ShowHelp(dialogs, owner, help);
    EXPECT_EQ(owner.findChild<HelpWindow*>(), nullptr) << "no file, no window";

    ASSERT_TRUE(QFile::copy(kSourceHelp, help));
    volmar::ShowHelp(dialogs, owner, help);
    auto* window = owner.findChild<HelpWindow*>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_TRUE(window->isWindow());
    QTextBrowser& browser = window->Browser();
    EXPECT_TRUE(browser.toPlainText().contains(QStringLiteral("目次")));
    EXPECT_EQ(browser.verticalScrollBar()->value(), 0);

    Q_EMIT browser.anchorClicked(QUrl(QStringLiteral("#settings")));
    EXPECT_GT(browser.verticalScrollBar()->value(), 0);
    EXPECT_TRUE(browser.toPlainText().contains(QStringLiteral("目次")));
    Q_EMIT browser.anchorClicked(QUrl(QStringLiteral("https://zlib.net/")));
    EXPECT_EQ(dialogs.urls, QStringList({"https://zlib.net/"}));

    volmar::ShowHelp(dialogs, owner, help);
    EXPECT_EQ(owner.findChildren<HelpWindow*>().size(), 1);
    EXPECT_EQ(browser.verticalScrollBar()->value(), 0) << "opened again at the contents";
}
