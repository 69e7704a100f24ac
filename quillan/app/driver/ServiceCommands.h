#pragma once

#include "CommandTable.h"
#include "FormTargets.h"

#include "testsupport/Harness.h"

#include <ostream>

namespace quillan {

// The recording services and the virtual clock: message box answers and records, outside effects,
// time and timers, and whether the desktop has a tray.
class ServiceCommands {
  public:
    ServiceCommands(Harness& harness, const FormTargets& targets, std::ostream& out)
        : m_harness(harness), m_targets(targets), m_out(out) {}
    void addTo(CommandTable& table);

  private:
    void boxes();
    void events();
    void timer(const Words& args);

    Harness& m_harness;
    const FormTargets& m_targets;
    std::ostream& m_out;
    // Milliseconds of timer intervals not yet a whole second of the clock.
    long m_pendingMs = 0;
};

} // namespace quillan
