#pragma once

#include "MailTest.h"

#include "modules/SettingsRecord.h"
#include "runtime/CheckBox.h"
#include "runtime/CommandButton.h"
#include "runtime/Form.h"
#include "runtime/Frame.h"
#include "runtime/Label.h"
#include "runtime/ListBox.h"
#include "runtime/OptionButton.h"
#include "runtime/TabControl.h"
#include "runtime/TextBox.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillan {

class Forms;

// Pages of the configuration console's tab control.
enum ConfigPage {
    kPageConnection = 0,
    kPageCost = 1,
    kPageWarnings = 2,
    kPageOptions = 3,
    kPageMailWatch = 4
};

// The configuration console: every setting of the settings record on five pages. Each control writes its
// setting into memory at once; only Save writes the settings file.
class frmConfig : public Form {
  public:
    static constexpr const char* kName = "frmConfig";
    explicit frmConfig(Forms& forms);

    // Copies the loaded settings into the controls; start-up runs it after reading the settings file.
    void applySettings();

    // The window's close box goes through the close command.
    void userClose() override;

    TabControl SSTab1{*this, "SSTab1", {"Connection", "Cost", "Warnings", "Options", "Mail Watch"}};
    CommandButton cmdSave{*this, "cmdSave"};
    CommandButton cmdCloseConfigurationConsole{*this, "cmdCloseConfigurationConsole"};

    // Connection
    Frame Frame1{*this, "Frame1", &SSTab1, kPageConnection};
    ListBox listProfiles{*this, "listProfiles", &Frame1};
    Label Label1{*this, "Label1", &Frame1};
    TextBox textUsername{*this, "textUsername", &Frame1};
    Label Label3{*this, "Label3", &Frame1};
    TextBox textPassword{*this, "textPassword", &Frame1};
    Label Label4{*this, "Label4", &Frame1};
    TextBox textDomain{*this, "textDomain", &Frame1};
    Label Label5{*this, "Label5", &Frame1};
    TextBox textDefault{*this, "textDefault", &Frame1};
    CommandButton cmdMakeDefault{*this, "cmdMakeDefault", &Frame1};
    CommandButton cmdSetDefaultNone{*this, "cmdSetDefaultNone", &Frame1};
    CheckBox checkDialAlternate{*this, "checkDialAlternate", &Frame1};
    CommandButton cmdDialAlternate{*this, "cmdDialAlternate", &Frame1};
    CommandButton cmdDial{*this, "cmdDial", &Frame1};
    CommandButton cmdEditProfile{*this, "cmdEditProfile", &Frame1};
    CommandButton cmdProperties{*this, "cmdProperties", &Frame1};
    CommandButton cmdNewProfile{*this, "cmdNewProfile", &Frame1};
    Label Label2{*this, "Label2", &SSTab1, kPageConnection};
    Label Label7{*this, "Label7", &SSTab1, kPageConnection};
    OptionButton optionConnectDefaultYes{*this, "optionConnectDefaultYes", &SSTab1, kPageConnection};
    OptionButton optionConnectDefaultNo{*this, "optionConnectDefaultNo", &SSTab1, kPageConnection};
    Frame Frame2{*this, "Frame2", &SSTab1, kPageConnection};
    Label Label6{*this, "Label6", &Frame2};
    OptionButton optionYesPromptPassword{*this, "optionYesPromptPassword", &Frame2};
    OptionButton optionNoPromptPassword{*this, "optionNoPromptPassword", &Frame2};
    CommandButton Command2{*this, "Command2", &SSTab1, kPageConnection};

    // Cost
    CheckBox checkConnectionCost{*this, "checkConnectionCost", &SSTab1, kPageCost};
    CheckBox checkWarnFreeTime{*this, "checkWarnFreeTime", &SSTab1, kPageCost};
    CheckBox checkUnlimitedConnection{*this, "checkUnlimitedConnection", &SSTab1, kPageCost};
    Frame Frame4{*this, "Frame4", &SSTab1, kPageCost};
    OptionButton optionCPH{*this, "optionCPH", &Frame4};
    OptionButton optionCPM{*this, "optionCPM", &Frame4};
    Label Label8{*this, "Label8", &Frame4};
    Label Label9{*this, "Label9", &Frame4};
    TextBox textVarDollar{*this, "textVarDollar", &Frame4};
    Label Label10{*this, "Label10", &Frame4};
    TextBox textVarCent{*this, "textVarCent", &Frame4};
    Frame Frame5{*this, "Frame5", &SSTab1, kPageCost};
    Label Label11{*this, "Label11", &Frame5};
    TextBox textFreeHour{*this, "textFreeHour", &Frame5};
    Label Label12{*this, "Label12", &Frame5};
    TextBox textFreeMinute{*this, "textFreeMinute", &Frame5};
    Label Label13{*this, "Label13", &Frame5};
    CommandButton Command3{*this, "Command3", &SSTab1, kPageCost};
    CommandButton Command1{*this, "Command1", &SSTab1, kPageCost};

