#pragma once

#include "Control.h"

#include <functional>

namespace quillan {

// A form timer: while enabled, the view (or a test) runs Tick every interval milliseconds.
class Timer : public Control {
  public:
    Timer(Form& form, std::string name) : Control(form, std::move(name)) { setEnabled(false); }
    const char* kind() const override { return "timer"; }

    int interval() const { return m_interval; }
    void setInterval(int ms);

    void tick() {
        if (enabled() && Tick)
            Tick();
    }

    std::function<void()> Tick;

  private:
    int m_interval = 0;
};

} // namespace quillan
