#include "FormTimers.h"

#include "TimerBinding.h"

#include "runtime/Timer.h"

namespace quillan {

FormTimers::FormTimers(Form& form) {
    for (Control* control : form.controls())
        if (auto* timer = dynamic_cast<Timer*>(control)) {
            auto clock = std::make_unique<TimerBinding>(*timer);
            clock->refreshAll();
            m_clocks[timer] = std::move(clock);
        }
}

void FormTimers::controlChanged(Control& control, Property property) {
    auto it = m_clocks.find(&control);
    if (it == m_clocks.end())
        return;
    ControlBinding::Applying guard;
    it->second->refresh(property, false);
}

} // namespace quillan
