#include "modules/SettingsFile.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

// Any bytes as a settings file: the reader either refuses them or yields a consistent state.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quillan::Module1 m;
    const quillan::Module1 untouched = m;
    try {
        const auto loaded = quillan::loadSettingsText(
            std::string_view(reinterpret_cast<const char*>(data), size), "fuzz input", m);
        const auto records = static_cast<std::size_t>(loaded.profileCount);
        if (records != loaded.profileNames.size() ||
            m.profiledata.count() != records * (1 + std::size(quillan::kProfileFields)) ||
            m.programdata.count() != 20)
            __builtin_trap();
    } catch (const quillan::SettingsFileError&) {
        if (m.profiledata.items() != untouched.profiledata.items() ||
            m.settings.starturl != untouched.settings.starturl)
            __builtin_trap();
    }
    return 0;
}
