#include "commands/CodeGenerator.h"
#include "document/CommandFailure.h"
#include "document/Cp932.h"
#include "document/FormText.h"
#include "document/VolmarError.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "support/FileKinds.h"

#include <functional>

using volmar::DesignDocument;
using namespace volmar::test;

// volmar-cli run end to end as its own process. ctest names it in VOLMAR_CLI;
// without it these tests are skipped.

namespace {

struct Result {
    int Status = -1;
    QByteArray Out;
    QByteArray Err;
};

// inChild runs in the new process just before volmar-cli starts there.
Result RunCli(const QStringList& arguments, const std::function<void()>& inChild = {}) {
    QProcess process;
    if (inChild)
        SetChildSetup(process, inChild);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM")); // it must choose one itself
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(environment);
    process.start(qEnvironmentVariable("VOLMAR_CLI"), arguments);
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("VOLMAR_CLI"))
            GTEST_SKIP() << "VOLMAR_CLI is not set";
    }

    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QString Path(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

// Loose but valid form text: odd spacing, case, hex, a comment, LF line ends.
const QByteArray kMessy = "; layout\n[ 0 ]\nname = command\nx=0\nY=0\nR=0xA0\nB=128\n"
                          "[1]\r\nName=\x83\x81\x83\x6a\x83\x85\x81\x5b\r\nX=-160\r\nY=0\r\n"
                          "R=640\r\nB=64\r\n[3]\r\nName=lost\r\n";

DesignDocument MessyDocument() {
    DesignDocument document;
    for (const TWindowItem& item : volmar::ReadDefinitions(kMessy))
        document.Append(item);
    return document;
}

} // namespace

TEST_F(Cli, ListPrintsOneTabSeparatedLinePerWindow) {
    const Result result = RunCli({"list", Write("a.rsform", kMessy)});
    EXPECT_EQ(result.Status, 0) << result.Err.toStdString();
    EXPECT_EQ(result.Out, QStringLiteral("0\tcommand\t0\t0\t160\t128\n"
                                         "1\tメニュー\t-160\t0\t640\t64\n")
                              .toUtf8());
    EXPECT_TRUE(result.Err.isEmpty());
}

TEST_F(Cli, EmptyDocumentPrintsNothing) {
    const QString empty = Write("empty.rsform", QByteArray());
    for (const char* command : {"list", "codegen", "format", "check"}) {
        const Result result = RunCli({command, empty});
        EXPECT_EQ(result.Status, 0) << command;
        EXPECT_TRUE(result.Out.isEmpty()) << command;
    }
}

TEST_F(Cli, CodegenPrintsTheCodeText) {
    const Result result = RunCli({"codegen", Write("a.rsform", kMessy)});
    EXPECT_EQ(result.Status, 0) << result.Err.toStdString();
    EXPECT_EQ(result.Out, volmar::GenerateCodeBytes(MessyDocument()));
    EXPECT_TRUE(result.Out.startsWith("@command  = Window.new\r\n@command.x = 0\r\n"));
}

TEST_F(Cli, CodegenOptionsChooseTheFormAndTheExtraLines) {
    const Result result = RunCli(
        {"codegen", "--dispose", Write("a.rsform", kMessy), "--style", "base", "--windowskin"});
    EXPECT_EQ(result.Status, 0) << result.Err.toStdString();
    EXPECT_EQ(result.Out, volmar::GenerateCodeBytes(MessyDocument(),
                                                    {volmar::CodeForm::WindowBase, true, true}));
}

TEST_F(Cli, CheckPrintsOneLinePerProblemAndFailsWhenThereIsAny) {
    const Result clean = RunCli({"check", Write("a.rsform", kMessy)});
    EXPECT_EQ(clean.Status, 0) << clean.Err.toStdString();
    EXPECT_TRUE(clean.Out.isEmpty());

    const Result found = RunCli({"check", Write("b.rsform", "[0]\r\nName=play time\r\nX=0\r\n"
                                                            "Y=0\r\nR=100\r\nB=32\r\n")});
    EXPECT_EQ(found.Status, 1);
    EXPECT_EQ(found.Out, "window 0 \"play time\": the name contains a space\n"
                         "window 0 \"play time\": height 32 leaves a contents bitmap 0 high "
                         "(33 or more needed)\n");
    EXPECT_TRUE(found.Err.isEmpty());
}

