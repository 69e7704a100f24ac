#pragma once

#include <filesystem>
#include <string>

namespace quillan {

// Replaces the file with the text through a temporary file in the same folder, flushed and renamed,
// so readers see the old or the new contents, never a part. New files are readable by the owner only.
// Returns "" or the reason of the failure.
std::string writeFileAtomically(const std::filesystem::path& path, const std::string& text);

} // namespace quillan
