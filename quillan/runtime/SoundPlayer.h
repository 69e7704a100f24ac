#pragma once

#include <string>

namespace quillan {

// The program's own sound, played by its name.
inline constexpr const char* kDefaultSoundName = "Chimes.wav";

// Plays a sound file through the desktop; returns once the sound has played.
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // name is a path, or "Chimes.wav" for the program's own sound; a name that cannot be played
    // plays the desktop's default event sound instead.
    virtual void play(const std::string& name) = 0;
};

} // namespace quillan
