#pragma once

#include "RecordingServices.h"

#include "controls/MailControl.h"

#include <string>

namespace quillan {

// A mail control that logs each action as `NAME check "SERVER" "USER" "PASSWORD"` or `NAME close`
// and completes nothing by itself: the test raises Done or AsyncError.
class FakeMail : public MailControl {
  public:
    FakeMail(std::string name, EffectLog& log, const long& mailbox)
        : m_name(std::move(name)), m_log(log), m_mailbox(mailbox) {}

    void setServer(const std::string& server) override { m_server = server; }
    void setUserName(const std::string& name) override { m_user = name; }
    void setPassword(const std::string& password) override { m_password = password; }
    void setAction(int action) override;
    long MessageCount() override { return m_count; }

    void raiseDone();
    void raiseError(const std::string& reason);

  private:
    std::string m_name;
    EffectLog& m_log;
    const long& m_mailbox;
    std::string m_server;
    std::string m_user;
    std::string m_password;
    long m_count = 0;
};

} // namespace quillan
