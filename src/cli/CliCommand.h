#pragma once

#include <QString>
#include <QStringList>

#include <stdexcept>
#include <vector>

namespace volmar::cli {

// One subcommand of volmar-cli. Run gets the arguments after the subcommand's
// name and returns the exit status; it raises UsageError for bad arguments
// and VolmarError for a file it cannot read or write.
struct CliCommand {
    const char* Name;
    const char* Synopsis; // the arguments, as the usage text shows them
    const char* Summary;
    bool NeedsGui; // runs under a QGuiApplication (offscreen) instead of a QCoreApplication
    int (*Run)(const QStringList& arguments);
};

// Every subcommand, in the order the usage text lists them.
const std::vector<CliCommand>& CliCommands();
const CliCommand* FindCliCommand(const QString& name);

class UsageError : public std::runtime_error {
public:
    explicit UsageError(const QString& detail)
        : std::runtime_error(detail.toStdString()), detail_(detail) {}
    const QString& detail() const { return detail_; }

private:
    QString detail_;
};

QString UsageText();
// What --version prints: the program's name and version, one line.
QString VersionText();

// The subcommands.
int RunList(const QStringList& arguments);
int RunCodegen(const QStringList& arguments);
int RunCheck(const QStringList& arguments);
int RunFormat(const QStringList& arguments);
int RunRender(const QStringList& arguments);
int RunSkin(const QStringList& arguments);

} // namespace volmar::cli
