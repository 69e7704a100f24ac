// quillan-vmodem: a scripted Hayes modem on a pseudo-terminal, for trying the dialer without a phone line.
#include "CommandLine.h"
#include "ModemScript.h"
#include "PtyModemHost.h"
#include "runtime/PollEventLoop.h"

#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

using namespace quillan;

namespace {

const char* kScriptHelp = R"(Owns a pseudo-terminal that answers like a Hayes modem and prints its path on
the first line of standard output. It runs until it is ended by a signal or, with
--watch-stdin, until standard input closes.

Script lines ('#' starts a comment):
  delay dial SECONDS     from the dial command to its result (default 1)
  delay reply SECONDS    before each answer to a command (default 0)
  delay guard SECONDS    silence around the +++ escape (default 1)
  speed BPS              speed of numbers without a rule (default 33600)
  mute                   answer nothing at all
  NUMBER = OUTCOME, ...  one outcome per successive dial of NUMBER; the last one
                         repeats
Outcomes: BUSY, NO CARRIER, NO ANSWER, NO DIALTONE, SILENCE,
          CONNECT [BPS] [DROP SECONDS]
Numbers match by their digits, * # and +; a number without a rule connects after
the dial delay.
Example:
  delay dial 2
  5550100 = BUSY, BUSY, CONNECT 28800
  5550199 = CONNECT 33600 DROP 30
)";

int fail(const std::string& message) {
    std::cerr << "quillan-vmodem: " << message << '\n';
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    CommandLine commandLine(
        "quillan-vmodem",
        "A scripted Hayes modem on a pseudo-terminal: Quillan dials it without a phone line.",
        {{"script", "FILE", "read the script from FILE"},
         {"rule", "LINE", "one more script line, read after the script (may be repeated)"},
         {"link", "PATH", "also make PATH a symbolic link to the line (removed at the end)"},
         {"watch-stdin", "", "end when standard input closes"}},
        kScriptHelp);
    if (std::optional<int> status = commandLine.finish(commandLine.parse({argv + 1, argv + argc})))
        return *status;

    ModemScript script;
    for (const auto& [name, value] : commandLine.given()) {
        if (name == "script") {
            std::ifstream file(value, std::ios::binary);
            if (!file)
                return fail("cannot read the script " + value + ": " + std::strerror(errno));
            std::ostringstream text;
            text << file.rdbuf();
            if (std::string error = script.addText(text.str()); !error.empty())
                return fail(value + ", " + error);
        } else if (name == "rule") {
            if (std::string error = script.addLine(value); !error.empty())
                return fail(error);
        }
    }
    const std::string link = commandLine.value("link").value_or("");
    const bool watchStdin = commandLine.isSet("watch-stdin");

    sigset_t endings;
    sigemptyset(&endings);
    sigaddset(&endings, SIGTERM);
    sigaddset(&endings, SIGINT);
    sigaddset(&endings, SIGHUP);
    sigprocmask(SIG_BLOCK, &endings, nullptr);
    int signals = ::signalfd(-1, &endings, SFD_CLOEXEC);

    PollEventLoop loop;
    try {
        PtyModemHost host(loop, script);
        if (!link.empty()) {
            ::unlink(link.c_str());
            if (::symlink(host.linePath().c_str(), link.c_str()) != 0)
                return fail("cannot link " + link + ": " + std::strerror(errno));
        }
        std::cout << host.linePath() << std::endl;
        loop.watchReadable(signals, [&] { loop.quit(); });
        if (watchStdin)
            loop.watchReadable(STDIN_FILENO, [&] {
                char buffer[256];
                if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
                    loop.quit();
            });
        loop.run();
        if (!link.empty())
            ::unlink(link.c_str());
    } catch (const std::exception& error) {
        return fail(error.what());
    }
    return 0;
}
