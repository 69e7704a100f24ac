#pragma once

#include "runtime/BrowserLauncher.h"

namespace quillan {

// The browser from the desktop's MIME associations (GIO): the application that opens the HTML file,
// named by its desktop entry, and started the way that entry says.
class GioBrowserLauncher : public BrowserLauncher {
  public:
    // The desktop entry file of the associated application (or its program when it has none).
    std::string findAssociated(const std::filesystem::path& htmlFile) override;
    bool open(const std::string& program, const std::string& argument) override;
};

} // namespace quillan
