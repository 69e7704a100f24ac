#include "Timer.h"

namespace quillan {

void Timer::setInterval(int ms) {
    if (ms == m_interval)
        return;
    m_interval = ms;
    changed(Property::Interval);
}

} // namespace quillan
