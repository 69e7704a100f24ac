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

    if (s.warntimepc == "true" && m.warnedtimepc == "false") {
        const auto limit = secondsOf(s.warntimepchours, s.warntimepcminutes);
        if (limit && elapsed > *limit) {
            warn("Connection time exceeded the time limit of " + textOf(s.warntimepchours) + " hours and " +
                 std::to_string(s.warntimepcminutes) + " minutes!");
            m.warnedtimepc = "true";
        }
    }
    if (s.warntimepm == "true" && m.warnedtimepm == "false") {
        const auto limit = secondsOf(s.warntimepmhours, s.warntimepmminutes);
        if (limit && month > *limit) {
            warn("Connection time exceeded the monthly time limite of " + textOf(s.warntimepmhours) +
                 " hours and " + std::to_string(s.warntimepmminutes) + " minutes!");
            m.warnedtimepm = "true";
        }
    }

    const bool costWarnings = (s.warncostpc == "true" && m.warnedcostpc == "false") ||
                              (s.warncostpm == "true" && m.warnedcostpm == "false");
    // A rate that cannot be read leaves the cost unknown: the cost limits are then not checked.
    const auto rate = parseRate(s.costdollars, s.costcents);
    std::optional<Money> perSecond;
    if (costWarnings && rate)
        perSecond = ratePerSecond(s.costperhour, s.costperminute, *rate);
    if (perSecond && s.warncostpc == "true" && m.warnedcostpc == "false") {
        const auto cost = perSecond->times(elapsed);
        const auto limit = amountOf(s.warncostpcdollars, s.warncostpccents);
        if (cost && limit && *cost > *limit) {
            warn("Connection cost exceeded the limit of $ " + textOf(s.warncostpcdollars) + "." +
                 twoDigits(s.warncostpccents) + ".");
            m.warnedcostpc = "true";
        }
    }
    if (perSecond && s.warncostpm == "true" && m.warnedcostpm == "false") {
        const auto cost = perSecond->times(month);
        const auto limit = amountOf(s.warncostpmdollars, s.warncostpmcents);
        if (cost && limit && *cost > *limit) {
            warn("Connection cost exceeded the monthly limit of $ " + textOf(s.warncostpmdollars) + "." +
                 twoDigits(s.warncostpmcents) + ".");
            m.warnedcostpm = "true";
        }
    }

    if (s.warnfreetime == "true" && s.unlimitedtime == "false" && m.warnedfreetime == "false") {
        const auto limit = secondsOf(s.freehours, s.freeminutes);
        if (limit && month > *limit) {
            warn("Connection time exceeded the free allocated time!");
            m.warnedfreetime = "true";
        }
    }
}

void LimitWarnings::warn(const std::string& message) {
    frmWarn& window = m_forms.get<frmWarn>();
    window.labelWarn.setCaption(message);
    window.show();
}

} // namespace quillan
