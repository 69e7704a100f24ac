#include "catcher/ClickFilter.h"
#include "catcher/RegistryPaths.h"
#include "catcher/StringIds.h"
#include "platform/memory/MemoryRegistry.h"
#include "platform/memory/RecordingHost.h"

#include <benchmark/benchmark.h>

namespace ie2bl {
namespace {

// A running download manager with every queue slot taken by other files.
struct BusyManager {
    BusyManager() {
        host.setOwnString(IDS_MONITOR_TITLE, " Brisklet Monitor");
        host.openWindow(" Brisklet Monitor", 1);
        for (int slot = 0; slot < DownloadQueue::kSlots; ++slot)
            registry.setText(paths::kFileQueue, (slot < 10 ? "Get0" : "Get") + std::to_string(slot),
                             "http://mirror.example.com/pub/file" + std::to_string(slot) + ".dat");
    }

    void run(benchmark::State& state, const std::u16string& address, StartDecision expected) {
        ClickFilter filter(registry, host, lists);
        for (auto _ : state) {
            const StartDecision decision = filter.Start(address.c_str(), true);
            if (decision != expected)
                state.SkipWithError("unexpected decision");
            benchmark::DoNotOptimize(decision);
        }
    }

    MemoryRegistry registry;
    RecordingHost host;
    ExtensionLists lists;
};

void nonDownloadPage(benchmark::State& state) {
    BusyManager manager;
    manager.run(state, u"http://www.example.com/docs/intro.html", StartDecision::UseDefault);
}

void watchListDownload(benchmark::State& state) {
    BusyManager manager;
    manager.run(state, u"http://www.example.com/files/setup.zip", StartDecision::HandedOff);
}

void unlistedExtensionFullQueue(benchmark::State& state) {
    BusyManager manager;
    manager.run(state, u"http://www.example.com/files/archive.xyz", StartDecision::UseDefault);
}

BENCHMARK(nonDownloadPage);
BENCHMARK(watchListDownload);
BENCHMARK(unlistedExtensionFullQueue);

} // namespace
} // namespace ie2bl
