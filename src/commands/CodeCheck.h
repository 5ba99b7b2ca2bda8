#pragma once

#include "document/DesignDocument.h"

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
    char32_t Character = 0; // the character kinds: the first offending one
    int EarlierIndex = -1;  // DuplicateName: the window first given the name
    qint64 Size = 0;        // TooNarrow, TooLow: the window's width or height
};

// The smallest width or height that leaves a contents bitmap of one pixel.
inline constexpr qint64 kSmallestUsefulSide = 33;

// The problems of every window, back to front; per window its name problems
// (an empty name alone; else a leading digit, the first forbidden and the
// first unencodable character), a shared name, then width and height. Names
// are compared as the code writes them, in code page 932.
std::vector<CodeProblem> CheckCode(const DesignDocument& document);

} // namespace volmar
