#pragma once

#include <ctime>

namespace quillan {

// Wall-clock time in whole seconds; local dates come from the platform's time zone.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::time_t now() = 0;
};

} // namespace quillan
