#include "catcher/DownloadQueue.h"

#include "catcher/AddressParser.h"
#include "catcher/RegistryPaths.h"
#include "catcher/StringIds.h"
#include "catcher/TextUtil.h"

#include <string>

namespace ie2bl {

namespace {

// Slot numbers are written with at least two digits: Get07, Get99, Get100.
std::string slotValueName(const char* prefix, int slot) {
    return prefix + std::string(slot < 10 ? "0" : "") + std::to_string(slot);
}

std::string alternateName(int slot, int alternate) {
    return slotValueName("AltURL", slot) + ":" + std::to_string(alternate);
}

} // namespace

std::optional<int> DownloadQueue::AddAsAlternate(const std::string& address) {
    if (m_config.ReadConfigNumber(paths::kConfig, "FMLSameFilename", 1) == 0)
        return std::nullopt;
    if (address.empty() || address.find_first_of("?*", 1) != std::string::npos)
        return std::nullopt;
    const std::string fileName = AddressParser::GetAddressFileName(address);
    if (fileName.empty())
        return std::nullopt;

    // One open of the queue key for the whole scan.
    ConfigStore::Batch batch(m_config);
    for (int slot = 0; slot < kSlots; ++slot) {
        const std::string queued = m_config.ReadConfigText(paths::kFileQueue, slotValueName("Get", slot), "");
        if (queued == address) {
            m_sound.PlayEventSound(IDS_ALTERNATE_SOUND_EVENT, true);
            return slot;
        }
        // A free slot has no file name, so it never matches.
        const std::string queuedFile = AddressParser::GetAddressFileName(queued);
        if (queuedFile.empty() || !text::equalIgnoringCase(queuedFile, fileName))
            continue;
        addToSlot(slot, queued, address);
        m_sound.PlayEventSound(IDS_ALTERNATE_SOUND_EVENT, true);
        return slot;
    }
    return std::nullopt;
}

void DownloadQueue::addToSlot(int slot, const std::string& queued, const std::string& address) {
    if (m_config.ReadConfigNumber(paths::kFileQueue, slotValueName("HasAlts", slot), 0) == 0) {
        // The queued address itself becomes alternate 0 when the list is started.
        m_config.WriteConfigText(paths::kFileQueue, alternateName(slot, 0), queued);
        m_config.WriteConfigText(paths::kFileQueue, alternateName(slot, 1), address);
        m_config.WriteConfigNumber(paths::kFileQueue, slotValueName("HasAlts", slot), 1);
        return;
    }
    for (int alternate = 0; alternate < kAlternates; ++alternate) {
        const std::string known =
            m_config.ReadConfigText(paths::kFileQueue, alternateName(slot, alternate), "");
        if (known == address)
            return;
        if (known.empty()) {
            m_config.WriteConfigText(paths::kFileQueue, alternateName(slot, alternate), address);
            m_config.WriteConfigNumber(paths::kFileQueue, slotValueName("HasAlts", slot), 1);
            return;
        }
    }
}

} // namespace ie2bl
