#include "commands/CodeProblemText.h"

#include "commands/CodeGenerator.h"

namespace volmar {

namespace {

QString CodePoint(char32_t c) {
    return QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
}

bool IsControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// The character itself, or its code point where it cannot be shown.
QString Shown(char32_t c) {
    return IsControl(c) ? QStringLiteral("<%1>").arg(CodePoint(c)) : QString::fromUcs4(&c, 1);
}

QString ShownName(const QString& name) {
    QString shown;
    for (const char32_t c : name.toUcs4())
        shown += Shown(c);
    return shown;
}

QString English(const CodeProblem& p) {
    switch (p.Kind) {
    case CodeProblemKind::EmptyName:
        return QStringLiteral("the name is empty");
    case CodeProblemKind::LeadingDigit:
        return QStringLiteral("the name starts with a digit");
    case CodeProblemKind::ForbiddenCharacter:
        if (p.Character == U' ')
            return QStringLiteral("the name contains a space");
        if (IsControl(p.Character))
            return QStringLiteral("the name contains the control character %1")
                .arg(CodePoint(p.Character));
        return QStringLiteral("the name contains \"%1\"").arg(Shown(p.Character));
    case CodeProblemKind::UnencodableCharacter:
        return QStringLiteral("\"%1\" (%2) has no code page 932 form and becomes \"?\" in the code")
            .arg(Shown(p.Character), CodePoint(p.Character));
    case CodeProblemKind::DuplicateName:
        return QStringLiteral("window %1 has the same name; these statements overwrite it")
            .arg(p.EarlierIndex);
    case CodeProblemKind::TooNarrow:
        return QStringLiteral("width %1 leaves a contents bitmap %2 wide (%3 or more needed)")
            .arg(p.Size)
            .arg(p.Size - p.Inset)
            .arg(p.Inset + 1);
    case CodeProblemKind::TooLow:
        return QStringLiteral("height %1 leaves a contents bitmap %2 high (%3 or more needed)")
            .arg(p.Size)
            .arg(p.Size - p.Inset)
            .arg(p.Inset + 1);
    }
    return {};
}

QString Japanese(const CodeProblem& p) {
    switch (p.Kind) {
    case CodeProblemKind::EmptyName:
        return QStringLiteral("名前が空です。");
    case CodeProblemKind::LeadingDigit:
        return QStringLiteral("名前が数字で始まっています。");
    case CodeProblemKind::ForbiddenCharacter:
        if (p.Character == U' ')
            return QStringLiteral("名前に空白が含まれています。");
        if (IsControl(p.Character))
            return QStringLiteral("名前に制御文字 %1 が含まれています。")
                .arg(CodePoint(p.Character));
        return QStringLiteral("名前に「%1」が含まれています。").arg(Shown(p.Character));
    case CodeProblemKind::UnencodableCharacter:
        return QStringLiteral("「%1」(%2) はコードページ 932 で表せず、コードでは「?」になります。")
            .arg(Shown(p.Character), CodePoint(p.Character));
    case CodeProblemKind::DuplicateName:
        return QStringLiteral(
                   "ウインドウ %1 と同じ名前です。後の文がそのウインドウを上書きします。")
            .arg(p.EarlierIndex);
    case CodeProblemKind::TooNarrow:
        return QStringLiteral(
                   "幅 %1 では内容のビットマップの幅が %2 になります (%3 以上が必要です)。")
            .arg(p.Size)
            .arg(p.Size - p.Inset)
            .arg(p.Inset + 1);
    case CodeProblemKind::TooLow:
        return QStringLiteral(
                   "高さ %1 では内容のビットマップの高さが %2 になります (%3 以上が必要です)。")
            .arg(p.Size)
            .arg(p.Size - p.Inset)
            .arg(p.Inset + 1);
    }
    return {};
}

} // namespace

QString EnglishProblemText(const CodeProblem& problem) {
    return QStringLiteral("window %1 \"%2\": %3")
        .arg(problem.Index)
        .arg(ShownName(problem.Name), English(problem));
}

QString JapaneseProblemText(const CodeProblem& problem) {
    return QStringLiteral("ウインドウ %1「%2」: %3")
        .arg(problem.Index)
        .arg(ShownName(problem.Name), Japanese(problem));
}

QString EnglishEncodingHint(const std::vector<CodeProblem>& problems) {
    for (const CodeProblem& problem : problems)
        if (problem.Kind == CodeProblemKind::UnencodableCharacter && problem.Character == U'\uFFFD')
            return QStringLiteral(
                "hint: U+FFFD stands for bytes that are not code page 932, the encoding of "
                "project files; convert a file written in UTF-8 with iconv -f UTF-8 -t CP932");
    return {};
}

} // namespace volmar
