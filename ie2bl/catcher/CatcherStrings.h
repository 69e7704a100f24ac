#pragma once

#include "catcher/ConfigStore.h"
#include "platform/HostServices.h"

namespace ie2bl {

// Texts of the string table, taken from a translated resource file when the download manager
// names one of a version this module understands.
class CatcherStrings {
  public:
    static constexpr std::size_t kMaxLength = 255;

    CatcherStrings(ConfigStore& config, HostServices& host) : m_config(config), m_host(host) {}

    std::string LoadCatcherString(unsigned id);

  private:
    ConfigStore& m_config;
    HostServices& m_host;
};

} // namespace ie2bl
