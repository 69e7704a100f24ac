#pragma once

#include "runtime/MessageBoxes.h"

#include <QMessageBox>

#include <functional>

namespace quillan {

// Modal message boxes over the active window.
class QtMessageBoxes : public MessageBoxes {
  public:
    MsgAnswer show(const std::string& text, MsgButtons buttons, MsgIcon icon,
                   const std::string& title) override;

    // Told of each box once it is on screen; may press one of its buttons.
    std::function<void(QMessageBox&)> shown;
};

} // namespace quillan
