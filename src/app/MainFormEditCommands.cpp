// Clipboard, delete and select-all commands.
#include "app/MainForm.h"

void TMainForm::aacCopyExecute() {}

void TMainForm::aacCutExecute() {}

void TMainForm::aacPasteExecute() {}

void TMainForm::aacDeleteExecute() {}

void TMainForm::aacSelectAllExecute() {}
