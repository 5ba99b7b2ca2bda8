// Project commands: New, Open, Save As and Save.
#include "app/MainForm.h"

void TMainForm::aacNewProjectExecute() {}

void TMainForm::aacOpenProjectExecute() {}

void TMainForm::aacSaveAsProjectExecute() {}

void TMainForm::aacSaveProjectExecute() {}
