#pragma once

#include "runtime/SoundPlayer.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

struct ca_context;

namespace quillan {

// Plays sounds through the desktop's sound server (libcanberra). A sound that cannot be found or
// played gives the sound theme's "bell"; without a sound server play returns at once. A sound is cut
// after the longest play time, so that a long file chosen by mistake cannot hold the program.
class CanberraSoundPlayer : public SoundPlayer {
  public:
    // soundFolders: where the program's own sound may lie, searched in order.
    explicit CanberraSoundPlayer(std::vector<std::filesystem::path> soundFolders,
                                 std::chrono::milliseconds longest = std::chrono::seconds(15));
    ~CanberraSoundPlayer() override;
    CanberraSoundPlayer(const CanberraSoundPlayer&) = delete;
    CanberraSoundPlayer& operator=(const CanberraSoundPlayer&) = delete;

    void play(const std::string& name) override;

    // The file a name stands for: the program's own sound from the sound folders, else the name itself.
    std::filesystem::path fileOf(const std::string& name) const;

    // The folder of the program's own sound: its data folder, found from the program's own place.
    static std::vector<std::filesystem::path> programSoundFolders();

  private:
    enum class Result { Played, Failed, NoServer };
    // Loads the sound library and makes the context on the first sound; false when there is none.
    bool open();
    // Plays one sound with the given property (a file name or an event id) and waits for its end.
    Result playWith(const char* property, const std::string& value);

    bool m_opened = false;
    ca_context* m_context = nullptr;
    std::vector<std::filesystem::path> m_soundFolders;
    std::chrono::milliseconds m_longest;
};

} // namespace quillan
