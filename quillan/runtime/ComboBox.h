#pragma once

#include "ListControl.h"

namespace quillan {

// A drop-down list: a list control whose lines show one at a time.
class ComboBox : public ListControl {
public:
    using ListControl::ListControl;
    const char* kind() const override { return "combo"; }
};

} // namespace quillan
