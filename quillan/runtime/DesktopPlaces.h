#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quillan {

// Where the user's desktop keeps program launchers, and how a launcher starts this program.
struct DesktopPlaces {
    // The user's menu of programs: desktop entries placed here appear there.
    std::filesystem::path applications;
    std::filesystem::path desktop;
    // The command line that starts this program as it runs now: its path, then its own options.
    std::vector<std::string> command;
    // The icon name of the program's installed desktop entry.
    std::string icon;
};

} // namespace quillan
