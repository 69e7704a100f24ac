#include "MountTable.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

namespace quillan {

namespace {

// File systems that hold no user files: the kernel's views, memory file systems and the like.
const std::set<std::string> kVirtualTypes = {
    "proc",     "sysfs",      "cgroup",  "cgroup2",   "devpts",           "devtmpfs",
    "tmpfs",    "mqueue",     "debugfs", "tracefs",   "securityfs",       "pstore",
    "bpf",      "configfs",   "fusectl", "hugetlbfs", "autofs",           "binfmt_misc",
    "efivarfs", "rpc_pipefs", "nsfs",    "ramfs",     "overlay_internal", "squashfs",
};

// Mount points below these belong to the system, not to the user.
bool systemPlace(const std::string& point) {
    for (const char* prefix : {"/proc", "/sys", "/dev", "/run/user", "/boot/efi", "/snap"})
        if (point == prefix || point.rfind(std::string(prefix) + "/", 0) == 0)
            return true;
    // /run itself holds only the system's state; removable media mount below /run/media.
    return point.rfind("/run/", 0) == 0 && point.rfind("/run/media/", 0) != 0;
}

// The mount table writes blanks and a few other characters as octal escapes.
std::string unescape(const std::string& field) {
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        const bool escape =
            field[i] == '\\' && i + 3 < field.size() &&
            std::all_of(field.begin() + static_cast<long>(i) + 1, field.begin() + static_cast<long>(i) + 4,
                        [](char c) { return c >= '0' && c <= '7'; });
        if (escape) {
            out += static_cast<char>(std::stoi(field.substr(i + 1, 3), nullptr, 8));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

} // namespace

std::vector<std::string> MountTable::parse(std::istream& mounts) {
    std::vector<std::string> drives{"/"};
    std::string line;
    while (std::getline(mounts, line)) {
        std::istringstream fields(line);
        std::string device, point, type;
        if (!(fields >> device >> point >> type))
            continue;
        point = unescape(point);
        if (kVirtualTypes.count(type) || systemPlace(point) || point.empty() || point.front() != '/')
            continue;
        if (std::find(drives.begin(), drives.end(), point) == drives.end())
            drives.push_back(point);
    }
    std::sort(drives.begin() + 1, drives.end());
    return drives;
}

std::vector<std::string> MountTable::drives() {
    std::ifstream mounts("/proc/self/mounts");
    return parse(mounts);
}

} // namespace quillan
