#include "modules/StateNames.h"
#include "modules/SettingsLayout.h"

#include <gtest/gtest.h>

using namespace quillan;

TEST(StateNames, everySettingOfTheRecord_answersByItsName) {
    const Module1 m;
    for (const auto& field : settingFields())
        EXPECT_TRUE(stateValue(m, field.name).has_value()) << field.name;
    EXPECT_EQ(settingFields().size(), 56u);
}

TEST(StateNames, settings_answerWithTheirCurrentValues) {
    Module1 m;
    m.settings.defaultprofile = "Work";
    m.settings.redialcount = -4;
    m.settings.mailinterval = "15";
    EXPECT_EQ(stateValue(m, "defaultprofile"), StateValue(std::string("Work")));
    EXPECT_EQ(stateValue(m, "redialcount"), StateValue(-4LL));
    EXPECT_EQ(stateValue(m, "mailinterval"), StateValue(std::string("15")));
    EXPECT_EQ(stateValue(m, "hidestatus"), StateValue(std::string("")));
}

TEST(StateNames, numberOrTextSetting_answersAsWhicheverItHolds) {
    Module1 m;
    m.settings.freehours = std::int16_t{12};
    EXPECT_EQ(stateValue(m, "freehours"), StateValue(12LL));
    m.settings.freehours = std::string("12");
    EXPECT_EQ(stateValue(m, "freehours"), StateValue(std::string("12")));
}

TEST(StateNames, connectionState_answersWithTheCallsValues) {
    Module1 m;
    m.connected = "true";
    m.currentprofile = "Home";
    m.starttime = 1768471200;
    m.clock.hours = 2;
    m.clock.minutes = 5;
    m.clock.seconds = 7;
    m.warnedcostpm = "true";
    m.monthlylog = {std::string(" 10 "), 20LL};
    m.monthlytotal = 10;
    m.profilecount = 3;
    EXPECT_EQ(stateValue(m, "connected"), StateValue(std::string("true")));
    EXPECT_EQ(stateValue(m, "dialing"), StateValue(std::string("false")));
    EXPECT_EQ(stateValue(m, "currentprofile"), StateValue(std::string("Home")));
    EXPECT_EQ(stateValue(m, "starttime"), StateValue(1768471200LL));
    EXPECT_EQ(stateValue(m, "hours"), StateValue(2LL));
    EXPECT_EQ(stateValue(m, "minutes"), StateValue(5LL));
    EXPECT_EQ(stateValue(m, "seconds"), StateValue(7LL));
    EXPECT_EQ(stateValue(m, "warnedcostpm"), StateValue(std::string("true")));
    EXPECT_EQ(stateValue(m, "warnedtimepc"), StateValue(std::string("false")));
    EXPECT_EQ(stateValue(m, "monthlylogcount"), StateValue(2LL));
    EXPECT_EQ(stateValue(m, "monthlytotal"), StateValue(10LL));
    EXPECT_EQ(stateValue(m, "profilecount"), StateValue(3LL));
    EXPECT_EQ(stateValue(m, "firstrun"), StateValue(std::string("true")));
}

TEST(StateNames, everyNamedStateValue_answers) {
    const Module1 m;
    for (const char* name :
         {"firstrun",     "newprofilepending", "profilecount",   "currentprofile", "dialing",
          "connected",    "userhangup",        "dialalternates", "exiting",        "starttime",
          "hanguptime",   "lastduration",      "seconds",        "minutes",        "hours",
          "warnedtimepc", "warnedtimepm",      "warnedcostpc",   "warnedcostpm",   "warnedfreetime",
          "monthlytotal", "monthlylogcount"})
        EXPECT_TRUE(stateValue(m, name).has_value()) << name;
}

TEST(StateNames, unknownOrMiscasedName_answersNothing) {
    const Module1 m;
    EXPECT_FALSE(stateValue(m, "nosuchvalue").has_value());
    EXPECT_FALSE(stateValue(m, "Connected").has_value());
    EXPECT_FALSE(stateValue(m, "").has_value());
}
