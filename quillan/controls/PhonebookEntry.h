#pragma once

#include <optional>
#include <string>

namespace quillan {

// The device word that makes the dialer start its own virtual modem.
inline constexpr const char* kVirtualDevice = "virtual";
inline constexpr int kDefaultSpeed = 115200;

// One phonebook entry: a named way to reach a dial-up server.
struct PhonebookEntry {
    std::string name;
    std::string phoneNumber;
    std::string device;
    int speed = kDefaultSpeed;
    // Extra AT commands sent before dialing.
    std::string init;
    // Unset means the default: pppd for a real device, none for the virtual modem.
    std::optional<bool> ppp;

    bool isVirtual() const { return device == kVirtualDevice; }
    bool usesPpp() const { return ppp.value_or(!isVirtual()); }
};

} // namespace quillan
