#pragma once

#include "CommandTable.h"

#include "testsupport/FakeDialUp.h"

#include <ostream>

namespace quillan {

// The phonebook, line state and progress events of the fake dial-up control, and its call record.
class DialUpCommands {
  public:
    DialUpCommands(FakeDialUp& dialUp, std::ostream& out) : m_dialUp(dialUp), m_out(out) {}
    void addTo(CommandTable& table);

  private:
    void entry(const Words& args);
    // What the next new-entry editor will have been filled in with.
    void createEntry(const Words& args);
    void removeEntry(const Words& args);
    void online(const Words& args);
    void progress(const Words& args);
    void calls();

    FakeDialUp& m_dialUp;
    std::ostream& m_out;
};

} // namespace quillan
