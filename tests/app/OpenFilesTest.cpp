// Projects opened from outside the file dialog: the command line and files
// dropped onto the main window.
#include "CommandsFixture.h"

#include "app/CommandLine.h"
#include "app/QtTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTranslator>
#include <QUrl>

namespace volmar::test {
namespace {

const QByteArray kOneWindow = "[0]\r\nName=menu\r\nX=10\r\nY=20\r\nR=170\r\nB=148\r\n\r\n";

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(CommandLine, HelpVersionUsageErrorsAndTheProjectPath) {
    struct Case {
        QStringList arguments;
        std::optional<int> exitCode;
        const char* textHolds;
        const char* file;
    };
    const Case cases[] = {
        {{}, {}, "", ""},
        {{"--help"}, 0, "Usage: volmar [options] [file]", ""},
        {{"-h"}, 0, "--version", ""},
        {{"--version"}, 0, "volmar " VOLMAR_VERSION "\n", ""},
        {{"-v"}, 0, "volmar " VOLMAR_VERSION "\n", ""},
        {{"--bogus"}, 2, "Unknown option 'bogus'.\n\nUsage: volmar", ""},
        {{"-platform", "xcb"}, 2, "Unknown option 'platform'.", ""},
        {{"a.rsform", "b.rsform"}, 2, "Usage: volmar", ""},
        {{"p.rsform"}, {}, "", "home/u/work/p.rsform"},
        {{"../other/./p.rsform"}, {}, "", "home/u/other/p.rsform"},
        {{"/tmp/p.rsform"}, {}, "", "tmp/p.rsform"},
        {{"--", "-odd.rsform"}, {}, "", "home/u/work/-odd.rsform"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        // Paths below the root of the drive the tests run on ("/" or "C:/").
        const QString root = QDir::rootPath();
        const CommandLine command = ReadCommandLine(
            QStringList{QStringLiteral("/usr/bin/volmar")} + c.arguments, root + "home/u/work");
        EXPECT_EQ(command.exitCode, c.exitCode);
        EXPECT_TRUE(command.text.contains(QString::fromUtf8(c.textHolds)))
            << command.text.toStdString();
        EXPECT_EQ(command.file, *c.file ? root + QString::fromUtf8(c.file) : QString());
    }
}

TEST(QtTranslations, QtsOwnDialogTextsAndContextMenusAreJapanese) {
    QTranslator* translator = InstallQtTranslations(*QCoreApplication::instance());
    ASSERT_NE(translator, nullptr) << "qt6-translations-l10n is not installed";
    const std::pair<const char*, const char*> texts[] = {
        {"QFileDialog", "Look in:"}, {"QColorDialog", "&Basic colors"}, {"QLineEdit", "&Copy"}};
    for (const auto& [context, text] : texts) {
        const QString translated = QCoreApplication::translate(context, text);
        EXPECT_NE(translated, QString::fromUtf8(text)) << context << " " << text;
        EXPECT_FALSE(translated.isEmpty());
    }
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

class OpenFromOutside : public CommandsTest {
protected:
    QString Path(const QString& name) const { return dir.filePath(name); }

    // Sends a drag carrying these files over the window and drops it; true
    // when the window took it.
    bool Drop(const QStringList& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << (path.contains(QLatin1String("://")) ? QUrl(path) : QUrl::fromLocalFile(path));
        data.setUrls(urls);
        const QPoint at = form->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form.get(), &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form.get(), &move);
        EXPECT_EQ(enter.isAccepted(), move.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form.get(), &drop);
        EXPECT_EQ(enter.isAccepted(), drop.isAccepted());
        // The dropped file is taken once the drop has returned.
        QCoreApplication::sendPostedEvents(form.get(), QEvent::MetaCall);
        return enter.isAccepted() && enter.dropAction() == Qt::CopyAction;
    }

    QTemporaryDir dir;
};

TEST_F(OpenFromOutside, CommandLineProjectOpensAsOpenWould) {
    Write(Path("p.rsform"), kOneWindow);
    const CommandLine command = ReadCommandLine({"volmar", "p.rsform"}, dir.path());
    form->runGuarded([&] { form->OpenProject(command.file); });
    EXPECT_EQ(Document(), (std::vector<Edges>{{"menu", 10, 20, 170, 148}}));
    EXPECT_EQ(form->currentFileName(), Path("p.rsform"));
    EXPECT_EQ(form->recentFiles(), QStringList{Path("p.rsform")});
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(OpenFromOutside, MissingCommandLineProjectIsReportedAndLeavesAnEmptyDocument) {
    const CommandLine command = ReadCommandLine({"volmar", "gone.rsform"}, dir.path());
    form->runGuarded([&] { form->OpenProject(command.file); });
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(
        dialogs.errors[0].startsWith(QStringLiteral("ファイル \"%1\" は開けません。")
                                         .arg(QDir::toNativeSeparators(Path("gone.rsform")))))
        << dialogs.errors[0].toStdString();
    EXPECT_TRUE(form->document().IsEmpty());
    EXPECT_EQ(form->currentFileName(), "");
    EXPECT_TRUE(form->recentFiles().isEmpty());
}

TEST_F(OpenFromOutside, DroppedProjectOpensAndDroppedPngBecomesTheSkin) {
    Write(Path("p.RSFORM"), kOneWindow);
    Add("old", 0, 0, 50, 50);
    EXPECT_TRUE(Drop({Path("p.RSFORM")}));
    EXPECT_EQ(Document(), (std::vector<Edges>{{"menu", 10, 20, 170, 148}}));
    EXPECT_EQ(form->currentFileName(), Path("p.RSFORM"));
    EXPECT_EQ(form->recentFiles(), QStringList{Path("p.RSFORM")});

    QImage picture(64, 32, QImage::Format_RGB32);
    picture.fill(Qt::green);
    ASSERT_TRUE(picture.save(Path("skin.png")));
    EXPECT_TRUE(Drop({Path("skin.png")}));
    EXPECT_EQ(form->skinImage().size(), QSize(64, 32));
    EXPECT_EQ(form->document().Count(), 1); // the skin leaves the document alone
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_TRUE(dialogs.asked.isEmpty()); // no dialog, no question
}

TEST_F(OpenFromOutside, EverythingElseIsRefusedAndChangesNothing) {
    Write(Path("a.rsform"), kOneWindow);
    Write(Path("notes.txt"), kOneWindow);
    Add("kept", 0, 0, 50, 50);
    const qint64 skin = form->skinImage().cacheKey();
    const QStringList refused[] = {{Path("notes.txt")},
                                   {Path("a.rsform"), Path("a.rsform")},
                                   {Path("rsform")},
                                   {"https://example.com/a.rsform"},
                                   {}};
    for (const QStringList& paths : refused) {
        SCOPED_TRACE(paths.join(' ').toStdString());
        EXPECT_FALSE(Drop(paths));
    }
    EXPECT_EQ(Names(), QStringList{"kept"});
    EXPECT_EQ(form->skinImage().cacheKey(), skin);
    EXPECT_TRUE(form->recentFiles().isEmpty());
}

} // namespace
} // namespace volmar::test
