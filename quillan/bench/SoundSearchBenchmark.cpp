// The sound window's drive search against find(1) on the same generated tree: about 100,000 files in
// 10,000 folders, one in ten a .wav. Runs the two in interleaved pairs, each pair with the other one
// first, and prints the medians and the median of the pairs' ratios (goal: within 1.2 x of find).
//   quillan_sound_search_benchmark [PAIRS]   (default 15)
#include "forms/frmSound.h"
#include "testsupport/Harness.h"
#include "testsupport/TemporaryFolder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

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

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    const int pairs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    TemporaryFolder scratch("quillan-search-bench");
    const fs::path root = scratch.path() / "drive";
    std::printf("making the tree...\n");
    std::fflush(stdout);
    makeTree(root);

    Harness harness(scratch.path());
    harness.drives.roots = {root.string()};
    fs::current_path(root);
    frmSound& window = harness.forms->get<frmSound>();

    size_t found = 0, listed = 0;
    const auto runFind = [&] { return secondsOf([&] { found = findCount(root); }); };
    const auto runSearch = [&] {
        const double seconds = secondsOf([&] { window.cmdSearch.userClick(); });
        listed = static_cast<size_t>(window.lstFoundFiles.listCount());
        window.cmdSearch.userClick(); // Reset
        return seconds;
    };
    // One warm-up of each, so that both read from the page cache.
    runFind();
    runSearch();

    std::vector<double> findTimes, searchTimes, ratios;
    for (int pair = 0; pair < pairs; ++pair) {
        double findSeconds = 0, searchSeconds = 0;
        if (pair % 2 == 0) {
            findSeconds = runFind();
            searchSeconds = runSearch();
        } else {
            searchSeconds = runSearch();
            findSeconds = runFind();
        }
        findTimes.push_back(findSeconds);
        searchTimes.push_back(searchSeconds);
        ratios.push_back(searchSeconds / findSeconds);
        std::printf("\rpair %d of %d", pair + 1, pairs);
        std::fflush(stdout);
    }
    std::printf("\nfind:   %zu files, median %.3f s\n", found, median(findTimes));
    std::printf("search: %zu files, median %.3f s\n", listed, median(searchTimes));
    std::printf("ratio search/find: median %.2f of %d interleaved pairs (goal 1.2)\n", median(ratios), pairs);
    fs::current_path(scratch.path().parent_path());
    if (found != listed) {
        std::fprintf(stderr, "the search listed %zu files where find found %zu\n", listed, found);
        return 1;
    }
    return 0;
}
