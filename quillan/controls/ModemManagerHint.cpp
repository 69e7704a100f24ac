#include "ModemManagerHint.h"

#include <fstream>

namespace quillan {

std::string modemManagerHint(const std::filesystem::path& processes) {
    std::error_code failed;
    for (const auto& process : std::filesystem::directory_iterator(processes, failed)) {
        std::ifstream comm(process.path() / "comm");
        std::string name;
        if (!std::getline(comm, name) || name != "ModemManager")
            continue;
        return "ModemManager is running and may be using the modem; to make it leave the port alone, add a "
               "udev rule that sets ENV{ID_MM_DEVICE_IGNORE}=\"1\" for the modem (a file in "
               "/etc/udev/rules.d), "
               "then unplug the modem and plug it in again";
    }
    return "";
}

} // namespace quillan
