#pragma once

#include "catcher/EventSound.h"

#include <optional>

namespace ie2bl {

// The download manager's queue of files, seen from the browser: a clicked address that fetches a
// queued file is recorded as one of that download's alternate sources.
class DownloadQueue {
  public:
    static constexpr int kSlots = 255;
    static constexpr int kAlternates = 16;

    DownloadQueue(ConfigStore& config, EventSound& sound) : m_config(config), m_sound(sound) {}

    // The slot that holds or received the address.
    std::optional<int> AddAsAlternate(const std::string& address);

  private:
    void addToSlot(int slot, const std::string& queued, const std::string& address);

    ConfigStore& m_config;
    EventSound& m_sound;
};

} // namespace ie2bl
