#pragma once

#include "document/DesignDocument.h"
#include "document/IniStore.h"
#include "document/WindowItem.h"

#include <QByteArray>

#include <vector>

namespace volmar {

// The form text of window definitions, shared by project files and the
// clipboard: per definition a section "[n]" with the keys Name, X, Y, R and B
// and an empty line; CR LF line ends; CP932. Sections are numbered 0, 1, 2, ...
// over the definitions written, back to front.
//
// With selectedOnly only the selected definitions are written; an empty
// result is zero bytes.
QByteArray SerializeDefinitions(const DesignDocument& document, bool selectedOnly);

// The definitions of the sections "0", "1", ... in this order, up to the first
// number whose section does not exist. Other sections and keys are ignored;
// values are taken as they are, unselected.
std::vector<TWindowItem> DefinitionsFromStore(const IniStore& store);

// Reads form text of any content into definitions.
std::vector<TWindowItem> ReadDefinitions(const QByteArray& formText);

} // namespace volmar
