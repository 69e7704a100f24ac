#pragma once

#include "PhonebookEntry.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillan {

// One [Dialer NAME] section of a wvdial configuration, with what it inherits filled in.
struct WvdialDialer {
    std::string name;
    std::string phone;
    // Phone1 to Phone4: tried in turn when the main number fails.
    std::vector<std::string> alternates;
    std::string modem;
    int baud = 0;
    // Init1 to Init9, in order.
    std::vector<std::string> inits;
    std::string username;
    std::string password;

    // The phonebook entry that dials the same way; the credentials and alternates stay outside it.
    PhonebookEntry phonebookEntry() const;
};

// The dialers of wvdial configuration files read in order, a later file's keys overriding an
// earlier one's; [Dialer Defaults] and Inherits apply as wvdial applies them. Dialers without a
// phone number are left out, so are files that are missing, unreadable, not regular files (a FIFO
// is never waited on) or larger than kTextFileLimit.
std::vector<WvdialDialer> readWvdialDialers(const std::vector<std::filesystem::path>& files);
std::vector<WvdialDialer> parseWvdialDialers(const std::vector<std::string>& texts);

} // namespace quillan
