#include "commands/CodeCheck.h"

#include "commands/CodeGenerator.h"
#include "document/Cp932.h"

#include <QHash>

namespace volmar {

namespace {

bool IsForbidden(char32_t c) {
    if (c == U'_')
        return false;
    const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
    const bool asciiPunctuation = c >= 0x21 && c <= 0x7E && !QChar::isLetterOrNumber(c);
    return control || c == U' ' || asciiPunctuation;
}

bool IsUnencodable(char32_t c) {
    return c != U'?' && ToCp932(QString::fromUcs4(&c, 1)) == "?";
}

void CheckName(std::vector<CodeProblem>& problems, int index, const QString& name) {
    if (name.isEmpty()) {
        problems.push_back({CodeProblemKind::EmptyName, index, name});
        return;
    }
    const QList<uint> characters = name.toUcs4();
    if (characters.front() >= U'0' && characters.front() <= U'9')
        problems.push_back({CodeProblemKind::LeadingDigit, index, name});
    for (const auto kind :
         {CodeProblemKind::ForbiddenCharacter, CodeProblemKind::UnencodableCharacter}) {
        const auto test = kind == CodeProblemKind::ForbiddenCharacter ? IsForbidden : IsUnencodable;
        for (const uint c : characters) {
            if (test(c)) {
                problems.push_back({kind, index, name, c});
                break;
            }
        }
    }
}

void CheckSide(std::vector<CodeProblem>& problems, CodeProblemKind kind, int index,
               const QString& name, qint64 side, qint64 inset) {
    if (side <= inset)
        problems.push_back({kind, index, name, 0, -1, side, inset});
}

} // namespace

std::vector<CodeProblem> CheckCode(const DesignDocument& document, Runtime runtime) {
    static_assert(kSmallestUsefulSide == kContentsInset + 1);
    const qint64 inset = ContentsInset(runtime);
    std::vector<CodeProblem> problems;
    QHash<QByteArray, int> firstWithName;
    for (int index = 0; index < document.Count(); ++index) {
        const TWindowItem& item = *document.At(index);
        CheckName(problems, index, item.Name);
        const QByteArray variable = ToCp932(item.Name);
        if (const auto first = firstWithName.constFind(variable); first != firstWithName.cend())
            problems.push_back({CodeProblemKind::DuplicateName, index, item.Name, 0, *first});
        else
            firstWithName.insert(variable, index);
        CheckSide(problems, CodeProblemKind::TooNarrow, index, item.Name,
                  qint64(item.Right) - item.Left, inset);
        CheckSide(problems, CodeProblemKind::TooLow, index, item.Name,
                  qint64(item.Bottom) - item.Top, inset);
    }
    return problems;
}

std::vector<CodeProblem> CheckCode(const DesignDocument& document) {
    return CheckCode(document, document.Target().Version);
}

} // namespace volmar
