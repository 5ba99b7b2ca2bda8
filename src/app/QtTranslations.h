#pragma once

class QCoreApplication;
class QTranslator;

namespace volmar {

// Installs Qt's own Japanese texts (file dialogs, the colour dialog, the
// context menus of text fields) from Qt's translation folder, so that no
// English appears inside the program. The program's own captions are
// Japanese already. Returns the installed translator, owned by app, or
// nullptr when the translations are not installed.
QTranslator* InstallQtTranslations(QCoreApplication& app);

} // namespace volmar
