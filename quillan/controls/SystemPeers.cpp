#include "SystemPeers.h"

#include <unistd.h>

#include <algorithm>

namespace quillan {

namespace {
bool isConnection(const std::string& name, const std::string& ownPeers) {
    return !name.empty() && name != ownPeers && name.front() != '.' && name.back() != '~' &&
           name.find(".dpkg-") == std::string::npos && !name.ends_with(".bak") &&
           !name.ends_with(".ucf-dist");
}
} // namespace

std::vector<std::string> systemPeers(const std::filesystem::path& folder, const std::string& ownPeers) {
    std::vector<std::string> names;
    std::error_code unreadable;
    for (const auto& file : std::filesystem::directory_iterator(folder, unreadable)) {
        std::error_code gone;
        std::string name = file.path().filename().string();
        if (file.is_regular_file(gone) && isConnection(name, ownPeers) &&
            ::access(file.path().c_str(), R_OK) == 0)
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace quillan
