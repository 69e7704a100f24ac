#include "StateNames.h"

#include "SettingsLayout.h"

#include <string_view>

namespace quillan {

namespace {

struct NamedState {
    const char* name;
    StateValue (*read)(const Module1&);
};

const NamedState kStates[] = {
    {"firstrun", [](const Module1& m) -> StateValue { return m.firstrun; }},
    {"newprofilepending", [](const Module1& m) -> StateValue { return m.newprofilepending; }},
    {"profilecount", [](const Module1& m) -> StateValue { return m.profilecount; }},
    {"currentprofile", [](const Module1& m) -> StateValue { return m.currentprofile; }},
    {"dialing", [](const Module1& m) -> StateValue { return m.dialing; }},
    {"connected", [](const Module1& m) -> StateValue { return m.connected; }},
    {"userhangup", [](const Module1& m) -> StateValue { return m.userhangup; }},
    {"dialalternates", [](const Module1& m) -> StateValue { return m.dialalternates; }},
    {"exiting", [](const Module1& m) -> StateValue { return m.exiting; }},
    {"starttime", [](const Module1& m) -> StateValue { return static_cast<long long>(m.starttime); }},
    {"hanguptime", [](const Module1& m) -> StateValue { return static_cast<long long>(m.hanguptime); }},
    {"lastduration", [](const Module1& m) -> StateValue { return m.lastduration; }},
    {"seconds", [](const Module1& m) -> StateValue { return m.clock.seconds; }},
    {"minutes", [](const Module1& m) -> StateValue { return m.clock.minutes; }},
    {"hours", [](const Module1& m) -> StateValue { return m.clock.hours; }},
    {"warnedtimepc", [](const Module1& m) -> StateValue { return m.warnedtimepc; }},
    {"warnedtimepm", [](const Module1& m) -> StateValue { return m.warnedtimepm; }},
    {"warnedcostpc", [](const Module1& m) -> StateValue { return m.warnedcostpc; }},
    {"warnedcostpm", [](const Module1& m) -> StateValue { return m.warnedcostpm; }},
    {"warnedfreetime", [](const Module1& m) -> StateValue { return m.warnedfreetime; }},
    {"monthlytotal", [](const Module1& m) -> StateValue { return m.monthlytotal; }},
    {"monthlylogcount",
     [](const Module1& m) -> StateValue { return static_cast<long long>(m.monthlylog.size()); }},
};

StateValue settingValue(const SettingsRecord& settings, const SettingMember& member) {
    struct Read {
        const SettingsRecord& settings;
        StateValue operator()(std::string SettingsRecord::*field) const { return settings.*field; }
        StateValue operator()(std::int16_t SettingsRecord::*field) const { return settings.*field; }
        StateValue operator()(NumberOrText SettingsRecord::*field) const {
            return std::visit([](const auto& held) -> StateValue { return held; }, settings.*field);
        }
    };
    return std::visit(Read{settings}, member);
}

} // namespace

std::optional<StateValue> stateValue(const Module1& m, const std::string& name) {
    if (const SettingField* field = findSettingField(name))
        return settingValue(m.settings, field->member);
    for (const auto& state : kStates)
        if (name == state.name)
            return state.read(m);
    return std::nullopt;
}

} // namespace quillan
