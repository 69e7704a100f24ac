#include "ServiceCommands.h"

#include "ValueFormat.h"

#include "runtime/Timer.h"

#include <limits>

namespace quillan {

void ServiceCommands::addTo(CommandTable& table) {
    using AfterEnd = CommandTable::AfterEnd;
    table.add("answer", "BUTTON",
              [this](const Words& args) { m_harness.boxes.queueAnswer(parseAnswer(args[0])); });
    table.add(
        "boxes", "", [this](const Words&) { boxes(); }, AfterEnd::Answered);
    table.add(
        "events", "", [this](const Words&) { events(); }, AfterEnd::Answered);
    table.add("advance", "SECONDS", [this](const Words& args) {
        m_harness.clock.advance(
            static_cast<long>(parseInteger(args[0], "SECONDS", 0, std::numeric_limits<int>::max())));
    });
    table.add("timer", "FORM.TIMER [N]", [this](const Words& args) { timer(args); });
    // From here on the desktop has no notification area; before, the recording tray stands for one.
    table.add("tray-missing", "", [this](const Words&) { m_harness.tray.missing = true; });
}

void ServiceCommands::boxes() {
    for (const RecordingMessageBoxes::Box& box : m_harness.boxes.take())
        m_out << "box " << iconWord(box.icon) << ' ' << quoted(box.title) << ' ' << quoted(box.text) << " -> "
              << answerWord(box.answer) << '\n';
}

void ServiceCommands::events() {
    for (const std::string& line : m_harness.effects.take())
        m_out << line << '\n';
}

void ServiceCommands::timer(const Words& args) {
    Timer& timer = m_targets.as<Timer>(args[0], "a timer");
    const long long times = args.size() > 1 ? parseInteger(args[1], "N", 0, 1000000) : 1;
    long long fired = 0;
    for (long long i = 0; i < times; ++i) {
        m_pendingMs += timer.interval();
        m_harness.clock.advance(m_pendingMs / 1000);
        m_pendingMs %= 1000;
        // The timer of a window that has been unloaded meanwhile no longer runs.
        if (timer.form().loaded() && timer.enabled()) {
            timer.tick();
            ++fired;
        }
    }
    m_out << "fired " << fired << '\n';
}

} // namespace quillan
