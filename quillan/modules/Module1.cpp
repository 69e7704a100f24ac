#include "Module1.h"

#include <iterator>

namespace quillan {

void addDefaultProfile(KeyedCollection& profiledata, const std::string& name) {
    profiledata.add(name, name);
    profiledata.add(name + "Username", "");
    profiledata.add(name + "Password", "");
    profiledata.add(name + "Domain", "");
    profiledata.add(name + "DialAN", "false");
    for (int k = 1; k <= 10; ++k)
        profiledata.add(name + "AN" + std::to_string(k), "0");
}

namespace {
// The launcher's field words with the values of a first run.
const std::pair<const char*, const char*> kProgramFields[] = {
    {"Activate", "false"}, {"Path", ""}, {"When", "Begin"}, {"State", "Nor"}};
} // namespace

std::vector<std::string> programDataKeys() {
    std::vector<std::string> keys;
    for (int p = 1; p <= 5; ++p)
        for (const auto& field : kProgramFields)
            keys.push_back("P" + std::to_string(p) + field.first);
    return keys;
}

void addDefaultPrograms(KeyedCollection& programdata) {
    const auto keys = programDataKeys();
    for (size_t i = 0; i < keys.size(); ++i)
        programdata.add(keys[i], kProgramFields[i % std::size(kProgramFields)].second);
}

std::vector<std::string> profileKeys(const std::string& profile) {
    std::vector<std::string> keys{profile};
    for (const char* field : kProfileFields)
        keys.push_back(profile + field);
    return keys;
}

bool profileNamesClash(const std::string& a, const std::string& b) {
    if (a == b)
        return true;
    // Equal keys need one name to begin with the other; most pairs are passed over here.
    if (!a.starts_with(b) && !b.starts_with(a))
        return false;
    for (const auto& own : profileKeys(a))
        for (const auto& other : profileKeys(b))
            if (own == other)
                return true;
    return false;
}

std::string profileKeyClash(const KeyedCollection& profiledata, const std::string& name) {
    // Every item is a key of some profile, so a clash is one of name's keys being there already; the
    // record holding it (15 consecutive items) is opened by its name item.
    constexpr size_t kRecordSize = 1 + std::size(kProfileFields);
    auto ownerOf = [&](const std::string& key) -> std::string {
        const auto position = profiledata.position(key);
        if (!position)
            return "";
        return profiledata.items()[*position - *position % kRecordSize].first;
    };
    if (std::string owner = ownerOf(name); !owner.empty())
        return owner;
    for (const char* field : kProfileFields)
        if (std::string owner = ownerOf(name + field); !owner.empty())
            return owner;
    return "";
}

} // namespace quillan
