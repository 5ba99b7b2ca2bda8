#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace volmar {

// How the generated code creates each window.
enum class CodeForm {
    Window,     // "@name  = Window.new" and one statement per coordinate
    WindowBase, // "@name = Window_Base.new(x, y, width, height)"
};

// The choices of the code generator. The default is the original code.
struct CodeStyle {
    CodeForm Form = CodeForm::Window;
    bool Windowskin = false; // the Window form sets the game's window skin
    bool Dispose = false;    // every window is disposed after the last block
    bool operator==(const CodeStyle&) const = default;
};

// "window" and "base", as setting.ini and volmar-cli spell the forms.
QString CodeFormName(CodeForm form);
// None for any other text.
std::optional<CodeForm> CodeFormFromName(QStringView name);

} // namespace volmar
