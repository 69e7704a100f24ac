#pragma once

#include "Control.h"

#include <functional>

namespace quillan {

// A push button or picture button; a picture button's text is only its tool tip.
class CommandButton : public Control {
  public:
    using Control::Control;
    const char* kind() const override { return "button"; }

    // The user pressed it.
    void userClick() {
        if (Click)
            Click();
    }

    std::function<void()> Click;
};

} // namespace quillan
