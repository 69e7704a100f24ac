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

void addDefaultPrograms(KeyedCollection& programdata) {
    for (int p = 1; p <= 5; ++p) {
        const std::string prefix = "P" + std::to_string(p);
        programdata.add(prefix + "Activate", "false");
        programdata.add(prefix + "Path", "");
        programdata.add(prefix + "When", "Begin");
        programdata.add(prefix + "State", "Nor");
    }
}

std::string profileKeyClash(const KeyedCollection& profiledata, const std::string& name) {
    auto keysOf = [](const std::string& profile) {
        std::vector<std::string> keys{profile};
        for (const char* field : kProfileFields)
            keys.push_back(profile + field);
        return keys;
    };
    const auto mine = keysOf(name);
    const auto& items = profiledata.items();
    // Records are 15 consecutive items, each opened by its name item.
    for (size_t i = 0; i < items.size(); i += 1 + std::size(kProfileFields)) {
        const std::string& key = items[i].first;
        if (key == name)
            return key;
        for (const auto& other : keysOf(key))
            for (const auto& own : mine)
                if (other == own)
                    return key;
    }
    return "";
}

} // namespace quillan
