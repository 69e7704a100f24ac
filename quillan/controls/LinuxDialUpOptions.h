#pragma once

#include <filesystem>
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
    // Where pppd keeps ppp-<entry>.pid.
    std::filesystem::path pppdRunFolder = "/run";
    std::filesystem::path pppdProgram = "/usr/sbin/pppd";
    // Empty: quillan-vmodem beside the running program, else the one of the build tree, else on the search path.
    std::filesystem::path virtualModemProgram;
    // Empty: vmodem.script beside the phonebook when there is one, else the modem's defaults.
    std::filesystem::path virtualModemScript;
    // wvdial configurations whose dialers the entry editor offers to import, a later one overriding.
    std::vector<std::filesystem::path> wvdialFiles;
    DialTimeouts timeouts;
};

} // namespace quillan
