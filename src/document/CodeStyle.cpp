#include "document/CodeStyle.h"

namespace volmar {

namespace {

constexpr QStringView kWindowName = u"window";
constexpr QStringView kBaseName = u"base";

} // namespace

QString CodeFormName(CodeForm form) {
    return (form == CodeForm::WindowBase ? kBaseName : kWindowName).toString();
}

std::optional<CodeForm> CodeFormFromName(QStringView name) {
    if (name == kWindowName)
        return CodeForm::Window;
    if (name == kBaseName)
        return CodeForm::WindowBase;
    return std::nullopt;
}

} // namespace volmar
