#pragma once

#include <cstdint>
#include <string>

namespace quillan {

// The elapsed time of the current call, counted by the one-second tick.
struct ConnectionClock {
    int seconds = 0;
    int minutes = 0;
    std::int16_t hours = 0;

    void zero() { *this = ConnectionClock{}; }
    // "H : M : S", plain decimals without leading zeros.
    std::string text() const {
        return std::to_string(hours) + " : " + std::to_string(minutes) + " : " + std::to_string(seconds);
    }
};

} // namespace quillan
