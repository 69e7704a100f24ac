#include "NetCommands.h"

#include "CommandError.h"
#include "ValueFormat.h"

#include <cstdint>
#include <limits>

namespace quillan {

template <class Control> void NetCommands::requireHandler(const Control& control, const char* what) {
    if (!control.Done)
        throw CommandError(std::string("nothing handles the ") + what + " control's Done yet");
}

void NetCommands::addTo(CommandTable& table) {
    table.add("lookup-done", "CODE [TEXT]", [this](const Words& args) { lookupDone(args); });
    table.add("finger-done", "[LINE...]", [this](const Words& args) {
        requireHandler(m_harness.finger, "finger");
        m_harness.finger.complete(args);
    });
    table.add("finger-fails", "", [this](const Words&) {
        requireHandler(m_harness.finger, "finger");
        m_harness.finger.fail();
    });
    table.add("whois-done", "[LINE...]", [this](const Words& args) {
        requireHandler(m_harness.whois, "whois");
        m_harness.whois.complete(args);
    });
    table.add("whois-fails", "", [this](const Words&) {
        requireHandler(m_harness.whois, "whois");
        m_harness.whois.fail();
    });
    table.add("time-done", "TEXT", [this](const Words& args) {
        requireHandler(m_harness.time, "time");
        m_harness.time.complete(args[0]);
    });
    table.add("time-error", "N", [this](const Words& args) { timeError(args); });
}

void NetCommands::lookupDone(const Words& args) {
    const auto code = static_cast<std::int16_t>(parseInteger(
        args[0], "CODE", std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
    requireHandler(m_harness.hostLookup, "host lookup");
    m_harness.hostLookup.complete(code, args.size() > 1 ? &args[1] : nullptr);
}

void NetCommands::timeError(const Words& args) {
    m_harness.time.nextError =
        static_cast<int>(parseInteger(args[0], "N", 1, std::numeric_limits<std::int32_t>::max()));
}

} // namespace quillan
