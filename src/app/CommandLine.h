#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace volmar {

// What the command line asks of the program: either to end at once with an
// exit code and a text to print, or to run the editor, with a project to
// open when one is named.
struct CommandLine {
    // Set when the program ends without starting the editor: 0 for --help and
    // --version (the text goes to standard output), 2 for a usage error (the
    // text, the error and the usage, goes to standard error).
    std::optional<int> exitCode;
    QString text;
    // The project to open, as a full path; empty when none is named.
    QString file;
};

// arguments as main receives them, the program's name first. A relative
// project path is taken from currentFolder. Needs no application object, so
// --help and --version work without a display.
CommandLine ReadCommandLine(const QStringList& arguments, const QString& currentFolder);

} // namespace volmar
