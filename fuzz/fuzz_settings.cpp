// setting.ini of any content, read and applied by a running editor, which
// then paints itself with what it took.
#include "app/MainForm.h"
#include "app/PaintBox.h"
#include "render/SkinLoader.h"
#include "settings/SettingsFolder.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstddef>
#include <cstdint>

namespace {

// Skins the seeds name: a good one and a damaged one.
void WriteSkins() {
    const QString folder = QDir::tempPath() + QStringLiteral("/volmar-fuzz");
    QDir().mkpath(folder);
    QFile skin(QStringLiteral(":/skin/SKIN.png"));
    volmar::LoadBuiltInSkin(); // registers the resource
    if (!skin.open(QIODevice::ReadOnly))
        __builtin_trap();
    const QByteArray bytes = skin.readAll();
    QFile good(folder + QStringLiteral("/skin.png"));
    QFile broken(folder + QStringLiteral("/broken.png"));
    if (!good.open(QIODevice::WriteOnly) || !broken.open(QIODevice::WriteOnly))
        __builtin_trap();
    good.write(bytes);
    broken.write(bytes.left(bytes.size() / 2));
}

// The start-up step that reads setting.ini, open to the harness.
class FuzzedForm : public TMainForm {
public:
    using TMainForm::ApplySettings;
    using TMainForm::TMainForm;
};

struct Editor {
    int argc = 1;
    char name[14] = "fuzz_settings";
    char* argv[2] = {name, nullptr};
    QApplication app{argc, argv};
    volmar::test::ScriptedDialogs dialogs;
    FuzzedForm form{dialogs};
};

// setting.ini is rewritten for every input: a folder in memory keeps the disk
// out of the measure where there is one.
void UseHomeInMemory() {
    const QString shm = QStringLiteral("/dev/shm");
    if (QFileInfo(shm).isDir() && QFileInfo(shm).isWritable())
        qputenv("HOME", QFile::encodeName(shm + QStringLiteral("/volmar-fuzz-home")));
}

Editor& TheEditor() {
    static Editor* editor = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        UseHomeInMemory();
        QStandardPaths::setTestModeEnabled(true);
        auto* made = new Editor;
        WriteSkins();
        made->form.resize(900, 700);
        made->form.show();
        return made;
    }();
    return *editor;
}

void WriteSettings(const uint8_t* data, size_t size) {
    const QString path = volmar::SettingsFilePath();
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        __builtin_trap();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Editor& editor = TheEditor();
    WriteSettings(data, size);
    editor.form.ApplySettings();
    editor.dialogs.errors.clear();
    const volmar::EditorDisplayState& view = editor.form.displayState();
    if (view.GridX < 1 || view.GridY < 1)
        __builtin_trap();
    // What the settings reach: the canvas and the two rulers.
    (void)editor.form.WindowEditor->grab();
    (void)editor.form.rulerXPaint->grab();
    (void)editor.form.rulerYPaint->grab();
    return 0;
}
