#pragma once

#include <string>
#include <vector>

namespace quillan {

struct Module1;

// What the entry editor took over from another dialer's configuration for one entry, beyond the
// phonebook's own fields; it waits for that entry's profile record.
struct ImportedProfile {
    std::string entryName;
    std::string userName;
    std::string password;
    // Alternate numbers in dialing order; at most the record's ten slots are used.
    std::vector<std::string> alternates;
};

// Writes a waiting import into its entry's profile record, in place, and drops it; without a record
// (a name the program refused) it is dropped unused.
void applyImportedProfile(Module1& m);

} // namespace quillan
