#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillan {

// A folder and a name joined with "/", none added after the root "/" itself.
std::string joinPath(const std::string& folder, const std::string& name);

// The drive (one of roots) that holds path: the longest root that is path or one of its folders;
// "" when none does.
std::string driveOf(const std::string& path, const std::vector<std::string>& roots);

// True when name matches one of the ";"-separated wildcards of pattern ("*", "?"), without regard to case.
bool matchesPattern(const std::string& name, const std::string& pattern);

// Orders names as a listing shows them: without regard to case, then by the bytes.
bool listingOrder(const std::string& a, const std::string& b);

} // namespace quillan
