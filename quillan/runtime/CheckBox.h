#pragma once

#include "Control.h"

#include <functional>

namespace quillan {

// Value 0 (clear) or 1 (ticked). A user click toggles the value, then runs Click;
// setting the value from code runs nothing.
class CheckBox : public Control {
  public:
    using Control::Control;
    const char* kind() const override { return "check"; }

    int value() const { return m_value; }
    bool ticked() const { return m_value == 1; }
    void setValue(int value);

    void userClick();

    std::function<void()> Click;

  private:
    int m_value = 0;
};

} // namespace quillan
