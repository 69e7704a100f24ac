#pragma once

#include "TempFolder.h"
#include "controls/LinuxDialUp.h"
#include "runtime/PollEventLoop.h"
#include "vmodem/PtyModemHost.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace quillan::test {

// The real dialer and a virtual modem on a real pseudo-terminal, both run by one poll loop in this process.
class DialerFixture : public ::testing::Test {
  protected:
    struct Seen {
        std::int16_t state;
        std::string text;
    };

    DialerFixture() {
        script.timings = ModemTimings{0.0, 0.0, 0.05};
        modem = std::make_unique<PtyModemHost>(loop, script);
        options.pppdRunFolder = folder.path();
        options.lockFolder = folder.path();
        std::filesystem::create_directory(folder.path() / "peers");
        options.peersFolder = folder.path() / "peers";
        folder.write("peers/quillan", "noauth\n");
        options.timeouts = DialTimeouts{2000, 5000, 5000, 5000, 20};
    }

    // A phonebook section for an entry on the in-process modem.
    std::string onModem(const std::string& name, const std::string& number,
                        const std::string& more = "PPP=no\n") {
        return "[" + name + "]\nPhoneNumber=" + number + "\nDevice=" + modem->linePath() + "\n" + more;
    }

    void makeDialer(const std::string& phonebook) {
        options.phonebook = folder.write("phonebook.ini", phonebook);
        dialer = std::make_unique<LinuxDialUp>(loop, options);
        dialer->Progress = [this](std::int16_t state) { seen.push_back({state, dialer->StatusText()}); };
    }

    // Dials the entry with its own number, in the order the program uses, and waits for the end state.
    bool dial(const std::string& entry) {
        dialer->setEntryName(entry);
        dialer->LoadEntry();
        return dialAgain(entry);
    }
    bool dialAgain(const std::string& entry) {
        seen.clear();
        dialer->setEntryName(entry);
        dialer->Dial();
        return waitForEnd();
    }
    bool waitForEnd(int ms = 10000) {
        return loop.runUntil([this] { return ended(); }, ms);
    }
    bool ended() const {
        return !seen.empty() &&
               (seen.back().state == kStateConnected || seen.back().state == kStateDisconnected);
    }
    void runFor(int ms) {
        loop.runUntil([] { return false; }, ms);
    }
    std::vector<std::int16_t> states() const {
        std::vector<std::int16_t> out;
        for (const Seen& s : seen)
            out.push_back(s.state);
        return out;
    }
    std::string lastText() const { return seen.empty() ? "" : seen.back().text; }

    TempFolder folder;
    PollEventLoop loop;
    ModemScript script;
    std::unique_ptr<PtyModemHost> modem;
    LinuxDialUpOptions options;
    std::unique_ptr<LinuxDialUp> dialer;
    std::vector<Seen> seen;
};

} // namespace quillan::test
