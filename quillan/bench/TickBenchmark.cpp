// The main console's one-second tick during a call, with the real dial-up control: its connection
// scan over a phonebook of ten entries against a pppd run folder holding an outside pppd. Prints the
// time and the heap allocations per tick, taken as the difference between runs of N and 2N ticks so
// that what a run costs once falls out (the median of seven such rounds), and the mean of all ticks.
#include "controls/LinuxDialUp.h"
#include "forms/ConnectionTick.h"
#include "forms/Forms.h"
#include "forms/formRAS.h"
#include "forms/frmStart.h"
#include "runtime/PollEventLoop.h"
#include "testsupport/Harness.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <thread>
#include <vector>

namespace {
std::atomic<long> g_allocations{0};
}

void* operator new(std::size_t size) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

using namespace quillan;

namespace {

// Each tick comes a second after the last, as the program's timer makes them.
std::chrono::steady_clock::time_point g_now{};
std::chrono::steady_clock::time_point benchClock() {
    return g_now;
}

// A tray that shows nothing: the view's own cost is not the tick's.
class QuietTray : public TrayIcon {
  public:
    bool available() override { return true; }
    void add(const std::string&) override {}
    void modify(const std::string&) override {}
    void remove(const std::string&) override {}
};

struct Measure {
    double seconds;
    long allocations;
};

int run() {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("quillan-tick-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder / "run");
    std::filesystem::create_directories(folder / "data");
    std::filesystem::create_directories(folder / "peers");
    {
        std::ofstream phonebook(folder / "phonebook.ini");
        for (int i = 0; i < 10; ++i)
            phonebook << "[Provider number " << i << " (long name)]\nPhoneNumber=555010" << i
                      << "\nDevice=virtual\n";
    }
    // An outside call to the fourth entry, by a process named pppd, as its pid file and command line show.
    std::filesystem::copy_file("/bin/sh", folder / "pppd");
    pid_t pppd = ::fork();
    if (pppd == 0) {
        ::execl((folder / "pppd").c_str(), "pppd", "-c", "while :; do sleep 1; done", "call",
                "Provider number 3 (long name)", nullptr);
        ::_exit(127);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::ofstream(folder / "run" / "ppp0.pid") << pppd << "\n";
    std::ofstream(folder / "run" / "unrelated.pid") << 1 << "\n";

    PollEventLoop loop;
    LinuxDialUpOptions options;
    options.phonebook = folder / "phonebook.ini";
    options.pppdRunFolder = folder / "run";
    options.peersFolder = folder / "peers";
    options.scanClock = benchClock;
    LinuxDialUp dialUp(loop, options);

    // The program's forms and modules; of the services, only what the tick touches matters.
    Harness fakes(folder / "data");
    QuietTray tray;
    Services services{fakes.boxes,  fakes.clock,     fakes.pump,  tray,
                      fakes.modal,  fakes.processes, fakes.sound, fakes.browser,
                      fakes.drives, folder / "data", {},          {}};
    Module1 module1;
    Forms forms(services, module1, dialUp, fakes.net, MailControls{fakes.mail, fakes.mail1});
    forms.get<formRAS>().LoadEntries();
    // The scan adopts the outside call; from then on every tick is a tick of a call that is up.
    g_now += std::chrono::seconds(1);
    forms.get<formRAS>().getconnections();
    if (module1.connected != "true") {
        std::fprintf(stderr, "the outside call was not adopted\n");
        return 1;
    }
    // The run folder's change time has to settle before the scan trusts it.
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));

    ConnectionTick tick(forms);
    auto ticks = [&](long n) {
        long before = g_allocations.load();
        auto start = std::chrono::steady_clock::now();
        for (long i = 0; i < n; ++i) {
            g_now += std::chrono::seconds(1);
            module1.clock.hours = 0; // stays clear of every limit and reminder
            tick.run();
        }
        std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        return Measure{took.count(), g_allocations.load() - before};
    };
    // Rounds of N and 2N ticks; the median round stands, so that a burst of other work on the machine
    // does not.
    const long n = 200000;
    const int rounds = 7;
    ticks(n / 10); // warm
    std::vector<double> perTick, allocationsPerTick;
    double allSeconds = 0;
    for (int round = 0; round < rounds; ++round) {
        const Measure once = ticks(n);
        const Measure twice = ticks(2 * n);
        perTick.push_back((twice.seconds - once.seconds) / n * 1e6);
        allSeconds += once.seconds + twice.seconds;
        allocationsPerTick.push_back(static_cast<double>(twice.allocations - once.allocations) / n);
    }
    bool stillUp = module1.connected == "true";
    ::kill(pppd, SIGKILL);
    ::waitpid(pppd, nullptr, 0);
    std::filesystem::remove_all(folder);
    if (!stillUp) {
        std::fprintf(stderr, "the call was lost during the ticks\n");
        return 1;
    }
    std::sort(perTick.begin(), perTick.end());
    std::printf("per tick, median of %d rounds of %ld and %ld ticks: %.3f us (from %.3f to %.3f), %.3f heap "
                "allocations at most\n",
                rounds, n, 2 * n, perTick[perTick.size() / 2], perTick.front(), perTick.back(),
                *std::max_element(allocationsPerTick.begin(), allocationsPerTick.end()));
    std::printf("per tick, all ticks together: %.3f us\n", allSeconds / (3.0 * n * rounds) * 1e6);
    return 0;
}

} // namespace

int main() {
    return run();
}
