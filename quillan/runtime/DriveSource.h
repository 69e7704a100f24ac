#pragma once

#include <string>
#include <vector>

namespace quillan {

// The drives a user browses: on this platform the mount points of real file systems.
class DriveSource {
  public:
    virtual ~DriveSource() = default;
    // Each drive's root, "/" first.
    virtual std::vector<std::string> drives() = 0;
};

} // namespace quillan
