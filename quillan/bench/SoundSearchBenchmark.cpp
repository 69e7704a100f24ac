// The sound window's drive search against find(1) on the same generated tree: about 100,000 files in
// 10,000 folders, one in ten a .wav. Prints both times and their ratio (goal: within 1.2 x of find).
#include "forms/frmSound.h"
#include "testsupport/Harness.h"
#include "testsupport/TemporaryFolder.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;
using namespace quillan;

namespace {

void makeTree(const fs::path& root) {
    for (int a = 0; a < 10; ++a)
        for (int b = 0; b < 10; ++b)
            for (int c = 0; c < 100; ++c) {
                const fs::path folder = root / ("top" + std::to_string(a)) / ("Mid" + std::to_string(b)) /
                                        ("leaf" + std::to_string(c));
                fs::create_directories(folder);
                for (int f = 0; f < 10; ++f)
                    std::ofstream(folder / (f == 0 ? "sound.WAV" : "file" + std::to_string(f) + ".txt"));
            }
}

template <class F> double secondsOf(F&& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

size_t findCount(const fs::path& root) {
    const std::string command = "find '" + root.string() + "' -xdev -iname '*.wav' | wc -l";
    FILE* pipe = popen(command.c_str(), "r");
    size_t count = 0;
    if (pipe) {
        if (std::fscanf(pipe, "%zu", &count) != 1)
            count = 0;
        pclose(pipe);
    }
    return count;
}

} // namespace

int main() {
    TemporaryFolder scratch("quillan-search-bench");
    const fs::path root = scratch.path() / "drive";
    std::printf("making the tree...\n");
    makeTree(root);

    Harness harness(scratch.path());
    harness.drives.roots = {root.string()};
    fs::current_path(root);
    frmSound& window = harness.forms->get<frmSound>();

    // One warm-up of each, so that both read from the page cache.
    findCount(root);
    window.cmdSearch.userClick();
    window.cmdSearch.userClick(); // Reset

    size_t found = 0, listed = 0;
    double findBest = 1e9, searchBest = 1e9;
    for (int run = 0; run < 3; ++run) {
        findBest = std::min(findBest, secondsOf([&] { found = findCount(root); }));
        searchBest = std::min(searchBest, secondsOf([&] { window.cmdSearch.userClick(); }));
        listed = static_cast<size_t>(window.lstFoundFiles.listCount());
        window.cmdSearch.userClick(); // Reset
    }
    std::printf("find:   %zu files in %.3f s\n", found, findBest);
    std::printf("search: %zu files in %.3f s\n", listed, searchBest);
    std::printf("ratio search/find: %.2f (goal 1.2)\n", searchBest / findBest);
    fs::current_path(scratch.path().parent_path());
    return found == listed ? 0 : 1;
}
