#pragma once

#include "runtime/MessageBoxes.h"

#include <QMessageBox>

namespace quillan {

// How the program's message boxes look and answer in Qt terms.
QMessageBox::Icon qtIcon(MsgIcon icon);
QMessageBox::StandardButtons qtButtons(MsgButtons buttons);
// The first button is the default, as on the classic platform.
QMessageBox::StandardButton qtDefaultButton(MsgButtons buttons);
// Escape and the close box give Cancel where there is one, else No, else OK.
QMessageBox::StandardButton qtEscapeButton(MsgButtons buttons);
// The answer for the button pressed; anything else counts as the escape button.
MsgAnswer answerFor(QMessageBox::StandardButton pressed, MsgButtons buttons);

} // namespace quillan
