#pragma once

#include <string>
#include <vector>

namespace quillan {

// How the phonebook file fared at its last reading.
struct PhonebookHealth {
    std::string file;
    // Why the file could not be read, or "" when it was (a missing file is not unreadable).
    std::string unreadable;
    bool missing = false;
    // Entry names whose section appears more than once; each is listed once, the sections merged.
    std::vector<std::string> repeated;
};

} // namespace quillan
