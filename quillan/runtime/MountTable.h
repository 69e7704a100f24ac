#pragma once

#include "DriveSource.h"

#include <istream>

namespace quillan {

// The drives of this machine from the kernel's mount table: the root and the mounts a user keeps files
// on (/home, /media/*, /mnt/*, /run/media/*, ...), without the kernel's own file systems.
class MountTable : public DriveSource {
  public:
    std::vector<std::string> drives() override;

    // The drives listed by a mount table in the format of /proc/self/mounts.
    static std::vector<std::string> parse(std::istream& mounts);
};

} // namespace quillan
