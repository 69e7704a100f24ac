#include "catcher/EventSound.h"

#include "catcher/RegistryPaths.h"
#include "catcher/StringIds.h"

namespace ie2bl {

void EventSound::PlayEventSound(unsigned eventId, bool async) {
    ConfigStore::Batch batch(m_config);
    const std::string setting =
        m_config.ReadConfigText(paths::kSounds, m_strings.LoadCatcherString(eventId), "");
    if (setting == m_strings.LoadCatcherString(IDS_DEFAULT_BEEP))
        m_host.beep();
    else if (!setting.empty())
        m_host.playSoundFile(setting, kFileFlags | (async ? kAsyncFlag : 0));
}

} // namespace ie2bl
