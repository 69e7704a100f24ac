#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace quillan {

// Host lookup actions (written to Action).
inline constexpr std::int16_t kLookupAddress = 1;
inline constexpr std::int16_t kLookupName = 2;

// The host lookup control: the address of a name, or the name of an address. Every answer arrives as
// Done on the user-interface thread, 0 for success.
class HostLookupControl {
  public:
    virtual ~HostLookupControl() = default;

    virtual std::string HostName() = 0;
    virtual void setHostName(const std::string& name) = 0;
    // Dotted (or colon) form.
    virtual std::string HostAddress() = 0;
    virtual void setHostAddress(const std::string& address) = 0;
    // Starts a lookup and returns at once.
    virtual void setAction(std::int16_t action) = 0;

    std::function<void(std::int16_t error)> Done;
};

} // namespace quillan
