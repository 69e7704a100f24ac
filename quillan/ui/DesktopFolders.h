#pragma once

#include "runtime/DesktopPlaces.h"

#include <string>
#include <vector>

namespace quillan {

// The user's programs menu ($XDG_DATA_HOME/applications) and desktop (XDG_DESKTOP_DIR of
// $XDG_CONFIG_HOME/user-dirs.dirs, else ~/Desktop), with the launcher's command and icon.
DesktopPlaces userDesktopPlaces(std::vector<std::string> command, std::string icon);

} // namespace quillan
