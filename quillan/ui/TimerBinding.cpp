#include "TimerBinding.h"

#include "runtime/Timer.h"

namespace quillan {

TimerBinding::TimerBinding(Timer& timer) : ControlBinding(timer, nullptr), m_timer(timer) {
    // The connection clock counts ticks, so a tick must come when it is due.
    m_clock.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_clock, &QTimer::timeout, [this] {
        if (m_ticking)
            return;
        m_ticking = true;
        m_timer.tick();
        m_ticking = false;
    });
}

void TimerBinding::refresh(Property property, bool initial) {
    (void)initial;
    if (property != Property::Enabled && property != Property::Interval)
        return;
    if (m_timer.enabled() && m_timer.interval() > 0)
        m_clock.start(m_timer.interval());
    else
        m_clock.stop();
}

} // namespace quillan
