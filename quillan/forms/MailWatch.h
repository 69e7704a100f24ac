#pragma once

#include <cstdint>

namespace quillan {

class Forms;

// The main console's mail control `mail`: the periodic check while a call is up and its handlers.
class MailWatch {
  public:
    static constexpr std::int16_t kIdle = 0;
    static constexpr std::int16_t kChecking = 7;
    static constexpr std::int16_t kHandling = 1;
    static constexpr std::int16_t kClosing = 9;

    explicit MailWatch(Forms& forms);
    ~MailWatch();
    MailWatch(const MailWatch&) = delete;
    MailWatch& operator=(const MailWatch&) = delete;

    // Due by the tick's mail interval.
    void startCheck();
    std::int16_t state() const { return m_state; }

  private:
    void mail_Done();
    void mail_AsyncError() {}

    Forms& m_forms;
    std::int16_t m_state = kIdle;
};

} // namespace quillan
