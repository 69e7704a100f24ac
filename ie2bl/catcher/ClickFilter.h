#pragma once

#include "catcher/DownloadQueue.h"
#include "catcher/ExtensionLists.h"

#include <string_view>

namespace ie2bl {

enum class StartDecision { UseDefault, HandedOff };

// Decides for each address the browser is about to fetch whether it is a download for the
// download manager, and hands it over when it is.
class ClickFilter {
  public:
    static constexpr unsigned kHandOffMessage = 0x0473; // WM_USER + 115

    ClickFilter(Registry& registry, HostServices& host, ExtensionLists& lists);

    // `address` may be null; `hasSink` tells whether the browser gave a protocol sink.
    StartDecision Start(const char16_t* address, bool hasSink);
    bool IsDownloadAddress(const std::string& address);
    // True when the monitor window was still there to receive the message.
    bool HandOffAddress(const std::string& address);

  private:
    WindowHandle findMonitor();

    HostServices& m_host;
    ExtensionLists& m_lists;
    ConfigStore m_config;
    CatcherStrings m_strings;
    EventSound m_sound;
    DownloadQueue m_queue;
};

} // namespace ie2bl
