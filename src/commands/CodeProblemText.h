#pragma once

#include "commands/CodeCheck.h"

#include <QString>

// One line for each problem of the generated code: in English for
// volmar-cli, in Japanese for the editor's check dialog. Both name the window
// by its index and name; a control character in a name shows as "<U+0009>",
// so a problem always stays on one line.
namespace volmar {

QString EnglishProblemText(const CodeProblem& problem);
QString JapaneseProblemText(const CodeProblem& problem);

} // namespace volmar
