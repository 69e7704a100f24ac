#include "LimitWarnings.h"

#include "Forms.h"
#include "frmWarn.h"
#include "modules/Money.h"
#include "modules/Numeric.h"

namespace quillan {

namespace {

std::string textOf(const NumberOrText& value) {
    const auto* number = std::get_if<std::int16_t>(&value);
    return number ? std::to_string(*number) : std::get<std::string>(value);
}

// A time limit in seconds; a limit whose hours are not a number is not checked.
std::optional<double> secondsOf(const NumberOrText& hours, std::int16_t minutes) {
    const auto h = toNumber(textOf(hours));
    if (!h)
        return std::nullopt;
    return *h * 3600 + minutes * 60.0;
}

// A cost limit; a limit whose dollars are not a number is not checked.
std::optional<Money> amountOf(const NumberOrText& dollars, std::int16_t cents) {
    const auto d = Money::parse(textOf(dollars));
    if (!d)
        return std::nullopt;
    return Money::fromUnits(d->units() + std::int64_t{cents} * (Money::kScale / 100));
}

// Cents as at least two digits: 5 gives "05", -5 gives "-05".
std::string twoDigits(std::int16_t cents) {
    const std::string digits = std::to_string(cents < 0 ? -cents : cents);
    return (cents < 0 ? "-" : "") + (digits.size() < 2 ? "0" + digits : digits);
}

// units / divisor rounded to the nearest unit, ties to even, computed exactly.
std::int64_t divideRounded(std::int64_t units, std::int64_t divisor) {
    std::int64_t quotient = units / divisor;
    const std::int64_t twiceRest = 2 * (units % divisor);
    if (twiceRest > divisor || (twiceRest == divisor && quotient % 2 != 0))
        ++quotient;
    else if (twiceRest < -divisor || (twiceRest == -divisor && quotient % 2 != 0))
        --quotient;
    return quotient;
}

} // namespace

Money LimitWarnings::ratePerSecond(const std::string& perHour, const std::string& perMinute,
                                   const Money& rate) {
    if (perHour == "true")
        return Money::fromUnits(divideRounded(rate.units(), 3600));
    if (perMinute == "true")
        return Money::fromUnits(divideRounded(rate.units(), 60));
    return Money{};
}

void LimitWarnings::check() {
    Module1& m = m_forms.m();
    const SettingsRecord& s = m.settings;
    const ConnectionClock& clock = m.clock;
    const std::int64_t elapsed = std::int64_t{clock.hours} * 3600 + clock.minutes * 60 + clock.seconds;
    const std::int64_t month = m.monthlytotal + elapsed;

    checkTime(s.warntimepc, m.warnedtimepc, elapsed, s.warntimepchours, s.warntimepcminutes,
              "Connection time exceeded the time limit of ");
    checkTime(s.warntimepm, m.warnedtimepm, month, s.warntimepmhours, s.warntimepmminutes,
              "Connection time exceeded the monthly time limite of ");

    const bool costWarnings = (s.warncostpc == "true" && m.warnedcostpc == "false") ||
                              (s.warncostpm == "true" && m.warnedcostpm == "false");
    // A rate that cannot be read leaves the cost unknown: the cost limits are then not checked.
    const auto rate = parseRate(s.costdollars, s.costcents);
    if (costWarnings && rate) {
        const Money perSecond = ratePerSecond(s.costperhour, s.costperminute, *rate);
        checkCost(s.warncostpc, m.warnedcostpc, perSecond.times(elapsed), s.warncostpcdollars,
                  s.warncostpccents, "Connection cost exceeded the limit of $ ");
        checkCost(s.warncostpm, m.warnedcostpm, perSecond.times(month), s.warncostpmdollars,
                  s.warncostpmcents, "Connection cost exceeded the monthly limit of $ ");
    }

    if (s.warnfreetime == "true" && s.unlimitedtime == "false" && m.warnedfreetime == "false") {
        const auto limit = secondsOf(s.freehours, s.freeminutes);
        if (limit && month > *limit) {
            warn("Connection time exceeded the free allocated time!");
            m.warnedfreetime = "true";
        }
    }
}

void LimitWarnings::checkTime(const std::string& on, std::string& warned, std::int64_t seconds,
                              const NumberOrText& hours, std::int16_t minutes, const char* message) {
    if (on != "true" || warned != "false")
        return;
    const auto limit = secondsOf(hours, minutes);
    if (limit && seconds > *limit) {
        warn(message + textOf(hours) + " hours and " + std::to_string(minutes) + " minutes!");
        warned = "true";
    }
}

void LimitWarnings::checkCost(const std::string& on, std::string& warned, const std::optional<Money>& cost,
                              const NumberOrText& dollars, std::int16_t cents, const char* message) {
    if (on != "true" || warned != "false")
        return;
    const auto limit = amountOf(dollars, cents);
    if (cost && limit && *cost > *limit) {
        warn(message + textOf(dollars) + "." + twoDigits(cents) + ".");
        warned = "true";
    }
}

void LimitWarnings::warn(const std::string& message) {
    m_forms.get<frmWarn>().showWarning(message);
}

} // namespace quillan
