#pragma once

#include "Module1.h"

#include <optional>
#include <string>
#include <variant>

namespace quillan {

using StateValue = std::variant<std::string, long long>;

// A module-level value by its name: any setting of the settings record (a "number or text" setting
// as whichever it holds), or one of firstrun, newprofilepending, profilecount, currentprofile,
// dialing, connected, userhangup, dialalternates, exiting, starttime and hanguptime (seconds since
// the epoch), lastduration, seconds, minutes, hours, the warned flags, monthlytotal and
// monthlylogcount. nullopt for any other name.
std::optional<StateValue> stateValue(const Module1& m, const std::string& name);

} // namespace quillan
