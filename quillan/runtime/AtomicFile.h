#pragma once

#include <filesystem>
#include <functional>
#include <string_view>
#include <sys/types.h>

namespace quillan {

// Replaces file with contents so that readers see either the old file or the whole new one:
// a temporary file in the same folder is written, flushed to disk and renamed over it. The new
// file gets exactly the given permission bits. A symbolic link is followed and its target
// replaced. On failure the old file is untouched, the temporary file removed, and
// std::system_error is thrown whose what() reads "<step>: <reason>".
void writeFileAtomically(const std::filesystem::path& file, std::string_view contents, mode_t mode);

// Removes from folder the temporary copies that writes interrupted by a crash or a kill left behind
// (they may hold passwords), for the files whose names isTarget accepts; returns how many went.
// Run it only while no other writer can be busy there.
int removeLeftoverTemporaries(const std::filesystem::path& folder,
                              const std::function<bool(std::string_view name)>& isTarget);

} // namespace quillan
