#pragma once

#include "CommandTable.h"

#include "testsupport/Harness.h"

namespace quillan {

// Answers of the fake net controls, which never complete by themselves.
class NetCommands {
  public:
    explicit NetCommands(Harness& harness) : m_harness(harness) {}
    void addTo(CommandTable& table);

  private:
    void lookupDone(const Words& args);
    void timeError(const Words& args);
    // Done must have someone to hear it, or the command would do nothing unnoticed.
    template <class Control> void requireHandler(const Control& control, const char* what);

    Harness& m_harness;
};

} // namespace quillan
