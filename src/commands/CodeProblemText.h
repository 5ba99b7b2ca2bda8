#pragma once

#include "commands/CodeCheck.h"

#include <QString>

#include <vector>

// One line for each problem of the generated code: in English for
// volmar-cli, in Japanese for the editor's check dialog. Both name the window
// by its index and name; a control character in a name shows as "<U+0009>",
// so a problem always stays on one line.
namespace volmar {

QString EnglishProblemText(const CodeProblem& problem);
QString JapaneseProblemText(const CodeProblem& problem);

// One line of advice for volmar-cli when a name holds U+FFFD, which the file
// reader puts for bytes that are no code page 932 (a name written in UTF-8, as
// a shell's printf writes it); empty otherwise.
QString EnglishEncodingHint(const std::vector<CodeProblem>& problems);

} // namespace volmar
