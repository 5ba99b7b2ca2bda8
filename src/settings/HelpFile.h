#pragma once

#include <QCoreApplication>
#include <QString>

namespace volmar {

// The help file, "VOLMAR.html" in the folder of the running executable. An
// installed package keeps it with the documentation, in "../share/doc/volmar"
// beside the executables' folder (/usr/bin/volmar reads
// /usr/share/doc/volmar/VOLMAR.html); that place counts only while no file
// lies beside the executable. With neither present the path beside the
// executable is returned, and the help command is disabled.
QString HelpFilePath(const QString& programFolder = QCoreApplication::applicationDirPath());

// aacHelpUpdate: the help command is enabled exactly while the help file
// exists. Asked again at every update, so copying the file beside the
// executable enables the command without a restart.
bool HelpCommandEnabled(const QString& programFolder = QCoreApplication::applicationDirPath());

} // namespace volmar
