#include "TimerBinding.h"

#include "runtime/Timer.h"

#include <algorithm>

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

namespace {
int g_pace = 1;
} // namespace

void TimerBinding::setPace(int pace) {
    g_pace = std::max(pace, 1);
}

void TimerBinding::refresh(Property property, bool initial) {
    (void)initial;
    if (property != Property::Enabled && property != Property::Interval)
        return;
    if (m_timer.enabled() && m_timer.interval() > 0)
        m_clock.start(std::max(m_timer.interval() / g_pace, 1));
    else
        m_clock.stop();
}

} // namespace quillan
