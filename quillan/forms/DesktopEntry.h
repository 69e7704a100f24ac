#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace quillan {

inline constexpr const char* kDesktopEntryExtension = ".desktop";

// The text of a freedesktop desktop entry named name that runs command (a program and its arguments).
std::string desktopEntryText(const std::string& name, const std::vector<std::string>& command,
                             const std::string& icon);

// Writes contents into folder as stem + extension, or as "stem (2)" + extension and so on when that
// name is taken: an existing file is never replaced. Returns the file made; throws std::system_error.
std::filesystem::path createWithFreeName(const std::filesystem::path& folder, const std::string& stem,
                                         const std::string& extension, std::string_view contents,
                                         mode_t mode);

// Moves file into folder under its own name, or the next free one as above; throws std::system_error.
std::filesystem::path moveToFreeName(const std::filesystem::path& file, const std::filesystem::path& folder);

} // namespace quillan
