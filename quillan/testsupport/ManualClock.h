#pragma once

#include "runtime/Clock.h"

namespace quillan {

// A clock that moves only when told to.
class ManualClock : public Clock {
  public:
    explicit ManualClock(std::time_t start) : m_now(start) {}
    std::time_t now() override { return m_now; }
    void advance(long seconds) { m_now += seconds; }
    void set(std::time_t t) { m_now = t; }

  private:
    std::time_t m_now;
};

// Local time "YYYY-MM-DD HH:MM:SS" to a time value; -1 when the text is not such a time.
std::time_t parseLocalTime(const char* text);

} // namespace quillan
