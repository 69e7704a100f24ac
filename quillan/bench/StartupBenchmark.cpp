// Start-up with many connection profiles, and reading a phonebook with many sections: both must grow
// linearly with the count (compare the timings of the counts).
#include "controls/Phonebook.h"
#include "forms/frmStart.h"
#include "modules/SettingsFile.h"
#include "testsupport/Harness.h"
#include "testsupport/TemporaryFolder.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace quillan;

namespace {

std::string profileName(int i) {
    return "ISP " + std::to_string(i);
}

void BM_StartUpWithProfiles(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    TemporaryFolder folder("quillan-bench");
    Module1 saved;
    addDefaultPrograms(saved.programdata);
    for (int i = 0; i < count; ++i)
        addDefaultProfile(saved.profiledata, profileName(i));
    saveSettings(folder.path() / kSettingsFileName, saved, saved.settings.starturl, "3");
    for (auto _ : state) {
        state.PauseTiming();
        Harness harness(folder.path());
        for (int i = 0; i < count; ++i)
            harness.dialUp.entries.push_back({profileName(i), "5550100"});
        state.ResumeTiming();
        harness.forms->get<frmStart>().startUp();
        benchmark::DoNotOptimize(harness.module1.profilecount);
    }
    state.SetComplexityN(count);
}
BENCHMARK(BM_StartUpWithProfiles)
    ->Arg(500)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(4000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

void BM_ParsePhonebook(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "[" + profileName(i) + "]\nPhoneNumber=5550100\nDevice=/dev/ttyACM0\nSpeed=115200\n\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(Phonebook::parse(text));
    state.SetComplexityN(count);
}
BENCHMARK(BM_ParsePhonebook)
    ->Arg(2500)
    ->Arg(5000)
    ->Arg(10000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

} // namespace

BENCHMARK_MAIN();
