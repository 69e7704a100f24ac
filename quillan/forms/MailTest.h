#pragma once

#include <cstdint>

namespace quillan {

class Forms;
class frmConfig;

// The configuration console's "Check for new mail" button and its mail control `mail1`.
class MailTest {
  public:
    MailTest(Forms& forms, frmConfig& config);
    ~MailTest();
    MailTest(const MailTest&) = delete;
    MailTest& operator=(const MailTest&) = delete;

  private:
    enum class State { Idle, Checking, Closing };

    void cmdCheckMail_Click();
    void mail1_Done();
    bool anyEntryConnected();

    Forms& m_forms;
    frmConfig& m_config;
    State m_state = State::Idle;
};

} // namespace quillan
