#include "modules/SettingsFile.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

// Any bytes as a settings file: the reader either refuses them or yields a consistent state, which
// the writer writes and the reader reads back unchanged.
namespace {

// A state the reader gave: the writer must write it and the reader read it back as it was.
void roundTrip(const quillan::Module1& m) {
    try {
        const std::string saved = quillan::settingsFileText("fuzz input", m, m.settings.starturl,
                                                            std::to_string(m.settings.redialcount));
        quillan::Module1 again;
        quillan::loadSettingsText(saved, "saved fuzz input", again);
        if (again.profiledata.items() != m.profiledata.items() ||
            again.programdata.items() != m.programdata.items() ||
            again.settings.hidestatus != m.settings.hidestatus)
            __builtin_trap();
    } catch (const quillan::SettingsFileError&) {
        __builtin_trap();
    }
}

} // namespace

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
        roundTrip(m);
    } catch (const quillan::SettingsFileError&) {
        if (m.profiledata.items() != untouched.profiledata.items() ||
            m.settings.starturl != untouched.settings.starturl)
            __builtin_trap();
    }
    return 0;
}
