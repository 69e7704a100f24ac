#pragma once

#include <cstdint>
#include <string>

namespace quillan {

class Forms;
class Money;

// The five once-per-call warnings of the tick: time and cost per connection and per month, and the
// monthly free time. They only warn; nothing hangs up.
class LimitWarnings {
  public:
    explicit LimitWarnings(Forms& forms) : m_forms(forms) {}
    void check();

    // The call rate per second as the tick counts it: rounded to 1/10000 of a dollar, ties to even;
    // zero without a rate unit.
    static Money ratePerSecond(const std::string& perHour, const std::string& perMinute, const Money& rate);

  private:
    void warn(const std::string& message);

    Forms& m_forms;
};

} // namespace quillan
