#pragma once

#include "catcher/ClickFilter.h"
#include "catcher/RegistryPaths.h"
#include "catcher/StringIds.h"
#include "platform/memory/MemoryRegistry.h"
#include "platform/memory/RecordingHost.h"

#include <gtest/gtest.h>

namespace ie2bl::test {

inline constexpr WindowHandle kMonitorWindow = 0x4711;
inline constexpr const char* kMonitorTitle = " Brisklet Monitor";

// A fresh registry, module caches and host per test, with the module's own string table loaded.
class CatcherFixture : public ::testing::Test {
  protected:
    CatcherFixture() {
        host.setOwnString(IDS_MONITOR_TITLE, kMonitorTitle);
        host.setOwnString(IDS_ALTERNATE_SOUND_EVENT, "Address Added as Alternate");
        host.setOwnString(IDS_DEFAULT_BEEP, "{ Default Beep }");
    }

    void setConfigNumber(const std::string& name, std::uint32_t value) {
        registry.setNumber(paths::kConfig, name, value);
    }
    void setConfigText(const std::string& name, const std::string& value) {
        registry.setText(paths::kConfig, name, value);
    }
    void queue(int slot, const std::string& address) {
        registry.setText(paths::kFileQueue, (slot < 10 ? "Get0" : "Get") + std::to_string(slot), address);
    }
    std::string queueText(const std::string& name) const { return registry.text(paths::kFileQueue, name); }

    MemoryRegistry registry;
    RecordingHost host;
    ExtensionLists lists;
    ConfigStore config{registry};
    CatcherStrings strings{config, host};
    EventSound sound{config, strings, host};
    DownloadQueue downloads{config, sound};
    ClickFilter filter{registry, host, lists};
};

} // namespace ie2bl::test