    // Warnings
    Frame Frame3{*this, "Frame3", &SSTab1, kPageWarnings};
    CheckBox checkWarnTimePC{*this, "checkWarnTimePC", &Frame3};
    TextBox textWarnTimePCh{*this, "textWarnTimePCh", &Frame3};
    Label Label14{*this, "Label14", &Frame3};
    TextBox textWarnTimePCm{*this, "textWarnTimePCm", &Frame3};
    Label Label15{*this, "Label15", &Frame3};
    CheckBox checkWarnTimePM{*this, "checkWarnTimePM", &Frame3};
    TextBox textWarnTimePMh{*this, "textWarnTimePMh", &Frame3};
    Label Label16{*this, "Label16", &Frame3};
    TextBox textWarnTimePMm{*this, "textWarnTimePMm", &Frame3};
    Label Label17{*this, "Label17", &Frame3};
    Frame Frame7{*this, "Frame7", &SSTab1, kPageWarnings};
    CheckBox checkWarnCostPC{*this, "checkWarnCostPC", &Frame7};
    Label Label18{*this, "Label18", &Frame7};
    TextBox textWarnCostPCd{*this, "textWarnCostPCd", &Frame7};
    Label Label19{*this, "Label19", &Frame7};
    TextBox textWarnCostPCc{*this, "textWarnCostPCc", &Frame7};
    CheckBox checkWarnCostPM{*this, "checkWarnCostPM", &Frame7};
    Label Label20{*this, "Label20", &Frame7};
    TextBox textWarnCostPMd{*this, "textWarnCostPMd", &Frame7};
    Label Label21{*this, "Label21", &Frame7};
    TextBox textWarnCostPMc{*this, "textWarnCostPMc", &Frame7};
    CommandButton Command8{*this, "Command8", &SSTab1, kPageWarnings};
    CommandButton Command7{*this, "Command7", &SSTab1, kPageWarnings};

    // Options
    CheckBox checkStatus{*this, "checkStatus", &SSTab1, kPageOptions};
    CommandButton cmdCreateShort{*this, "cmdCreateShort", &SSTab1, kPageOptions};
    Frame Frame6{*this, "Frame6", &SSTab1, kPageOptions};
    CheckBox checkLaunchPrograms{*this, "checkLaunchPrograms", &Frame6};
    CommandButton cmdLaunchPrograms{*this, "cmdLaunchPrograms", &Frame6};
    CheckBox checkPlaySound{*this, "checkPlaySound", &Frame6};
    CommandButton cmdShowSound{*this, "cmdShowSound", &Frame6};
    CheckBox checkSimulate{*this, "checkSimulate", &Frame6};
    CheckBox checkAutoDial{*this, "checkAutoDial", &Frame6};
    CheckBox checkDisplayTimer{*this, "checkDisplayTimer", &Frame6};
    CheckBox checkLaunchBrowser{*this, "checkLaunchBrowser", &Frame6};
    Label Label32{*this, "Label32", &Frame6};
    TextBox textStartURL{*this, "textStartURL", &Frame6};
    CommandButton cmdLaunchBrowser{*this, "cmdLaunchBrowser", &Frame6};
    Frame Frame10{*this, "Frame10", &SSTab1, kPageOptions};
    Label Label22{*this, "Label22", &Frame10};
    OptionButton optionRedialForXTimes{*this, "optionRedialForXTimes", &Frame10};
    TextBox textRedialNumber{*this, "textRedialNumber", &Frame10};
    Label Label23{*this, "Label23", &Frame10};
    OptionButton optionRedialTillConnect{*this, "optionRedialTillConnect", &Frame10};
    Frame Frame9{*this, "Frame9", &SSTab1, kPageOptions};
    CheckBox checkActivateReminder{*this, "checkActivateReminder", &Frame9};
    TextBox textReminder{*this, "textReminder", &Frame9};
    OptionButton optionReminderMinute{*this, "optionReminderMinute", &Frame9};
    OptionButton optionReminderHour{*this, "optionReminderHour", &Frame9};
    CommandButton Command9{*this, "Command9", &SSTab1, kPageOptions};
    CommandButton Command4{*this, "Command4", &SSTab1, kPageOptions};

