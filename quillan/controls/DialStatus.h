#pragma once

#include "HayesDialogue.h"

#include <cstdint>
#include <string>

namespace quillan {

// The connection states a dial reports, and the one-line texts that go with them. No text of the
// connected state holds anything taken from the user or the modem.
namespace dialstate {
inline constexpr std::int16_t kOpenPort = 0;
inline constexpr std::int16_t kPortOpened = 1;
inline constexpr std::int16_t kConnectDevice = 2;
inline constexpr std::int16_t kDeviceConnected = 3;
inline constexpr std::int16_t kAuthenticate = 5;
inline constexpr std::int16_t kAuthenticated = 14;
} // namespace dialstate

struct DialStatus {
    static std::string openingPort(const std::string& device) { return "Opening port " + device; }
    static std::string portOpened() { return "Port opened"; }
    static std::string callingPeers(const std::string& peers) { return "Calling " + peers + " with pppd"; }
    static std::string dialing(const std::string& number) { return "Dialing " + number; }
    static std::string modemConnected(const std::string& speed);
    static std::string authenticating() { return "Authenticating with PPP"; }
    static std::string authenticated() { return "Authenticated"; }
    static std::string connected() { return "Connected"; }
    // The text of the disconnected state: "Disconnected: " and the reason in plain words.
    static std::string disconnected(const std::string& reason) { return "Disconnected: " + reason; }
    static std::string reason(DialFailure failure);
    // What a user does to be let into a group of the system, in plain words.
    static std::string joinGroup(const std::string& group) {
        return "add yourself to the group " + group + " with \"sudo adduser $USER " + group +
               "\", then log out and in again (the new group counts from the next login)";
    }
};

} // namespace quillan
