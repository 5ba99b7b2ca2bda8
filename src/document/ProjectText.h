#pragma once

#include "document/DesignDocument.h"
#include "document/IniStore.h"
#include "document/RuntimeTarget.h"
#include "document/WindowItem.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace volmar {

// The text of a project file: the form text of its definitions, and before
// them, when the project is not made for RGSS1 on 640x480, a section
//
//   [Project]
//   Runtime=RGSS2
//   Width=544
//   Height=416
//
// followed by an empty line. Readers that know only the numbered sections
// skip it and still find every window; the clipboard never carries it.
struct ProjectContents {
    std::vector<TWindowItem> Items;
    RuntimeTarget Target;
    // Why the section could not be used, in Japanese, one line; the target
    // is then the one the text names.
    std::optional<QString> TargetProblem;
};

// The target the [Project] section of the store names. No section means
// RGSS1 on 640x480. A section without a known runtime, with a size outside
// 1..4096 or with only one of Width and Height reads as RGSS1 on 640x480; a
// known runtime with a size it cannot run on reads as that runtime on its own
// screen. Both come with a problem. A runtime without Width and Height has
// its own screen.
ProjectContents TargetFromStore(const IniStore& store);

// Reads the definitions and the target of project text of any content.
ProjectContents ReadProjectText(const QByteArray& text);

// The [Project] section of the target (nothing for RGSS1 on 640x480), then
// the form text of every definition.
QByteArray ProjectText(const DesignDocument& document);

} // namespace volmar
