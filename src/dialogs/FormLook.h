#pragma once

#include <QFont>

class QWidget;

namespace volmar {

// The font of the program's own forms: Tahoma at 8 points, or the nearest
// sans-serif face where Tahoma is not installed.
QFont FormFont();

// Gives a form its client size and puts it in the middle of the primary
// screen. With fixed, the user cannot resize it.
void PlaceForm(QWidget& form, int clientWidth, int clientHeight, bool fixed);

// Draws the form's group boxes with the caption on the top line of the frame
// and the frame beginning near the top of the box, so that controls placed
// below a caption stay clear of the frame line.
void SetCaptionOnFrameGroupBoxes(QWidget& form);

} // namespace volmar
