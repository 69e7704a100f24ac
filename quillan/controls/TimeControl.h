#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace quillan {

// The time server the program asks: the public pool of volunteer servers.
inline constexpr const char* kTimeServerHost = "pool.ntp.org";

// The error number of a started asynchronous query ("would block"): not a failure.
inline constexpr int kErrorWouldBlock = 10035;

// The network time control: asks its time server for the time; Done comes whatever the outcome.
class TimeControl {
  public:
    virtual ~TimeControl() = default;

    // The time server, set when the control is made.
    virtual std::string Host() = 0;
    // Starts the query; may raise a ControlError.
    virtual void GetTime() = 0;
    // The server's UTC time, as "Tue, 08 Dec 2026 05:06:11 GMT"; empty until an answer came.
    virtual std::string TimeText() = 0;

    std::function<void(std::int16_t error)> Done;
};

} // namespace quillan
