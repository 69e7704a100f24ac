#pragma once

#include "Control.h"

#include <functional>

namespace quillan {

class Label : public Control {
  public:
    using Control::Control;
    const char* kind() const override { return "label"; }

    void userClick() {
        if (Click)
            Click();
    }

    std::function<void()> Click;
};

} // namespace quillan
