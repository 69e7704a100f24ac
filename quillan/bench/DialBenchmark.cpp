// Time from Dial to the connected state on the virtual modem with zero delays: through the
// quillan-vmodem program (as the demo dials) and with the modem in this process on the same loop.
#include "controls/LinuxDialUp.h"
#include "runtime/PollEventLoop.h"
#include "vmodem/PtyModemHost.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

using namespace quillan;

namespace {

constexpr int kLineRestMs = 5;

class DialBench {
  public:
    DialBench(PollEventLoop& loop, const std::string& device) : m_loop(loop) {
        std::string pattern = (std::filesystem::temp_directory_path() / "quillan-bench-XXXXXX").string();
        m_folder = ::mkdtemp(pattern.data());
        std::ofstream(m_folder / "phonebook.ini")
            << "[Bench]\nPhoneNumber=5550100\nDevice=" << device << "\nPPP=no\n";
        std::ofstream(m_folder / "vmodem.script") << "delay dial 0\n";
        LinuxDialUpOptions options;
        options.phonebook = m_folder / "phonebook.ini";
        options.virtualModemProgram = QUILLAN_TEST_VMODEM;
        options.timeouts.lineRestMs = kLineRestMs;
        m_dialer = std::make_unique<LinuxDialUp>(loop, options);
        m_dialer->Progress = [this](std::int16_t state) { m_last = state; };
        m_dialer->setEntryName("Bench");
        m_dialer->LoadEntry();
    }
    ~DialBench() {
        m_dialer.reset();
        std::filesystem::remove_all(m_folder);
    }

    void run(benchmark::State& state) {
        if (!dial()) { // the first dial also starts the modem program
            state.SkipWithError(("the first dial did not connect: " + m_dialer->StatusText()).c_str());
            return;
        }
        hangUp();
        for (auto _ : state) {
            bool connected = dial();
            state.PauseTiming();
            if (!connected) {
                state.SkipWithError(("a dial did not connect: " + m_dialer->StatusText()).c_str());
                break;
            }
            hangUp();
            state.ResumeTiming();
        }
    }

  private:
    bool dial() {
        m_last = -1;
        m_dialer->Dial();
        m_loop.runUntil([this] { return m_last == kStateConnected || m_last == kStateDisconnected; }, 10000);
        return m_last == kStateConnected;
    }
    // Hangs up and lets the line rest, so the next dial opens it at once.
    void hangUp() {
        m_dialer->HangUp();
        m_loop.runUntil([] { return false; }, kLineRestMs + 2);
    }

    PollEventLoop& m_loop;
    std::filesystem::path m_folder;
    std::unique_ptr<LinuxDialUp> m_dialer;
    std::int16_t m_last = -1;
};

void BM_DialToConnected_VirtualModemProgram(benchmark::State& state) {
    PollEventLoop loop;
    DialBench(loop, "virtual").run(state);
}

void BM_DialToConnected_ModemInProcess(benchmark::State& state) {
    PollEventLoop loop;
    ModemScript script;
    script.timings = ModemTimings{0.0, 0.0, 1.0};
    PtyModemHost modem(loop, script);
    DialBench(loop, modem.linePath()).run(state);
}

} // namespace

BENCHMARK(BM_DialToConnected_VirtualModemProgram)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DialToConnected_ModemInProcess)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
