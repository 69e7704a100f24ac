#pragma once

#include <algorithm>
#include <string>
#include <vector>

namespace quillan {

// The shortest edit from one list of lines to another (longest common subsequence).
class LineDiff {
  public:
    enum class Kind { Same, Removed, Added };
    struct Edit {
        Kind kind;
        // Index into the old lines (Same, Removed) or the new lines (Added).
        size_t index;
    };

    static std::vector<Edit> between(const std::vector<std::string>& before,
                                     const std::vector<std::string>& after);

    // The edits as "  line", "- line", "+ line", keeping `context` unchanged lines around each change;
    // oldLabel(i) names old line i in the hunk headers.
    template <class Label>
    static std::string format(const std::vector<std::string>& before, const std::vector<std::string>& after,
                              const std::vector<Edit>& edits, size_t context, Label oldLabel);
};

template <class Label>
std::string LineDiff::format(const std::vector<std::string>& before, const std::vector<std::string>& after,
                             const std::vector<Edit>& edits, size_t context, Label oldLabel) {
    std::vector<bool> keep(edits.size(), false);
    for (size_t i = 0; i < edits.size(); ++i) {
        if (edits[i].kind == Kind::Same)
            continue;
        const size_t from = i > context ? i - context : 0;
        const size_t to = std::min(edits.size(), i + context + 1);
        for (size_t k = from; k < to; ++k)
            keep[k] = true;
    }
    std::string out;
    bool inHunk = false;
    for (size_t i = 0; i < edits.size(); ++i) {
        if (!keep[i]) {
            inHunk = false;
            continue;
        }
        const Edit& edit = edits[i];
        if (!inHunk) {
            // Name the hunk by the first old line at or after it.
            size_t k = i;
            while (k < edits.size() && edits[k].kind == Kind::Added)
                ++k;
            out +=
                "@@ " + (k < edits.size() ? oldLabel(edits[k].index) : std::string("at the end")) + " @@\n";
            inHunk = true;
        }
        switch (edit.kind) {
        case Kind::Same:
            out += "  " + before[edit.index] + "\n";
            break;
        case Kind::Removed:
            out += "- " + before[edit.index] + "\n";
            break;
        case Kind::Added:
            out += "+ " + after[edit.index] + "\n";
            break;
        }
    }
    return out;
}

} // namespace quillan
