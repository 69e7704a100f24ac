#pragma once

#include "Control.h"

namespace quillan {

// Groups controls: hiding or disabling a frame does the same to everything inside it.
class Frame : public Control {
  public:
    using Control::Control;
    const char* kind() const override { return "frame"; }
};

} // namespace quillan
