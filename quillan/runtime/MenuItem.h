#pragma once

#include "Control.h"

#include <functional>

namespace quillan {

// An item of a pop-up menu; a separator has the caption "-". The parent menu is its container.
class MenuItem : public Control {
  public:
    using Control::Control;
    const char* kind() const override { return "menu"; }

    bool separator() const { return caption() == "-"; }
    void userClick() {
        if (Click)
            Click();
    }

    std::function<void()> Click;
};

} // namespace quillan
