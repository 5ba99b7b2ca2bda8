#pragma once

class QWidget;

namespace volmar {

// The look shared by the program's small forms: Tahoma 8 point, a fixed
// client area, no resizing, centred on the screen.
void SetUpFixedForm(QWidget& form, int clientWidth, int clientHeight);

} // namespace volmar
