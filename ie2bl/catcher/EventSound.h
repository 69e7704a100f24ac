#pragma once

#include "catcher/CatcherStrings.h"

namespace ie2bl {

// Plays the sound the user chose for a download-manager event.
class EventSound {
  public:
    // File name, do not wait for a busy device, do not interrupt a playing sound.
    static constexpr unsigned kFileFlags = 0x22010;
    static constexpr unsigned kAsyncFlag = 0x1;

    EventSound(ConfigStore& config, CatcherStrings& strings, HostServices& host)
        : m_config(config), m_strings(strings), m_host(host) {}

    void PlayEventSound(unsigned eventId, bool async);

  private:
    ConfigStore& m_config;
    CatcherStrings& m_strings;
    HostServices& m_host;
};

} // namespace ie2bl
