#pragma once

#include <filesystem>
#include <string>

namespace quillan {

// The program the desktop opens web pages with, found through the file associations.
class BrowserLauncher {
  public:
    virtual ~BrowserLauncher() = default;
    // The program that would open htmlFile, or "" when none is associated.
    virtual std::string findAssociated(const std::filesystem::path& htmlFile) = 0;
    // Starts the found program on argument (none when empty); false when it could not be started.
    virtual bool open(const std::string& program, const std::string& argument) = 0;
};

} // namespace quillan
