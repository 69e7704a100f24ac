#include "catcher/CatcherStrings.h"

#include "catcher/RegistryPaths.h"

namespace ie2bl {

namespace {

// Resource file layouts that carry our string ids.
bool isKnownResourceVersion(std::uint32_t version) {
    return version == 3020 || version == 3010;
}

} // namespace

std::string CatcherStrings::LoadCatcherString(unsigned id) {
    ConfigStore::Batch batch(m_config);
    const std::string file = m_config.ReadConfigText(paths::kConfig, "ExternalResourceFile", "");
    const std::uint32_t version = m_config.ReadConfigNumber(paths::kConfig, "ExternalResourceFileVer", 0);
    if (!file.empty() && isKnownResourceVersion(version)) {
        // A loaded file is authoritative: a string it lacks stays empty.
        if (auto text = m_host.loadLibraryString(file, id))
            return text->substr(0, kMaxLength);
    }
    return m_host.loadOwnString(id);
}

} // namespace ie2bl
