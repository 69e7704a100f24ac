#pragma once

#include <optional>
#include <string>
#include <sys/types.h>

namespace quillan {

// Starts an application the freedesktop way (GIO): a desktop entry file by what its Exec line says,
// anything else as a command; argument (none when empty) is handed over unchanged. The application
// runs in a session of its own, not as Quillan's child. The started process, or nullopt when it
// could not be started.
std::optional<pid_t> launchApplication(const std::string& program, const std::string& argument);

} // namespace quillan
