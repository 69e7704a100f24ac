#pragma once

#include "CommandTable.h"
#include "ControlCommands.h"
#include "FormTargets.h"

#include "testsupport/Harness.h"

#include <map>
#include <string>

namespace quillan {

// The outside world of the connect-time actions: what the browser lookup answers, programs that
// refuse to start, the drives, the process's folder, folder lists moved, and clicks a user makes
// while a long handler lets events through.
class ConnectActionCommands {
  public:
    ConnectActionCommands(Harness& harness, const FormTargets& targets, ControlCommands& controls);
    ~ConnectActionCommands();
    void addTo(CommandTable& table);

  private:
    void browser(const std::string& answer);
    void changeFolder(const std::string& folder);
    void setPath(const Words& args);
    void pumpClick(const Words& args);
    void pumped(int calls);
    std::string inside(const std::string& path) const;

    Harness& m_harness;
    const FormTargets& m_targets;
    ControlCommands& m_controls;
    // Clicks to make, by the pump count at which they come.
    std::multimap<int, std::string> m_pendingClicks;
};

} // namespace quillan
