#include "catcher/ClickFilter.h"

#include "catcher/AddressParser.h"
#include "catcher/RegistryPaths.h"
#include "catcher/StringIds.h"
#include "catcher/TextUtil.h"

namespace ie2bl {

namespace {

constexpr std::string_view kEveryExtension = ".*;";

} // namespace

ClickFilter::ClickFilter(Registry& registry, HostServices& host, ExtensionLists& lists)
    : m_host(host), m_lists(lists), m_config(registry), m_strings(m_config, host),
      m_sound(m_config, m_strings, host), m_queue(m_config, m_sound) {}

WindowHandle ClickFilter::findMonitor() {
    return m_host.findTopLevelWindow(m_strings.LoadCatcherString(IDS_MONITOR_TITLE));
}

StartDecision ClickFilter::Start(const char16_t* address, bool hasSink) {
    if (address == nullptr || !hasSink)
        return StartDecision::UseDefault;
    const std::string text = m_host.toSystemCodePage(address);
    // Each key this decision reads is opened once for all of its values.
    ConfigStore::Batch batch(m_config);

    if (m_host.isKeyHeld(ModifierKey::Shift))
        return StartDecision::UseDefault;
    if (findMonitor() == 0)
        return StartDecision::UseDefault;
    if (m_config.ReadConfigNumber(paths::kConfig, "WatchBrowser2", 1) == 0)
        return StartDecision::UseDefault;
    if (m_config.ReadConfigNumber(paths::kConfig, "MonitoringEnabled", 1) == 0)
        return StartDecision::UseDefault;

    // Ctrl+Alt is the user insisting: any address goes to the download manager.
    const bool forced = m_host.isKeyHeld(ModifierKey::Control) && m_host.isKeyHeld(ModifierKey::Alt);
    if (!forced) {
        if (text.find_first_of("*?#") != std::string::npos || text::contains(text, "/cgi-bin/"))
            return StartDecision::UseDefault;
        if (!IsDownloadAddress(text))
            return StartDecision::UseDefault;
    }
    return HandOffAddress(text) ? StartDecision::HandedOff : StartDecision::UseDefault;
}

bool ClickFilter::IsDownloadAddress(const std::string& address) {
    if (address.empty() || address.back() == '/')
        return false;
    if (!text::startsWithIgnoringCase(address, "http:/") && !text::startsWithIgnoringCase(address, "ftp://"))
        return false;
    if (address.find_first_of(" \r\n") != std::string::npos)
        return false;

    const std::string skipServers = m_config.ReadConfigText(paths::kConfig, "WatchSkipServers", "");
    const std::string server = AddressParser::GetAddressHost(address);
    if (!server.empty() && text::contains(skipServers, server))
        return false;

    const std::string fileName = AddressParser::GetAddressFileName(address);
    const auto dot = fileName.rfind('.');
    if (dot == std::string::npos)
        return false;
    const std::string key = text::upperCased(std::string(text::trimmed(fileName.substr(dot))) + ";");

    const ExtensionLists::Lists lists = m_lists.get(m_config);
    // The watch list wins over the skip list.
    if (text::contains(lists.watch, key) || text::contains(lists.watch, kEveryExtension))
        return true;
    if (text::contains(lists.skip, key) || text::contains(lists.skip, kEveryExtension))
        return false;
    if (m_config.ReadConfigNumber(paths::kConfig, "WatchPromptOthers", 1) != 0)
        return m_queue.AddAsAlternate(address).has_value();
    return false;
}

bool ClickFilter::HandOffAddress(const std::string& address) {
    m_config.WriteConfigText(paths::kFileQueue, "FromNetscape", address);
    // The download manager may have quit since Start looked.
    const WindowHandle monitor = findMonitor();
    if (monitor == 0)
        return false;
    m_host.postMessage(monitor, kHandOffMessage);
    return true;
}

} // namespace ie2bl
