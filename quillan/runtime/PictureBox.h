#pragma once

#include "Control.h"

#include <functional>

namespace quillan {

// A picture the design draws; the user can click it.
class PictureBox : public Control {
  public:
    using Control::Control;
    const char* kind() const override { return "picture"; }

    void userClick() {
        if (Click)
            Click();
    }

    std::function<void()> Click;
};

} // namespace quillan
