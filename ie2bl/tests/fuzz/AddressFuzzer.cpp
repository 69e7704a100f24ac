// First byte picks keys and settings, the rest is the address (and, by flag, registry data).
#include "catcher/AddressParser.h"
#include "catcher/ClickFilter.h"
#include "catcher/RegistryPaths.h"
#include "catcher/StringIds.h"
#include "platform/memory/MemoryRegistry.h"
#include "platform/memory/RecordingHost.h"

#include <cstdlib>

using namespace ie2bl;

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t flags = data[0];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    MemoryRegistry registry;
    RecordingHost host;
    ExtensionLists lists;
    host.setOwnString(IDS_MONITOR_TITLE, " Brisklet Monitor");
    host.openWindow(" Brisklet Monitor", 1);
    if (flags & 0x01) {
        host.holdKey(ModifierKey::Control);
        host.holdKey(ModifierKey::Alt);
    }
    if (flags & 0x02)
        registry.setBytes(paths::kConfig, "WatchFileTypes", {text.begin(), text.end()});
    if (flags & 0x04)
        registry.setBytes(paths::kConfig, "WatchSkipServers", {text.begin(), text.end()});
    if (flags & 0x08)
        registry.setText(paths::kFileQueue, "Get00", text);
    if (flags & 0x10)
        registry.setText(paths::kFileQueue, "HasAlts00", text);

    ClickFilter filter(registry, host, lists);
    const std::u16string address(text.begin(), text.end());
    const StartDecision decision = filter.Start(address.c_str(), true);
    require((decision == StartDecision::HandedOff) == !host.posted().empty());

    const std::string fileName = AddressParser::GetAddressFileName(text);
    require(fileName.find_first_of("/?&") == std::string::npos);
    if (AddressParser::ParseAddress(text).kind != ServiceKind::Unrecognised)
        require(!fileName.empty());
    return 0;
}
