#include "PathNames.h"

#include <fnmatch.h>
#include <strings.h>

namespace quillan {

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

std::string driveOf(const std::string& path, const std::vector<std::string>& roots) {
    std::string best;
    for (const std::string& root : roots) {
        const bool holds = root == "/" || path == root ||
                           (path.size() > root.size() && path.compare(0, root.size(), root) == 0 &&
                            path[root.size()] == '/');
        if (holds && path.rfind(root, 0) == 0 && root.size() > best.size())
            best = root;
    }
    return best;
}

bool matchesPattern(const std::string& name, const std::string& pattern) {
    size_t start = 0;
    std::string wildcard;
    while (start <= pattern.size()) {
        size_t end = pattern.find(';', start);
        if (end == std::string::npos)
            end = pattern.size();
        wildcard.assign(pattern, start, end - start);
        // "*.*" names every file, as it always has, also those without a dot.
        if (wildcard == "*.*" ||
            (!wildcard.empty() && fnmatch(wildcard.c_str(), name.c_str(), FNM_CASEFOLD) == 0))
            return true;
        start = end + 1;
    }
    return false;
}

bool listingOrder(const std::string& a, const std::string& b) {
    const int folded = strcasecmp(a.c_str(), b.c_str());
    return folded != 0 ? folded < 0 : a < b;
}

} // namespace quillan
