#include "document/RuntimeTarget.h"

namespace volmar {

CanvasSize DefaultScreen(Runtime runtime) {
    if (runtime == Runtime::Rgss1)
        return kDefaultCanvas;
    return CanvasSize{544, 416};
}

RuntimeTarget DefaultTarget(Runtime runtime) {
    return RuntimeTarget{runtime, DefaultScreen(runtime)};
}

qint32 WindowPadding(Runtime runtime) {
    return runtime == Runtime::Rgss3 ? 12 : 16;
}

QString RuntimeName(Runtime runtime) {
    switch (runtime) {
    case Runtime::Rgss2:
        return QStringLiteral("RGSS2");
    case Runtime::Rgss3:
        return QStringLiteral("RGSS3");
    case Runtime::Rgss1:
        break;
    }
    return QStringLiteral("RGSS1");
}

std::optional<Runtime> ParseRuntime(QStringView name) {
    for (Runtime runtime : {Runtime::Rgss1, Runtime::Rgss2, Runtime::Rgss3})
        if (name.compare(RuntimeName(runtime), Qt::CaseInsensitive) == 0)
            return runtime;
    return std::nullopt;
}

bool IsClassicTarget(const RuntimeTarget& target) {
    return target == RuntimeTarget{};
}

qint32 ContentsInset(Runtime runtime) {
    return 2 * WindowPadding(runtime);
}

bool IsPossibleTarget(const RuntimeTarget& target) {
    if (target.Screen == DefaultScreen(target.Version))
        return true;
    return target.Version == Runtime::Rgss3 && target.Screen == kDefaultCanvas;
}

RuntimeTarget MovedToRuntime(const RuntimeTarget& from, Runtime runtime) {
    if (runtime == Runtime::Rgss3 && from.Version == Runtime::Rgss3)
        return from;
    return DefaultTarget(runtime);
}

} // namespace volmar
