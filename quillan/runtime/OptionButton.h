#pragma once

#include "Control.h"

#include <functional>

namespace quillan {

// One of a group of exclusive choices: the option buttons that share a container (and tab page).
class OptionButton : public Control {
  public:
    using Control::Control;
    const char* kind() const override { return "option"; }

    bool value() const { return m_value; }
    // Selecting clears the other options of the same container; setting from code runs nothing.
    void setValue(bool value);

    void userClick();

    std::function<void()> Click;

  private:
    bool m_value = false;
};

} // namespace quillan
