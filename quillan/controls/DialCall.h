#pragma once

#include <sys/types.h>

namespace quillan {

// One call the dialer has placed, whichever way it goes out.
class DialCall {
  public:
    virtual ~DialCall() = default;
    virtual void start() = 0;
    // Whether the connection is up now.
    virtual bool isUp() const = 0;
    // The pppd carrying the call, or -1.
    virtual pid_t pppdPid() const = 0;
};

} // namespace quillan
