#pragma once

#include "Module1.h"

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quillan {

inline constexpr const char* kSettingsFileName = "MSVCT32.dll";

// A settings file that cannot be read or written; what() is a sentence for the user that names
// the file and, when reading, the line.
class SettingsFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// True when the path names something other than a folder.
bool fileExists(const std::filesystem::path& file);

struct LoadedSettings {
    std::int16_t profileCount = 0;
    std::vector<std::string> profileNames; // in file order
};

// Reads the whole settings file into m.settings, m.profiledata and m.programdata (both collections
// are replaced). Throws SettingsFileError, leaving m as it was, when the file cannot be read, ends
// early, holds a non-number or out-of-range value where a 16-bit number belongs, or names a profile
// whose keys would collide with an earlier profile's. Lines may end in CR LF or LF.
LoadedSettings loadSettings(const std::filesystem::path& file, Module1& m);
// The same for a file's contents already in memory; file only names it in messages.
LoadedSettings loadSettingsText(std::string_view contents, const std::filesystem::path& file, Module1& m);

// Writes the whole settings file from m, with the two lines that come from their boxes' current
// texts, and replaces the old file in one step; the file is readable by its owner only. Throws
// SettingsFileError naming the file and the reason, leaving the old file untouched, on failure or
// when a value holds a line break (the file could not be read back).
void saveSettings(const std::filesystem::path& file, const Module1& m, const std::string& startUrlBoxText,
                  const std::string& redialBoxText);
// The text saveSettings writes, refused the same way; file only names it in messages.
std::string settingsFileText(const std::filesystem::path& file, const Module1& m,
                             const std::string& startUrlBoxText, const std::string& redialBoxText);

} // namespace quillan
