#pragma once

#include "NumberOrText.h"

#include <cstdint>
#include <string>

namespace quillan {

// Start page shown until the user picks another.
inline constexpr const char* kDefaultStartUrl = "www.debian.org";

// Every value of the settings file but the profile and launcher collections, with its start-up default.
// Flags are the texts "true" and "false".
struct SettingsRecord {
    std::string defaultprofile = "None";
    std::string connectdefault = "false";
    std::string promptpassword = "false";
    std::string traymode = "true";
    std::string minimizemode = "false";
    std::string normalmode = "false";
    std::string autodial = "false";
    std::string launchbrowser = "false";
    std::string starturl = kDefaultStartUrl;
    std::string redialtillconnect = "true";
    std::string redialntimes = "false";
    std::int16_t redialcount = 0;
    std::string reminderon = "false";
    std::int16_t reminderinterval = 1;
    std::string reminderinminutes = "false";
    std::string reminderinhours = "true";
    std::string displaytimer = "false";
    std::string unlimitedtime = "false";
    NumberOrText freehours = std::int16_t{0};
    std::int16_t freeminutes = 0;
    std::string warnfreetime = "false";
    std::string costperhour = "false";
    std::string costperminute = "false";
    NumberOrText costdollars = std::int16_t{0};
    std::string costcents = "0";
    std::string showcost = "false";
    std::string warntimepc = "false";
    NumberOrText warntimepchours = std::int16_t{0};
    std::int16_t warntimepcminutes = 0;
    std::string warntimepm = "false";
    NumberOrText warntimepmhours = std::int16_t{0};
    std::int16_t warntimepmminutes = 0;
    std::string warncostpc = "false";
    NumberOrText warncostpcdollars = std::int16_t{0};
    std::int16_t warncostpccents = 0;
    std::string warncostpm = "false";
    NumberOrText warncostpmdollars = std::int16_t{0};
    std::int16_t warncostpmcents = 0;
    std::string keepalive = "false";
    std::string playsound = "false";
    std::string defaultsound = "true";
    std::string customsound = "none";
    std::string launchprograms = "false";
    std::string mailwatch = "false";
    std::string popserver;
    std::string popuser;
    std::string poppassword;
    std::string mailinterval = "10";
    std::string mailinminutes = "true";
    std::string mailinhours = "false";
    std::string mailnotify = "false";
    std::string mailsound = "false";
    std::string mailsoundfile = "Default";
    std::string runmailprogram = "false";
    std::string mailprogram;
    // No default: empty until the user touches its check box.
    std::string hidestatus;
};

} // namespace quillan
