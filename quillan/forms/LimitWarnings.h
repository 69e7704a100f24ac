#pragma once

#include "modules/NumberOrText.h"

#include <cstdint>
#include <optional>
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
    void checkTime(const std::string& on, std::string& warned, std::int64_t seconds,
                   const NumberOrText& hours, std::int16_t minutes, const char* message);
    void checkCost(const std::string& on, std::string& warned, const std::optional<Money>& cost,
                   const NumberOrText& dollars, std::int16_t cents, const char* message);
    void warn(const std::string& message);

    Forms& m_forms;
};

} // namespace quillan
