#pragma once

#include "runtime/SoundPlayer.h"

#include <string>

namespace quillan {

class Forms;

// The connect-time actions that the dial sequence and the configuration console share.

// Starts the launcher programs whose moment ("Begin" or "End") has come, slot 1 first; a program
// that cannot be started is passed over.
void LaunchPrograms(Forms& forms, const std::string& moment);

// Opens the web browser associated with HTML files on the start page.
void LaunchBrowser(Forms& forms);

// The connect sound, when asked for: the program's own, or the file chosen.
void PlayConnectSound(Forms& forms);

} // namespace quillan
