#pragma once

#include <QStringList>

// How text enters and leaves the process: the command line and the standard
// streams, which Windows and POSIX systems hand over differently.
namespace volmar {

// The program's arguments, its own name first, as the user typed them (on
// Windows from the wide command line, so any character survives).
QStringList ProgramArguments(int argc, char** argv);

// Standard output and standard error pass bytes unchanged (no CR added
// before LF on Windows).
void UseBinaryStandardStreams();

// A GUI program started from a console writes its --help and --version text
// there (Windows gives such a program no standard output of its own).
void UseParentConsole();

} // namespace volmar
