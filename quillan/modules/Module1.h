#pragma once

#include "ConnectionClock.h"
#include "ImportedProfile.h"
#include "KeyedCollection.h"
#include "SettingsRecord.h"

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace quillan {

// One line of the monthly log: a text as read from the file, or the duration of a call that ended.
using LogLine = std::variant<std::string, long long>;

// The program's shared state for the whole run: settings, profiles, launcher data and the call.
// Flags are the texts "true" and "false", as everywhere in the program.
struct Module1 {
    SettingsRecord settings;
    KeyedCollection profiledata;
    KeyedCollection programdata;

    std::string firstrun = "true";
    std::string newprofilepending = "false";
    std::int16_t profilecount = 0;
    // Credentials the entry editor imported for the entry it just wrote, until its record takes them.
    std::optional<ImportedProfile> importedprofile;

    std::string currentprofile;
    std::string dialing = "false";
    std::string connected = "false";
    std::string userhangup = "false";
    std::string dialalternates = "false";
    std::string exiting = "false";
    std::time_t starttime = 0;
    std::time_t hanguptime = 0;
    long long lastduration = 0;

    ConnectionClock clock;
    // Warned once per call: time and cost per connection and per month, and the free time.
    std::string warnedtimepc = "false";
    std::string warnedtimepm = "false";
    std::string warnedcostpc = "false";
    std::string warnedcostpm = "false";
    std::string warnedfreetime = "false";

    // Lines of this month's log file, then the durations of the calls ended since it was read.
    std::vector<LogLine> monthlylog;
    std::int32_t monthlytotal = 0;
    // Name of the log file that monthlylog was read from; empty until one was read.
    std::string monthlylogname;

    void clearWarnedFlags() {
        warnedtimepc = warnedtimepm = warnedcostpc = warnedcostpm = warnedfreetime = "false";
    }
};

// The field words of a profile record, in record order after the name item.
inline const char* const kProfileFields[] = {"Username", "Password", "Domain", "DialAN", "AN1",
                                             "AN2",      "AN3",      "AN4",    "AN5",    "AN6",
                                             "AN7",      "AN8",      "AN9",    "AN10"};

// Adds a profile's record with the defaults of a new profile, at the end of the collection.
void addDefaultProfile(KeyedCollection& profiledata, const std::string& name);
// The 20 launcher keys in record order: "P1Activate", "P1Path", "P1When", "P1State", then P2 to P5.
std::vector<std::string> programDataKeys();
// Adds the launcher records of a first run unless they are there already.
void addDefaultPrograms(KeyedCollection& programdata);
// The 15 keys of a profile's record: the name, then the name followed by each field word.
std::vector<std::string> profileKeys(const std::string& profile);
// Whether two profiles' records would share a key (the same name, or "ISP" and "ISPDomain").
bool profileNamesClash(const std::string& a, const std::string& b);
// The profile whose keys would collide with name's, or "" when name is safe to add.
std::string profileKeyClash(const KeyedCollection& profiledata, const std::string& name);

} // namespace quillan
