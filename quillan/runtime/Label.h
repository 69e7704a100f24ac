#pragma once

#include "Control.h"

namespace quillan {

class Label : public Control {
public:
    using Control::Control;
    const char* kind() const override { return "label"; }
};

} // namespace quillan
