#include "PppdPreflight.h"

#include "DialStatus.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quillan {

std::string PppdPreflight::check(const std::string& peers) const {
    std::error_code missing;
    if (!std::filesystem::exists(pppd, missing))
        return "pppd is not installed (" + pppd.string() + "): install it with \"sudo apt install ppp\"";
    // Debian's pppd runs only for the members of the group dip.
    if (::access(pppd.c_str(), X_OK) != 0)
        return "you may not run pppd: " + DialStatus::joinGroup("dip");
    const std::filesystem::path file = peersFolder / peers;
    if (::access(file.c_str(), R_OK) == 0)
        return "";
    if (errno == EACCES)
        return "you may not read " + file.string() + ": " + DialStatus::joinGroup("dip");
    if (peers == ownPeers)
        return "the pppd peers file " + file.string() +
               " is missing: reinstall Quillan, whose package puts it there";
    return "the pppd peers file " + file.string() + " is gone";
}

std::string PppdPreflight::checkLine(const std::string& device) {
    if (::access(device.c_str(), R_OK | W_OK) == 0)
        return "";
    if (errno == ENOENT)
        return "there is no modem at " + device + ": check that it is plugged in and that the entry names it";
    if (errno == EACCES || errno == EPERM)
        return "you may not use " + device + ": " + DialStatus::joinGroup("dialout");
    return "cannot use " + device + ": " + std::strerror(errno);
}

} // namespace quillan
