#pragma once

#include "catcher/ConfigStore.h"

#include <mutex>
#include <string>

namespace ie2bl {

// The watch and skip lists of extensions, read once per loaded module and shared by every catcher
// object; catchers in different apartments may fill them at the same time.
class ExtensionLists {
  public:
    static const std::string kWatchDefault;
    static const std::string kSkipDefault;

    struct Lists {
        std::string watch;
        std::string skip;
    };

    // Fills whichever list is still empty, then answers both.
    Lists get(ConfigStore& config);

  private:
    std::mutex m_lock;
    std::string m_watch;
    std::string m_skip;
};

} // namespace ie2bl