TEST_F(Cli, CheckHintsAtTheEncodingWhenANameLostItsBytes) {
    // ゴールド in UTF-8 ends in a lead byte without its trail byte.
    const Result r = RunCli({"check", Write("u.rsform", "[0]\r\nName=\xe3\x82\xb4\xe3\x83\xbc"
                                                        "\xe3\x83\xab\xe3\x83\x89\r\n")});
    EXPECT_TRUE(r.Err.startsWith("hint: U+FFFD") && r.Err.endsWith("CP932\n"))
        << r.Err.toStdString();
}

TEST_F(Cli, FormatWritesTheDocumentAsTheEditorSavesIt) {
    const QString in = Write("a.rsform", kMessy);
    const QByteArray saved = volmar::SerializeDefinitions(MessyDocument(), false);
    const Result toStdout = RunCli({"format", in});
    EXPECT_EQ(toStdout.Status, 0);
    EXPECT_EQ(toStdout.Out, saved);

    const QString out = Path("out.rsform");
    const Result toFile = RunCli({"format", "-o", out, in});
    EXPECT_EQ(toFile.Status, 0) << toFile.Err.toStdString();
    EXPECT_TRUE(toFile.Out.isEmpty());
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), saved);
}

TEST_F(Cli, UnreadableFilesGiveTheEditorsMessage) {
    const QString missing = Path("missing.rsform");
    const Result result = RunCli({"list", missing});
    EXPECT_EQ(result.Status, 1);
    EXPECT_TRUE(result.Out.isEmpty());
    // The system's words may end in a full stop already (Windows' do).
    EXPECT_EQ(QString::fromUtf8(result.Err),
              volmar::StandardErrorText(
                  QStringLiteral("ファイル \"%1\" は開けません。%2")
                      .arg(QDir::toNativeSeparators(missing), qt_error_string(ENOENT))) +
                  u'\n');

    const Result folder = RunCli({"codegen", Path("")});
    EXPECT_EQ(folder.Status, 1);
    EXPECT_TRUE(QString::fromUtf8(folder.Err).contains(QStringLiteral("は開けません。")));

    const Result unwritable =
        RunCli({"format", Write("a.rsform", kMessy), "-o", Path("no/such/folder.rsform")});
    EXPECT_EQ(unwritable.Status, 1);
    EXPECT_TRUE(QString::fromUtf8(unwritable.Err).contains(QStringLiteral("を作成できません。")));
}

// A device, pipe or socket given as output would be destroyed by a replace.
TEST_F(Cli, OutputsThatAreNotRegularFilesAreRefused) {
    const QString in = Write("a.rsform", kMessy);
    const QString fifo = Path("fifo");
    if (!MakeFifo(fifo))
        GTEST_SKIP() << kNoSpecialFiles;
    for (const QStringList& arguments :
         {QStringList{"format", in, "-o", fifo}, QStringList{"render", in, "-o", fifo},
          QStringList{"skin", "-o", fifo}}) {
        const Result result = RunCli(arguments);
        EXPECT_EQ(result.Status, 1) << arguments.first().toStdString();
        EXPECT_EQ(QString::fromUtf8(result.Err),
                  QStringLiteral("ファイル \"%1\" を作成できません。Not a regular file (FIFO).\n")
                      .arg(fifo));
        EXPECT_TRUE(IsFifo(fifo)) << arguments.first().toStdString();
    }
}

TEST_F(Cli, AWritePastTheFileSizeLimitFailsAndKeepsTheOldFile) {
    const QString out = Write("out.rsform", "old");
    QProcess probe;
    if (!SetChildSetup(probe, [] {}))
        GTEST_SKIP() << kNoSpecialFiles;
    const Result result =
        RunCli({"format", Write("a.rsform", kMessy), "-o", out}, [] { LimitFileSizeInChild(16); });
    EXPECT_EQ(result.Status, 1);
    EXPECT_TRUE(QString::fromUtf8(result.Err).contains(QStringLiteral("を作成できません。")));
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "old");
}

