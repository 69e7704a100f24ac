#pragma once

#include "CommandTable.h"

#include "testsupport/Harness.h"

namespace quillan {

// The mailbox both fake mail controls count, and the events they raise when told.
class MailCommands {
  public:
    explicit MailCommands(Harness& harness) : m_harness(harness) {}
    void addTo(CommandTable& table);

  private:
    // `frmStart.mail` or `frmConfig.mail1`.
    FakeMail& control(const std::string& reference);

    Harness& m_harness;
};

} // namespace quillan