    // Mail Watch
    CheckBox checkActivateMail{*this, "checkActivateMail", &SSTab1, kPageMailWatch};
    CommandButton cmdCheckMail{*this, "cmdCheckMail", &SSTab1, kPageMailWatch};
    Frame Frame8{*this, "Frame8", &SSTab1, kPageMailWatch};
    Frame Frame11{*this, "Frame11", &Frame8};
    Label Label24{*this, "Label24", &Frame11};
    TextBox textMailTimeInterval{*this, "textMailTimeInterval", &Frame11};
    OptionButton optionMailTimeMinute{*this, "optionMailTimeMinute", &Frame11};
    OptionButton optionMailTimeHour{*this, "optionMailTimeHour", &Frame11};
    Frame Frame12{*this, "Frame12", &Frame8};
    Label Label25{*this, "Label25", &Frame12};
    TextBox textPOPserver{*this, "textPOPserver", &Frame12};
    Label Label26{*this, "Label26", &Frame12};
    TextBox textPOPUser{*this, "textPOPUser", &Frame12};
    Label Label27{*this, "Label27", &Frame12};
    TextBox textPOPPassword{*this, "textPOPPassword", &Frame12};
    Frame Frame13{*this, "Frame13", &Frame8};
    Label Label28{*this, "Label28", &Frame13};
    CheckBox checkMailDisplayNW{*this, "checkMailDisplayNW", &Frame13};
    CheckBox checkMailSound{*this, "checkMailSound", &Frame13};
    TextBox textMailSoundPath{*this, "textMailSoundPath", &Frame13};
    CommandButton cmdMailBrowseSound{*this, "cmdMailBrowseSound", &Frame13};
    CheckBox checkMailRunEmail{*this, "checkMailRunEmail", &Frame13};
    TextBox textEmailPath{*this, "textEmailPath", &Frame13};
    CommandButton cmdMailBrowse{*this, "cmdMailBrowse", &Frame13};

  protected:
    void Form_Load() override;

  private:
    // A check box holding a flag, with the controls that follow its tick.
    struct FlagBox {
        CheckBox& box;
        std::string SettingsRecord::*flag;
        std::vector<Control*> enabledWhenTicked;
        std::vector<Control*> shownWhenTicked;
        std::vector<Control*> hiddenWhenTicked;
    };
    // A numeric box, validated when it loses the focus; store returns false when the text is refused.
    struct NumericBox {
        TextBox& box;
        ConfigPage page;
        std::function<bool(SettingsRecord&, std::string_view)> store;
    };

    void bindFlagBoxes();
    void bindOptionPairs();
    void bindNumericBoxes();
    void bindTextBoxes();
    void bindPageButtons();
    void followTick(const FlagBox& flag);
    void tick(const FlagBox& flag, bool ticked);
    const FlagBox& flagBox(const CheckBox& box) const;
    const NumericBox& numericBox(const TextBox& box) const;
    bool acceptNumber(const NumericBox& numeric);
    void showConnectDefaultQuestion();
    // The profile selected in listProfiles; refuses with a message box when there is none.
    std::optional<std::string> selectedProfile();

    void listProfiles_Click();
    void checkDialAlternate_Click();
    void cmdDialAlternate_Click();
    void cmdDial_Click();
    void cmdMakeDefault_Click();
    void cmdSetDefaultNone_Click();
    void optionConnectDefaultYes_Click();
    void optionConnectDefaultNo_Click();
    void cmdSave_Click();
    void cmdCloseConfigurationConsole_Click();
    void cmdNewProfile_Click();
    void cmdEditProfile_Click();
    void cmdProperties_Click();
    void cmdCreateShort_Click();

    Forms& m_forms;
    std::vector<FlagBox> m_flagBoxes;
    std::vector<NumericBox> m_numericBoxes;
    // Last, as it wires controls declared above.
    MailTest m_mailTest{m_forms, *this};
};

} // namespace quillan