// A project file that never ends (a link to /dev/zero) is refused at the
// bound; an allocation that fails anywhere (here the address space has room
// for the file but not its lines) ends the command. Neither aborts.
TEST_F(Cli, EndlessFilesAndFailedAllocationsGiveTheOutOfResourcesMessage) {
    const QString zero = Path("zero.rsform");
    if (!LinkToEndlessFile(zero))
        GTEST_SKIP() << kNoSpecialFiles;
    const QString lines = Write("lines.rsform", "[0]\n" + QByteArray("a\n").repeated(8 << 20));
    const auto tightMemory = [] { LimitAddressSpaceInChild(160 << 20); };
    for (const auto& [path, inChild] :
         {std::pair{zero, std::function<void()>()}, {lines, tightMemory}}) {
#if defined(__SANITIZE_ADDRESS__)
        if (inChild)
            continue; // the address sanitizer needs an unlimited address space
#endif
        const Result result = RunCli({"list", path}, inChild);
        EXPECT_EQ(result.Status, 1) << path.toStdString();
        EXPECT_TRUE(result.Out.isEmpty());
        EXPECT_EQ(QString::fromUtf8(result.Err), volmar::OutOfResourcesMessage() + u'\n');
    }
}

TEST_F(Cli, BadArgumentsGiveUsageAndStatusTwo) {
    const QString file = Write("a.rsform", kMessy);
    for (const QStringList& arguments :
         {QStringList{}, QStringList{"nonsense"}, QStringList{"list"},
          QStringList{"list", file, file}, QStringList{"codegen", "--bogus", file},
          QStringList{"codegen", file, "--style", "Base"},
          QStringList{"codegen", file, "--dispose", "--dispose"},
          QStringList{"format", file, "-o"}}) {
        const Result result = RunCli(arguments);
        EXPECT_EQ(result.Status, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(result.Out.isEmpty());
        EXPECT_TRUE(result.Err.contains("usage: volmar-cli"));
    }
}

TEST_F(Cli, HelpGoesToStandardOutput) {
    const Result result = RunCli({"--help"});
    EXPECT_EQ(result.Status, 0);
    EXPECT_TRUE(result.Out.contains("usage: volmar-cli"));
    EXPECT_TRUE(result.Out.contains("codegen FILE"));
    EXPECT_TRUE(result.Err.isEmpty());
}

TEST_F(Cli, TheTargetComesFromTheFileOrFromTheTargetOption) {
    const QByteArray window = "[0]\r\nName=m\r\nX=0\r\nY=0\r\nR=24\r\nB=50\r\n";
    const QString large =
        Write("l.rsform", "[Project]\r\nRuntime=RGSS3\r\nWidth=640\r\nHeight=480\r\n" + window);
    const QString bad = Write("b.rsform", "[Project]\r\nRuntime=RGSS9\r\n" + window);
    const QByteArray listed = "0\tm\t0\t0\t24\t50\n";
    for (const auto& [arguments, out] : {
             std::pair{QStringList{"list", large}, "target\tRGSS3\t640\t480\n" + listed},
             {{"list", large, "--target", "RGSS1"}, listed},
             {{"list", bad, "--target", "rgss3"}, "target\tRGSS3\t544\t416\n" + listed},
             {{"check", large},
              "window 0 \"m\": width 24 leaves a contents bitmap 0 wide (25 or "
              "more needed)\n"},
         }) {
        const Result result = RunCli(arguments);
        EXPECT_EQ(result.Out, out) << arguments.join(u' ').toStdString();
        EXPECT_EQ(result.Err.count("warning"), arguments.contains(bad) ? 1 : 0);
    }
    EXPECT_EQ(RunCli({"list", large, "--target", "rgss4"}).Status, 2);
    ASSERT_EQ(RunCli({"render", large, "--target", "rgss2", "-o", Path("o.png")}).Status, 0);
    EXPECT_EQ(QImageReader(Path("o.png")).size(), QSize(544, 416));
}
