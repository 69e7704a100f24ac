#pragma once

#include "SettingsRecord.h"

#include <span>
#include <string_view>
#include <variant>

namespace quillan {

using SettingMember = std::variant<std::string SettingsRecord::*, std::int16_t SettingsRecord::*,
                                   NumberOrText SettingsRecord::*>;

// One value of the settings record under its name. Texts marked trimmedOnLoad lose their
// surrounding blanks when read from the file; numbers and "number or text" values always do.
struct SettingField {
    const char* name;
    SettingMember member;
    bool trimmedOnLoad = false;
};

// Every value of the settings record, in file order.
std::span<const SettingField> settingFields();
const SettingField* findSettingField(std::string_view name);

// The lines of the settings file after the profile records, in order: section markers ("##...##"),
// names of settingFields(), and kProgramDataLine for the 20 launcher lines.
inline constexpr const char* kProgramDataLine = "programdata";
inline constexpr const char* kProfileSectionMarker = "##Connection Profile##";
inline constexpr const char* kDefaultProfileMarker = "##Default Profile##";
std::span<const char* const> settingsLayout();
bool isSectionMarker(std::string_view line);

} // namespace quillan
