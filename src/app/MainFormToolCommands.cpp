// The window property dialog and the code generator.
#include "app/MainForm.h"

void TMainForm::aacSelectPropertyExecute() {}

void TMainForm::aacCodeGenExecute() {}
