#include "PathArguments.h"

namespace quillan {

std::string insideDataFolder(const std::filesystem::path& dataDir, const std::string& path) {
    const std::filesystem::path given(path);
    if (given.is_absolute())
        return given.lexically_normal().string();
    std::string inside = (dataDir / given).lexically_normal().string();
    while (inside.size() > 1 && inside.back() == '/')
        inside.pop_back();
    return inside;
}

} // namespace quillan
