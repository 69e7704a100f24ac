#pragma once

#include "runtime/Form.h"

#include <QWidget>

#include <string>
#include <vector>

namespace quillan {

// Where a design, as built and before any binding, carries a text other than its form model's: the window
// title, a caption, a frame's title, a tab page's title or a tool tip. Captions live in the model; a design
// may leave them out or repeat them exactly. A label with an accelerator needs a buddy for it to reach a
// field, and a label with a buddy an accelerator.
std::vector<std::string> designTextProblems(const QWidget& window, const Form& form);

} // namespace quillan
