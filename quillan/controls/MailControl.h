#pragma once

#include <functional>
#include <string>

namespace quillan {

// The mail control: a POP3 mailbox asked how many messages it holds, reached through these members
// only. Setting the action starts it; every action ends with Done, or AsyncError when it failed,
// both later on the UI thread.
class MailControl {
  public:
    static constexpr int kActionCheck = 3; // connect, log in and count the messages
    static constexpr int kActionClose = 8; // close the mailbox connection

    virtual ~MailControl() = default;

    virtual void setServer(const std::string& server) = 0;
    virtual void setUserName(const std::string& name) = 0;
    virtual void setPassword(const std::string& password) = 0;
    virtual void setAction(int action) = 0;
    // Valid when Done follows a check.
    virtual long MessageCount() = 0;

    std::function<void()> Done;
    // What went wrong, in words a user can act on.
    std::function<void(const std::string& reason)> AsyncError;
};

} // namespace quillan
