#pragma once

#include <stdexcept>
#include <string>

namespace quillan {

// A command the driver refuses; the reason follows "error: " on the status line.
class CommandError : public std::runtime_error {
  public:
    explicit CommandError(const std::string& reason) : std::runtime_error(reason) {}
};

} // namespace quillan
