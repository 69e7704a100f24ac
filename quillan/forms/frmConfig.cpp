#include "frmConfig.h"

#include "ConnectActions.h"
#include "FormCatalog.h"
#include "Forms.h"
#include "frmAlternateDial.h"
#include "frmCloseConfig.h"
#include "frmCreateShortcut.h"
#include "frmDialSelected.h"
#include "frmEditProfile.h"
#include "frmMailBrowse.h"
#include "frmMailSound.h"
#include "frmProgramLauncher.h"
#include "frmSound.h"
#include "frmStart.h"
#include "frmWarnNewConnection.h"
#include "modules/ImportedProfile.h"
#include "modules/Numeric.h"
#include "modules/ProgramTitle.h"
#include "modules/SettingsFile.h"

#include <algorithm>
#include <initializer_list>

namespace quillan {

QUILLAN_REGISTER_FORM(frmConfig);

namespace {

void describe(Control& control, const char* caption, const char* toolTip = "") {
    control.setCaption(caption);
    control.setToolTip(toolTip);
}

bool isTrue(const std::string& flag) {
    return flag == "true";
}
const char* flagText(bool value) {
    return value ? "true" : "false";
}

// A setting held as a number or as text, as a box shows it.
std::string boxText(const NumberOrText& value) {
    if (const auto* number = std::get_if<std::int16_t>(&value))
        return std::to_string(*number);
    return std::get<std::string>(value);
}

// Stores the box's text as a 16-bit number into an int16 or number-or-text setting.
template <class Field> auto asInt16(Field SettingsRecord::*field) {
    return [field](SettingsRecord& settings, std::string_view text) {
        const std::optional<std::int16_t> value = toInt16(text);
        if (value)
            settings.*field = *value;
        return value.has_value();
    };
}

// Stores the box's trimmed text, once it reads as a number.
template <class Field> auto asNumericText(Field SettingsRecord::*field) {
    return [field](SettingsRecord& settings, std::string_view text) {
        if (!isNumeric(text))
            return false;
        settings.*field = trimBlanks(text);
        return true;
    };
}

const char* const kSelectProfileFirst = "Select a Connection Profile first";

} // namespace

frmConfig::frmConfig(Forms& forms)
    : Form(forms.services(), kName, "Quillan Configuration Console", 6000), m_forms(forms) {
    describe(cmdSave, "&Save configurations",
             "Save all the configurations i.e.Connection,Cost,Warnings and Options");
    describe(cmdCloseConfigurationConsole, "Cl&ose Configurations",
             "Close configuration window without saving");

    describe(Frame1, "Connection Profiles");
    describe(listProfiles, "", "List of Dialup Networking profiles.");
    describe(Label1, "&Username :");
    describe(Label3, "Pass&word :");
    describe(Label4, "Dom&ain :");
    textPassword.setPasswordChar('*');
    describe(Label5, "Default &Connection Profile :");
    describe(textDefault, "None", "Current Default Connection Profile");
    describe(cmdMakeDefault, "&Make Default", "Make the selected profile the default connection");
    describe(cmdSetDefaultNone, "Set De&fault to None", "Set Default Connection to None");
    describe(checkDialAlternate, "Dial alternate numbers");
    describe(cmdDial, "&Dial selected...", "Dial the selected connection profile");
    describe(cmdEditProfile, "&Edit Profile", "Edit the Selected Profile");
    describe(cmdProperties, "Profile &Properties", "Edit your connection profile properties");
    describe(cmdNewProfile, "&New Connection", "Create a new DialUp Networking Connection Profile");
    describe(Label2,
             "Do you wish to dial the default connection profile each time you connect with Quillan ?");
    describe(Label7, "(Recommended)");
    describe(optionConnectDefaultYes, "Yes",
             "Quillan will dial your stated Default Connection each time you connect");
    describe(optionConnectDefaultNo, "No",
             "If no, then you will choose the connection profile at each connection");
    describe(Frame2, "Authentication");
    // The password question belongs to the default connection: shown only while it is dialed each time.
    Frame2.setVisible(false);
    describe(Label6, "Prompt for password at each default connection?");
    describe(
        optionYesPromptPassword, "Yes",
        "You would be prompted to enter the password which is the same as the default connection password.");
    describe(optionNoPromptPassword, "No", "Quillan would not prompt you for any password.");

    describe(checkConnectionCost, "Show connection cost after hang up",
             "Show the total cost for the connection after hang up.");
    describe(checkWarnFreeTime, "Warn if total connection time exceeds the free connection time per month",
             "Display warning box if total elapsed connection time exceeded the free time per month");
    describe(checkUnlimitedConnection, "Unlimited Connection Time",
             "Check this box if you are not charged for internet access by time.");
    describe(Frame4, "Variable Connection Cost");
    describe(optionCPH, "Cost per hour", "Connection cost is charged by per hour basis");
    describe(optionCPM, "Cost per minute", "Connection cost is charged by per minute basis");
    describe(Label8, "&Enter the amount charged by your ISP for the time spent online :");
    describe(Label9, "$");
    describe(textVarDollar, "0", "Enter the dollar amount. Please enter a number 0-9");
    describe(Label10, " .");
    describe(textVarCent, "00", "Enter the cent amount. Enter a value from 0-9");
    describe(Frame5, "Free Connection Time Per Month");
    describe(Label11,
             "Enter the amount of &free connection time given to you per month by your Internet Service "
             "Providers :");
    describe(textFreeHour, "0", "Enter the amount of free hours given to you per month");
    describe(Label12, "Hours");
    describe(textFreeMinute, "0", "Enter the free minutes given to you per month");
    describe(Label13, "Minutes");

    describe(Frame3, "Connection Time Limit Warnings");
    describe(checkWarnTimePC, "Warn if connection time per connection exceeds :");
    describe(textWarnTimePCh, "0");
    describe(Label14, " h");
    describe(textWarnTimePCm, "00");
    describe(Label15, " m");
    describe(checkWarnTimePM, "Warn if total connection time per month exceeds :");
    describe(textWarnTimePMh, "0");
    describe(Label16, " h");
    describe(textWarnTimePMm, "00");
    describe(Label17, " m");
    describe(Frame7, "Connection Cost Limit Warnings");
    describe(checkWarnCostPC, "Warn if connection cost per connection exceeds :");
    describe(Label18, "$");
    describe(textWarnCostPCd, "0");
    describe(Label19, " .");
    describe(textWarnCostPCc, "00");
    describe(checkWarnCostPM, "Warn if total connection cost per month exceeds :");
    describe(Label20, "$");
    describe(textWarnCostPMd, "0");
    describe(Label21, " .");
    describe(textWarnCostPMc, "00");

    describe(checkStatus, "Hide Connection Status on Start-Up",
             "Hide the connection status display upon launching Quillan");
    describe(cmdCreateShort, "Desktop Shortcut",
             "Create a shortcut to Quillan on your desktop. Highly Recommended.");
    describe(Frame6, "General");
    describe(checkLaunchPrograms, "Launch other programs during or after a connection");
    describe(checkPlaySound, "Activate sound when connected",
             "Quillan would play a sound when connection is established");
    describe(checkSimulate, "Maintain Connection Uptime",
             "When connection is idle, Quillan will simulate transmission to prevent disconnection");
    describe(checkAutoDial, "Auto-dial upon launching Quillan",
             "Automate the dialing sequence when starting Quillan");
    describe(checkDisplayTimer, "Display timer console after connection",
             "Pop ups a timer window displaying the elapsed time after connection");
    describe(checkLaunchBrowser, "Launch default web browser after connection with start page as :",
             "Run your default WWW browser after a successful connection");
    describe(Label32, "http://");
    describe(textStartURL, kDefaultStartUrl, "Specify the start page URL for your WWW browser to load");
    describe(cmdLaunchBrowser, "", "Create and run a new web browser window with the start page URL");
    describe(Frame10, "Redialing");
    describe(Label22, "If connection fails,");
    describe(optionRedialForXTimes, "Redial a maximum of",
             "If line is busy or connection fails, redial your stated number of attempts");
    describe(textRedialNumber, "3",
             "Maximum number of redial attempts to dial when line is busy or connection fails");
    describe(Label23, "times");
    describe(optionRedialTillConnect, "Redial till connected",
             "If line is busy or connection fails, redial till connected");
    describe(Frame9, "Reminder");
    describe(checkActivateReminder, "Activate Reminder every", "Pop ups a reminder window");
    describe(textReminder, "", "Time interval value for the reminder window to pop up");
    describe(optionReminderMinute, "minute", "Time interval is in minute");
    describe(optionReminderHour, "hour", "Time interval is in hour");

    describe(checkActivateMail, "Activate Mail Watch");
    describe(cmdCheckMail, "&Check for new mail", "Check your POP3 inbox for new mail(s)");
    describe(Frame8, "Mai Watch Options");
    describe(Frame11, "Interval");
    describe(Label24, "Check for new mail &every");
    describe(optionMailTimeMinute, "minute");
    describe(optionMailTimeHour, "hour");
    describe(Frame12, "Configurations");
    describe(Label25, "&POP server name :");
    describe(Label26, "Mail &Username :");
    describe(Label27, "Mail Pass&word :");
    textPOPPassword.setPasswordChar('*');
    describe(Frame13, "New Mail Events");
    describe(Label28, "If new mail arrives,");
    describe(checkMailDisplayNW, "Display Notification Window");
    describe(checkMailSound, "Play sound file at...");
    describe(checkMailRunEmail, "Run Email Program at...");
    describe(cmdMailBrowse, "...");
    describe(cmdMailBrowseSound, "...");

    bindFlagBoxes();
    // Designed to match the settings a first run starts with, which the set-up after loading does not reach.
    for (const FlagBox& flag : m_flagBoxes)
        followTick(flag);
    optionRedialTillConnect.setValue(true);
    textRedialNumber.setEnabled(false);
    optionReminderHour.setValue(true);
    optionMailTimeMinute.setValue(true);
    bindOptionPairs();
    bindNumericBoxes();
    bindTextBoxes();
    bindPageButtons();
    listProfiles.Click = [this] { listProfiles_Click(); };
    checkDialAlternate.Click = [this] { checkDialAlternate_Click(); };
    cmdDialAlternate.Click = [this] { cmdDialAlternate_Click(); };
    cmdDial.Click = [this] { cmdDial_Click(); };
    cmdMakeDefault.Click = [this] { cmdMakeDefault_Click(); };
    cmdSetDefaultNone.Click = [this] { cmdSetDefaultNone_Click(); };
    optionConnectDefaultYes.Click = [this] { optionConnectDefaultYes_Click(); };
    optionConnectDefaultNo.Click = [this] { optionConnectDefaultNo_Click(); };
    cmdSave.Click = [this] { cmdSave_Click(); };
    cmdCloseConfigurationConsole.Click = [this] { cmdCloseConfigurationConsole_Click(); };
    cmdNewProfile.Click = [this] { cmdNewProfile_Click(); };
    cmdEditProfile.Click = [this] { cmdEditProfile_Click(); };
    cmdProperties.Click = [this] { cmdProperties_Click(); };
    cmdCreateShort.Click = [this] { cmdCreateShort_Click(); };
    cmdLaunchPrograms.Click = [this] { m_forms.get<frmProgramLauncher>().show(); };
    cmdShowSound.Click = [this] { m_forms.get<frmSound>().show(); };
    cmdMailBrowseSound.Click = [this] { m_forms.get<frmMailSound>().show(); };
    cmdMailBrowse.Click = [this] { m_forms.get<frmMailBrowse>().show(); };
    cmdLaunchBrowser.Click = [this] { LaunchBrowser(m_forms); };
}

void frmConfig::bindFlagBoxes() {
    using S = SettingsRecord;
    m_flagBoxes = std::vector<FlagBox>{
        {checkConnectionCost, &S::showcost, {}, {}, {}},
        {checkWarnFreeTime, &S::warnfreetime, {}, {}, {}},
        {checkUnlimitedConnection, &S::unlimitedtime, {}, {}, {&Frame4, &Frame5}},
        {checkWarnTimePC, &S::warntimepc, {&textWarnTimePCh, &textWarnTimePCm}, {}, {}},
        {checkWarnTimePM, &S::warntimepm, {&textWarnTimePMh, &textWarnTimePMm}, {}, {}},
        {checkWarnCostPC, &S::warncostpc, {&textWarnCostPCd, &textWarnCostPCc}, {}, {}},
        {checkWarnCostPM, &S::warncostpm, {&textWarnCostPMd, &textWarnCostPMc}, {}, {}},
        {checkStatus, &S::hidestatus, {}, {}, {}},
        {checkLaunchPrograms, &S::launchprograms, {&cmdLaunchPrograms}, {}, {}},
        {checkPlaySound, &S::playsound, {&cmdShowSound}, {}, {}},
        {checkSimulate, &S::keepalive, {}, {}, {}},
        {checkAutoDial, &S::autodial, {}, {}, {}},
        {checkDisplayTimer, &S::displaytimer, {}, {}, {}},
        {checkLaunchBrowser, &S::launchbrowser, {&textStartURL}, {}, {}},
        {checkActivateReminder,
         &S::reminderon,
         {&textReminder, &optionReminderMinute, &optionReminderHour},
         {},
         {}},
        {checkActivateMail, &S::mailwatch, {}, {&Frame8}, {}},
        {checkMailDisplayNW, &S::mailnotify, {}, {}, {}},
        {checkMailSound, &S::mailsound, {&textMailSoundPath, &cmdMailBrowseSound}, {}, {}},
        {checkMailRunEmail, &S::runmailprogram, {&textEmailPath, &cmdMailBrowse}, {}, {}},
    };
    for (const FlagBox& flag : m_flagBoxes)
        flag.box.Click = [this, &flag] {
            m_forms.m().settings.*flag.flag = flagText(flag.box.ticked());
            followTick(flag);
        };
}

void frmConfig::followTick(const FlagBox& flag) {
    const bool ticked = flag.box.ticked();
    for (Control* control : flag.enabledWhenTicked)
        control->setEnabled(ticked);
    for (Control* control : flag.shownWhenTicked)
        control->setVisible(ticked);
    for (Control* control : flag.hiddenWhenTicked)
        control->setVisible(!ticked);
}

void frmConfig::tick(const FlagBox& flag, bool ticked) {
    flag.box.setValue(ticked ? 1 : 0);
    followTick(flag);
}

const frmConfig::FlagBox& frmConfig::flagBox(const CheckBox& box) const {
    return *std::find_if(m_flagBoxes.begin(), m_flagBoxes.end(),
                         [&](const FlagBox& f) { return &f.box == &box; });
}

const frmConfig::NumericBox& frmConfig::numericBox(const TextBox& box) const {
    return *std::find_if(m_numericBoxes.begin(), m_numericBoxes.end(),
                         [&](const NumericBox& n) { return &n.box == &box; });
}

void frmConfig::bindOptionPairs() {
    struct Pair {
        OptionButton& first;
        OptionButton& second;
        std::string SettingsRecord::*firstFlag;
        // The flag that holds the second choice; null when the first flag alone says which it is.
        std::string SettingsRecord::*secondFlag;
        // Follows the second choice: enabled while it is selected.
        Control* enabledBySecond;
    };
    using S = SettingsRecord;
    const Pair pairs[] = {
        {optionCPH, optionCPM, &S::costperhour, &S::costperminute, nullptr},
        {optionMailTimeMinute, optionMailTimeHour, &S::mailinminutes, &S::mailinhours, nullptr},
        {optionReminderMinute, optionReminderHour, &S::reminderinminutes, &S::reminderinhours, nullptr},
        {optionRedialTillConnect, optionRedialForXTimes, &S::redialtillconnect, &S::redialntimes,
         &textRedialNumber},
        {optionYesPromptPassword, optionNoPromptPassword, &S::promptpassword, nullptr, nullptr},
    };
    for (const Pair& pair : pairs) {
        auto choose = [this, pair](bool second) {
            SettingsRecord& settings = m_forms.m().settings;
            settings.*pair.firstFlag = flagText(!second);
            if (pair.secondFlag)
                settings.*pair.secondFlag = flagText(second);
            if (pair.enabledBySecond)
                pair.enabledBySecond->setEnabled(second);
        };
        pair.first.Click = [choose] { choose(false); };
        pair.second.Click = [choose] { choose(true); };
    }
}

void frmConfig::bindNumericBoxes() {
    using S = SettingsRecord;
    m_numericBoxes = std::vector<NumericBox>{
        {textFreeHour, kPageCost, asInt16(&S::freehours)},
        {textFreeMinute, kPageCost, asInt16(&S::freeminutes)},
        {textVarDollar, kPageCost, asNumericText(&S::costdollars)},
        {textVarCent, kPageCost, asNumericText(&S::costcents)},
        {textWarnTimePCh, kPageWarnings, asInt16(&S::warntimepchours)},
        {textWarnTimePCm, kPageWarnings, asInt16(&S::warntimepcminutes)},
        {textWarnTimePMh, kPageWarnings, asInt16(&S::warntimepmhours)},
        {textWarnTimePMm, kPageWarnings, asInt16(&S::warntimepmminutes)},
        {textWarnCostPCd, kPageWarnings, asInt16(&S::warncostpcdollars)},
        {textWarnCostPCc, kPageWarnings, asInt16(&S::warncostpccents)},
        {textWarnCostPMd, kPageWarnings, asInt16(&S::warncostpmdollars)},
        {textWarnCostPMc, kPageWarnings, asInt16(&S::warncostpmcents)},
        {textRedialNumber, kPageOptions, asInt16(&S::redialcount)},
        {textReminder, kPageOptions, asInt16(&S::reminderinterval)},
        {textMailTimeInterval, kPageMailWatch, asNumericText(&S::mailinterval)},
    };
    for (const NumericBox& numeric : m_numericBoxes)
        numeric.box.LostFocus = [this, &numeric] { acceptNumber(numeric); };
}

bool frmConfig::acceptNumber(const NumericBox& numeric) {
    if (numeric.store(m_forms.m().settings, numeric.box.text()))
        return true;
    services().boxes.show("Please enter numeric values i.e. 0-9", MsgButtons::OK, MsgIcon::Exclamation,
                          "Invalid fields");
    SSTab1.setTab(numeric.page);
    numeric.box.setFocus();
    return false;
}

void frmConfig::bindTextBoxes() {
    textStartURL.Change = [this] { m_forms.m().settings.starturl = trimBlanks(textStartURL.text()); };
    const std::pair<TextBox*, std::string SettingsRecord::*> popBoxes[] = {
        {&textPOPserver, &SettingsRecord::popserver},
        {&textPOPUser, &SettingsRecord::popuser},
        {&textPOPPassword, &SettingsRecord::poppassword},
    };
    for (const auto& popBox : popBoxes)
        popBox.first->LostFocus = [this, popBox] {
            m_forms.m().settings.*popBox.second = trimBlanks(popBox.first->text());
        };
}

void frmConfig::bindPageButtons() {
    const std::pair<CommandButton*, ConfigPage> buttons[] = {
        {&Command2, kPageCost},      {&Command3, kPageConnection}, {&Command1, kPageWarnings},
        {&Command8, kPageCost},      {&Command7, kPageOptions},    {&Command9, kPageWarnings},
        {&Command4, kPageMailWatch},
    };
    for (const auto& [button, page] : buttons) {
        // Each button reads as the page it leads to.
        button->setCaption(SSTab1.pageCaption(page));
        button->Click = [this, page = page] { SSTab1.setTab(page); };
    }
}

void frmConfig::Form_Load() {
    checkDialAlternate.setEnabled(false);
    cmdDialAlternate.setEnabled(false);
    textDefault.setText(m_forms.m().settings.defaultprofile);
    showConnectDefaultQuestion();
}

// The connect-default question and its password frame make sense only with a default profile;
// hiding them while there is none keeps "dial the default" from being chosen without one.
void frmConfig::showConnectDefaultQuestion() {
    const SettingsRecord& settings = m_forms.m().settings;
    const bool haveDefault = settings.defaultprofile != "None";
    const bool dialDefault = isTrue(settings.connectdefault);
    for (Control* control : std::initializer_list<Control*>{
             &Label2, &Label6, &Label7, &optionConnectDefaultYes, &optionConnectDefaultNo})
        control->setVisible(haveDefault);
    Frame2.setVisible(haveDefault && dialDefault);
    if (dialDefault)
        optionConnectDefaultYes.setValue(true);
    else
        optionConnectDefaultNo.setValue(true);
    if (isTrue(settings.promptpassword))
        optionYesPromptPassword.setValue(true);
    else
        optionNoPromptPassword.setValue(true);
}

void frmConfig::applySettings() {
    const SettingsRecord& s = m_forms.m().settings;
    textDefault.setText(s.defaultprofile);
    showConnectDefaultQuestion();

    for (const FlagBox& flag : m_flagBoxes)
        tick(flag, isTrue(s.*flag.flag));
    // Mail watch counts as on unless it is plainly off.
    tick(flagBox(checkActivateMail), s.mailwatch != "false");

    textMailSoundPath.setText(s.mailsoundfile);
    textEmailPath.setText(s.mailprogram);
    textMailTimeInterval.setText(s.mailinterval);
    if (isTrue(s.mailinminutes))
        optionMailTimeMinute.setValue(true);
    else
        optionMailTimeHour.setValue(true);
    textPOPserver.setText(s.popserver);
    textPOPUser.setText(s.popuser);
    textPOPPassword.setText(s.poppassword);

    textStartURL.setText(s.starturl);
    if (isTrue(s.redialtillconnect)) {
        optionRedialTillConnect.setValue(true);
        textRedialNumber.setEnabled(false);
    }
    if (isTrue(s.redialntimes)) {
        optionRedialForXTimes.setValue(true);
        textRedialNumber.setEnabled(true);
    }
    textRedialNumber.setText(std::to_string(s.redialcount));
    textReminder.setText(std::to_string(s.reminderinterval));
    if (isTrue(s.reminderinminutes))
        optionReminderMinute.setValue(true);
    if (isTrue(s.reminderinhours))
        optionReminderHour.setValue(true);

    if (isTrue(s.costperhour))
        optionCPH.setValue(true);
    if (isTrue(s.costperminute))
        optionCPM.setValue(true);
    textVarDollar.setText(boxText(s.costdollars));
    textVarCent.setText(s.costcents);
    textFreeHour.setText(boxText(s.freehours));
    textFreeMinute.setText(std::to_string(s.freeminutes));

    textWarnTimePCh.setText(boxText(s.warntimepchours));
    textWarnTimePCm.setText(std::to_string(s.warntimepcminutes));
    textWarnTimePMh.setText(boxText(s.warntimepmhours));
    textWarnTimePMm.setText(std::to_string(s.warntimepmminutes));
    textWarnCostPCd.setText(boxText(s.warncostpcdollars));
    textWarnCostPCc.setText(std::to_string(s.warncostpccents));
    textWarnCostPMd.setText(boxText(s.warncostpmdollars));
    textWarnCostPMc.setText(std::to_string(s.warncostpmcents));
}

std::optional<std::string> frmConfig::selectedProfile() {
    const std::string name = listProfiles.text();
    if (name.empty()) {
        services().boxes.show(kSelectProfileFirst, MsgButtons::OK, MsgIcon::Exclamation, kProgramTitle);
        return std::nullopt;
    }
    return name;
}

void frmConfig::listProfiles_Click() {
    const std::string name = listProfiles.text();
    if (name.empty())
        return;
    const KeyedCollection& profiles = m_forms.m().profiledata;
    auto show = [&](TextBox& box, const char* field) {
        const std::string value = profiles.value(name + field);
        box.setText(value.empty() ? "Empty" : value);
    };
    show(textUsername, "Username");
    show(textPassword, "Password");
    show(textDomain, "Domain");

    // A profile without a record (deleted from the program's records) has no alternates to edit.
    const std::string dialAlternates = profiles.value(name + "DialAN");
    const bool hasRecord = profiles.contains(name + "DialAN");
    checkDialAlternate.setValue(isTrue(dialAlternates) ? 1 : 0);
    checkDialAlternate.setEnabled(hasRecord);
    cmdDialAlternate.setEnabled(isTrue(dialAlternates));

    // The numbers shown belong to this profile now: an open window must not store them under another.
    frmAlternateDial& alternates = m_forms.get<frmAlternateDial>();
    alternates.profilecontext = name;
    alternates.frameAPL.setCaption("Alternative Phone List for " + name);
    for (int k = 1; k <= frmAlternateDial::kSlots; ++k)
        alternates.textAN(k).setText(profiles.value(name + "AN" + std::to_string(k)));
}

void frmConfig::checkDialAlternate_Click() {
    const std::string name = listProfiles.text();
    KeyedCollection& profiles = m_forms.m().profiledata;
    const bool ticked = checkDialAlternate.ticked();
    // Re-added just before the first alternate, so the record keeps its order.
    if (!name.empty() && profiles.contains(name + "AN1") && profiles.remove(name + "DialAN"))
        profiles.addBefore(name + "DialAN", flagText(ticked), name + "AN1");
    cmdDialAlternate.setEnabled(ticked);
}

void frmConfig::cmdDialAlternate_Click() {
    const std::optional<std::string> name = selectedProfile();
    if (!name)
        return;
    frmAlternateDial& alternates = m_forms.get<frmAlternateDial>();
    alternates.profilecontext = *name;
    alternates.show();
}

void frmConfig::cmdDial_Click() {
    const std::optional<std::string> name = selectedProfile();
    if (!name)
        return;
    frmDialSelected& dial = m_forms.get<frmDialSelected>();
    dial.fillFrom(*name);
    dial.show();
}

void frmConfig::cmdNewProfile_Click() {
    m_forms.get<frmWarnNewConnection>().show();
}

void frmConfig::cmdEditProfile_Click() {
    const std::optional<std::string> name = selectedProfile();
    if (!name)
        return;
    frmEditProfile& edit = m_forms.get<frmEditProfile>();
    edit.fillFrom(*name);
    edit.showModal();
    // The console shows what the profile now holds.
    listProfiles_Click();
}

void frmConfig::cmdProperties_Click() {
    const std::string name = listProfiles.text();
    if (name.empty()) {
        services().boxes.show("Select a connection profile first!", MsgButtons::OK, MsgIcon::Exclamation,
                              "Warning");
        return;
    }
    DialUpControl& control = m_forms.dialUp();
    control.setEntryName(name);
    control.EditEntry();
    applyImportedProfile(m_forms.m());
    listProfiles_Click();
}

void frmConfig::cmdCreateShort_Click() {
    m_forms.get<frmCreateShortcut>().show();
}

void frmConfig::cmdMakeDefault_Click() {
    const std::optional<std::string> name = selectedProfile();
    if (!name)
        return;
    SettingsRecord& settings = m_forms.m().settings;
    textDefault.setText(*name);
    settings.defaultprofile = *name;
    settings.connectdefault = "true";
    showConnectDefaultQuestion();
}

void frmConfig::cmdSetDefaultNone_Click() {
    SettingsRecord& settings = m_forms.m().settings;
    textDefault.setText("None");
    settings.defaultprofile = "None";
    settings.connectdefault = "false";
    showConnectDefaultQuestion();
}

void frmConfig::optionConnectDefaultYes_Click() {
    Frame2.setVisible(true);
    m_forms.m().settings.connectdefault = "true";
}

void frmConfig::optionConnectDefaultNo_Click() {
    Frame2.setVisible(false);
    m_forms.m().settings.connectdefault = "false";
}

void frmConfig::cmdSave_Click() {
    // The redial count is written from its box: a text that would not load back is refused here.
    if (!acceptNumber(numericBox(textRedialNumber)))
        return;
    Module1& m = m_forms.m();
    try {
        saveSettings(services().dataDir / kSettingsFileName, m, textStartURL.text(), textRedialNumber.text());
    } catch (const SettingsFileError& error) {
        services().boxes.show(error.what(), MsgButtons::OK, MsgIcon::Critical, kProgramTitle);
        return;
    }
    // Enabled only now: on a first run the console must not be left before a save has succeeded.
    cmdCloseConfigurationConsole.setEnabled(true);
    m.firstrun = "false";

    frmStart& start = m_forms.get<frmStart>();
    const SettingsRecord& settings = m.settings;
    const bool named = isTrue(settings.connectdefault) && settings.defaultprofile != "None";
    start.cmdConnectDefault.setCaption(named ? "Connect to " + settings.defaultprofile : "Connect");
    start.setDefaultButton(start.cmdConnectDefault);
    start.show();
    hide();
}

void frmConfig::cmdCloseConfigurationConsole_Click() {
    if (frmCloseConfig::reminderRemoved(services().dataDir)) {
        hide();
        return;
    }
    m_forms.get<frmCloseConfig>().show();
}

void frmConfig::userClose() {
    // On a first run the console can be left only by saving.
    if (cmdCloseConfigurationConsole.enabled())
        cmdCloseConfigurationConsole_Click();
}

} // namespace quillan
