#pragma once

#include "commands/CodeGenerator.h"
#include "document/DesignDocument.h"
#include "document/RuntimeTarget.h"

#include <vector>

// What makes the generated code wrong: names that are no Ruby instance
// variable, names shared by two windows, windows too small for a contents
// bitmap. A pure function over the document (QtCore only), shared by the
// editor's check dialog and volmar-cli.
namespace volmar {

enum class CodeProblemKind {
    EmptyName,            // "@  = Window.new"
    LeadingDigit,         // "@1st" is no variable
    ForbiddenCharacter,   // a space, a control character or ASCII punctuation but "_"
    UnencodableCharacter, // code page 932 cannot hold it: the code shows "?"
    DuplicateName,        // the later statements overwrite the earlier window
    TooNarrow,            // contents bitmap 0 or fewer pixels wide
    TooLow,               // contents bitmap 0 or fewer pixels high
};

struct CodeProblem {
    CodeProblemKind Kind;
    int Index; // the window's place in the document, 0 furthest back
    QString Name;
    char32_t Character = 0;        // the character kinds: the first offending one
    int EarlierIndex = -1;         // DuplicateName: the window first given the name
    qint64 Size = 0;               // TooNarrow, TooLow: the window's width or height
    qint64 Inset = kContentsInset; // TooNarrow, TooLow: how much smaller the contents are
};

// The smallest width or height that leaves a contents bitmap of one pixel in
// RGSS1 and RGSS2; in RGSS3 it is 25.
inline constexpr qint64 kSmallestUsefulSide = 33;

// The problems of every window, back to front; per window its name problems
// (an empty name alone; else a leading digit, the first forbidden and the
// first unencodable character), a shared name, then width and height. Names
// are compared as the code writes them, in code page 932. The contents are
// those of the runtime's windows, whichever form makes them.
std::vector<CodeProblem> CheckCode(const DesignDocument& document, Runtime runtime);
// For the runtime the document is made for.
std::vector<CodeProblem> CheckCode(const DesignDocument& document);

} // namespace volmar
