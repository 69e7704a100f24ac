#pragma once

#include "runtime/Clock.h"

namespace quillan {

class SystemClock : public Clock {
  public:
    std::time_t now() override { return std::time(nullptr); }
};

} // namespace quillan
