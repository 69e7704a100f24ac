#include "catcher/EventSound.h"

#include "module/RegistryPaths.h"
#include "module/resource.h"

namespace ie2bl {

void EventSound::PlayEventSound(unsigned eventId, bool async) {
    const std::string setting =
        m_config.ReadConfigText(paths::kSounds, m_strings.LoadCatcherString(eventId), "");
    if (setting == m_strings.LoadCatcherString(IDS_DEFAULT_BEEP))
        m_host.beep();
    else if (!setting.empty())
        m_host.playSoundFile(setting, kFileFlags | (async ? kAsyncFlag : 0));
}

} // namespace ie2bl
