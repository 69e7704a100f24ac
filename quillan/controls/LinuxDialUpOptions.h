#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillan {

// How long the dialer waits for each step, in milliseconds.
struct DialTimeouts {
    // The modem's answer to each command before the dial.
    int commandMs = 3000;
    // The result of the dial command.
    int dialMs = 60000;
    // pppd bringing the link up after the modem has connected.
    int pppMs = 60000;
    // The virtual modem program naming its line.
    int modemStartMs = 5000;
    // The least time a line stays closed (DTR down) before it is opened again, so the modem sees the hang-up.
    int lineRestMs = 500;
};

struct LinuxDialUpOptions {
    std::filesystem::path phonebook;
    // Where pppd keeps pppN.pid and ppp-<link>.pid.
    std::filesystem::path pppdRunFolder = "/run";
    std::filesystem::path pppdProgram = "/usr/sbin/pppd";
    // The system's pppd peers files: the dialer's own (with the options only root may give) and the
    // user's connections, listed after the phonebook's entries.
    std::filesystem::path peersFolder = "/etc/ppp/peers";
    std::string ownPeers = "quillan";
    // The time the connection scan goes by: within one moment every entry shares one look at the run folder.
    std::chrono::steady_clock::time_point (*scanClock)() = &std::chrono::steady_clock::now;
    // Where serial programs leave their lock files.
    std::filesystem::path lockFolder = "/run/lock";
    // Given every line of the modem dialogue, each state and pppd's messages, when set.
    std::function<void(std::string_view line)> trace;
    // Empty: the quillan-vmodem installed with the running program, else the one on the search path.
    std::filesystem::path virtualModemProgram;
    // Empty: vmodem.script beside the phonebook when there is one, else the modem's defaults.
    std::filesystem::path virtualModemScript;
    // wvdial configurations whose dialers the entry editor offers to import, a later one overriding.
    std::vector<std::filesystem::path> wvdialFiles;
    DialTimeouts timeouts;
};

} // namespace quillan
