#pragma once

#include "app/MainForm.h"

#include <span>

namespace volmar {

// One entry of the main window's command table.
struct CommandEntry {
    QAction* TMainForm::*action;
    const char* name;
    const char* caption; // UTF-8
    bool hasToolTip;
    int shortcut; // a combined key, 0 for none
    int image;    // index into the image list, -1 for none
    void (TMainForm::*execute)();
    bool checkable;
};

std::span<const CommandEntry> CommandTable();

} // namespace volmar
