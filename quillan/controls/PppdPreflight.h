#pragma once

#include <filesystem>
#include <string>

namespace quillan {

// What would make pppd refuse a call, found before dialing, in plain words with what to do about it.
struct PppdPreflight {
    std::filesystem::path pppd;
    std::filesystem::path peersFolder;
    // The dialer's own peers file, installed with it.
    std::string ownPeers;

    // Returns "" or the reason the call through peers file `peers` cannot go out.
    std::string check(const std::string& peers) const;
    // Returns "" or the reason the modem line cannot be used.
    static std::string checkLine(const std::string& device);
};

} // namespace quillan
