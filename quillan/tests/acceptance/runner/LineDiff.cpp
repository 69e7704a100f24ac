#include "LineDiff.h"

#include <algorithm>

namespace quillan {

std::vector<LineDiff::Edit> LineDiff::between(const std::vector<std::string>& before,
                                              const std::vector<std::string>& after) {
    const size_t n = before.size();
    const size_t m = after.size();
    // common[i][j]: length of the longest common subsequence of before[i..] and after[j..].
    std::vector<std::vector<size_t>> common(n + 1, std::vector<size_t>(m + 1, 0));
    for (size_t i = n; i-- > 0;)
        for (size_t j = m; j-- > 0;)
            common[i][j] = before[i] == after[j] ? common[i + 1][j + 1] + 1
                                                 : std::max(common[i + 1][j], common[i][j + 1]);
    std::vector<Edit> edits;
    size_t i = 0;
    size_t j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && before[i] == after[j]) {
            edits.push_back({Kind::Same, i});
            ++i;
            ++j;
        } else if (i < n && (j == m || common[i + 1][j] >= common[i][j + 1])) {
            edits.push_back({Kind::Removed, i++});
        } else {
            edits.push_back({Kind::Added, j++});
        }
    }
    return edits;
}

} // namespace quillan
