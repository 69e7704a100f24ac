#include "SettingsLayout.h"

#include <array>

namespace quillan {

namespace {

using R = SettingsRecord;

const SettingField kFields[] = {
    {"defaultprofile", &R::defaultprofile},
    {"connectdefault", &R::connectdefault},
    {"promptpassword", &R::promptpassword},
    {"traymode", &R::traymode},
    {"minimizemode", &R::minimizemode},
    {"normalmode", &R::normalmode},
    {"autodial", &R::autodial},
    {"launchbrowser", &R::launchbrowser},
    {"starturl", &R::starturl},
    {"redialtillconnect", &R::redialtillconnect},
    {"redialntimes", &R::redialntimes},
    {"redialcount", &R::redialcount},
    {"reminderon", &R::reminderon},
    {"reminderinterval", &R::reminderinterval},
    {"reminderinminutes", &R::reminderinminutes},
    {"reminderinhours", &R::reminderinhours},
    {"displaytimer", &R::displaytimer},
    {"unlimitedtime", &R::unlimitedtime},
    {"freehours", &R::freehours},
    {"freeminutes", &R::freeminutes},
    {"warnfreetime", &R::warnfreetime},
    {"costperhour", &R::costperhour},
    {"costperminute", &R::costperminute},
    {"costdollars", &R::costdollars},
    {"costcents", &R::costcents, true},
    {"showcost", &R::showcost},
    {"warntimepc", &R::warntimepc},
    {"warntimepchours", &R::warntimepchours},
    {"warntimepcminutes", &R::warntimepcminutes},
    {"warntimepm", &R::warntimepm},
    {"warntimepmhours", &R::warntimepmhours},
    {"warntimepmminutes", &R::warntimepmminutes},
    {"warncostpc", &R::warncostpc},
    {"warncostpcdollars", &R::warncostpcdollars},
    {"warncostpccents", &R::warncostpccents},
    {"warncostpm", &R::warncostpm},
    {"warncostpmdollars", &R::warncostpmdollars},
    {"warncostpmcents", &R::warncostpmcents},
    {"keepalive", &R::keepalive},
    {"playsound", &R::playsound},
    {"defaultsound", &R::defaultsound},
    {"customsound", &R::customsound},
    {"launchprograms", &R::launchprograms},
    {"mailwatch", &R::mailwatch},
    {"popserver", &R::popserver},
    {"popuser", &R::popuser},
    {"poppassword", &R::poppassword},
    {"mailinterval", &R::mailinterval},
    {"mailinminutes", &R::mailinminutes},
    {"mailinhours", &R::mailinhours},
    {"mailnotify", &R::mailnotify},
    {"mailsound", &R::mailsound},
    {"mailsoundfile", &R::mailsoundfile},
    {"runmailprogram", &R::runmailprogram},
    {"mailprogram", &R::mailprogram},
    {"hidestatus", &R::hidestatus},
};

// One section a line.
// clang-format off
const char* const kLayout[] = {
    kDefaultProfileMarker, "defaultprofile",
    "##Connect Default##", "connectdefault", "promptpassword",
    "##Window State##", "traymode", "minimizemode", "normalmode",
    "##AutoDial##", "autodial",
    "##Launch Web Browser##", "launchbrowser", "starturl",
    "##Redial Number##", "redialtillconnect", "redialntimes", "redialcount",
    "##Activate Reminder##", "reminderon", "reminderinterval", "reminderinminutes", "reminderinhours",
    "##Display Timer##", "displaytimer",
    "##Unlimited Connection##", "unlimitedtime",
    "##Free Time Values##", "freehours", "freeminutes",
    "##Warn Free Time##", "warnfreetime",
    "##Variable Cost##", "costperhour", "costperminute", "costdollars", "costcents",
    "##Connection Cost##", "showcost",
    "##Warn time PC##", "warntimepc", "warntimepchours", "warntimepcminutes",
    "##Warn time PM##", "warntimepm", "warntimepmhours", "warntimepmminutes",
    "##Warn cost PC##", "warncostpc", "warncostpcdollars", "warncostpccents",
    "##Warn cost PM##", "warncostpm", "warncostpmdollars", "warncostpmcents",
    "##Simulate##", "keepalive",
    "##Play Sound##", "playsound",
    "##Default/Custom Sound##", "defaultsound", "customsound",
    "##Program DATA##", kProgramDataLine,
    "##Launch Program##", "launchprograms",
    "##Mail Watch##", "mailwatch", "popserver", "popuser", "poppassword", "mailinterval", "mailinminutes",
    "mailinhours", "mailnotify", "mailsound", "mailsoundfile", "runmailprogram", "mailprogram",
    "##Connection Status##", "hidestatus",
};
// clang-format on

} // namespace

std::span<const SettingField> settingFields() {
    return kFields;
}

const SettingField* findSettingField(std::string_view name) {
    for (const auto& field : kFields)
        if (name == field.name)
            return &field;
    return nullptr;
}

std::span<const char* const> settingsLayout() {
    return kLayout;
}

bool isSectionMarker(std::string_view line) {
    return line.size() >= 4 && line.starts_with("##") && line.ends_with("##");
}

} // namespace quillan
