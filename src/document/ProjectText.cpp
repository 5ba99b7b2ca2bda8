#include "document/ProjectText.h"

#include "document/FormText.h"

namespace volmar {

namespace {

constexpr QByteArrayView kSection = "Project";

bool IsSide(qint32 value) {
    return value >= 1 && value <= kLongestCanvasSide;
}

// "Runtime=RGSS9, Width=544, Height=416": the keys as the file has them, a
// missing one with an empty value.
QString KeysAsRead(const IniSection& section) {
    QStringList keys;
    for (const char* key : {"Runtime", "Width", "Height"})
        keys << QString::fromLatin1(key) + u'=' + section.ReadString(key);
    return keys.join(QStringLiteral(", "));
}

QString Problem(const IniSection& section, const RuntimeTarget& opened) {
    return QStringLiteral("プロジェクトの設定 (%1) を読めません。%2 (%3x%4) として開きます。")
        .arg(KeysAsRead(section), RuntimeName(opened.Version))
        .arg(opened.Screen.Width)
        .arg(opened.Screen.Height);
}

} // namespace

ProjectContents TargetFromStore(const IniStore& store) {
    ProjectContents contents;
    const std::optional<IniSection> section = store.ExistingSection(kSection);
    if (!section)
        return contents;
    const std::optional<Runtime> runtime = ParseRuntime(section->ReadString("Runtime"));
    const bool sized = section->Find("Width") || section->Find("Height");
    const CanvasSize screen{section->ReadInteger("Width"), section->ReadInteger("Height")};
    if (runtime && !sized) {
        contents.Target = DefaultTarget(*runtime);
    } else if (runtime && IsSide(screen.Width) && IsSide(screen.Height)) {
        contents.Target = {*runtime, screen};
        if (!IsPossibleTarget(contents.Target)) {
            contents.Target = DefaultTarget(*runtime);
            contents.TargetProblem = Problem(*section, contents.Target);
        }
    } else {
        contents.TargetProblem = Problem(*section, contents.Target);
    }
    return contents;
}

ProjectContents ReadProjectText(const QByteArray& text) {
    const IniStore store = IniStore::Read(text);
    ProjectContents contents = TargetFromStore(store);
    contents.Items = DefinitionsFromStore(store);
    return contents;
}

QByteArray ProjectText(const DesignDocument& document) {
    const RuntimeTarget target = document.Target();
    QByteArray out;
    if (!IsClassicTarget(target)) {
        out.append("[Project]\r\nRuntime=");
        out.append(RuntimeName(target.Version).toLatin1());
        out.append("\r\nWidth=").append(QByteArray::number(target.Screen.Width));
        out.append("\r\nHeight=").append(QByteArray::number(target.Screen.Height));
        out.append("\r\n\r\n");
    }
    return out.append(SerializeDefinitions(document, false));
}

} // namespace volmar
