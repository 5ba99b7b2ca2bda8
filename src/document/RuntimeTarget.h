#pragma once

#include "document/CanvasSize.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace volmar {

// The versions of the game's scripting runtime a project can target.
enum class Runtime { Rgss1, Rgss2, Rgss3 };

// What a project is made for: the runtime and the size of its screen.
struct RuntimeTarget {
    Runtime Version = Runtime::Rgss1;
    CanvasSize Screen = kDefaultCanvas;

    friend bool operator==(const RuntimeTarget&, const RuntimeTarget&) = default;
};

// The screen a runtime starts with: 640x480 for RGSS1, 544x416 for the others.
CanvasSize DefaultScreen(Runtime runtime);

// The target of a runtime on its own default screen.
RuntimeTarget DefaultTarget(Runtime runtime);

// The pixels between a window's edge and its contents: 16, or 12 for RGSS3.
qint32 WindowPadding(Runtime runtime);

// "RGSS1", "RGSS2" or "RGSS3".
QString RuntimeName(Runtime runtime);

// The runtime a name stands for, whatever its case; none for any other text.
std::optional<Runtime> ParseRuntime(QStringView name);

// The target every older project has: RGSS1 on a 640x480 screen.
bool IsClassicTarget(const RuntimeTarget& target);

// How much narrower and lower a window's contents are than the window: twice
// its padding, 32 or 24 pixels.
qint32 ContentsInset(Runtime runtime);

// Whether the runtime can run on that screen: RGSS1 and RGSS2 only on their
// own, RGSS3 on 544x416 or, resized at start, on 640x480.
bool IsPossibleTarget(const RuntimeTarget& target);

// The target a project gets when it is moved to another runtime: RGSS3 keeps
// the screen of an RGSS3 project, every other move takes the runtime's own.
RuntimeTarget MovedToRuntime(const RuntimeTarget& from, Runtime runtime);

} // namespace volmar
