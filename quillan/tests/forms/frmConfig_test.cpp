#include "ConfigFixture.h"

#include "forms/frmAlternateDial.h"
#include "forms/frmCloseConfig.h"
#include "forms/frmDialSelected.h"
#include "modules/SettingsFile.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quillan {
namespace {

using Box = RecordingMessageBoxes::Box;

// ---- Pages, frames and reachability ----

using ConfigPagesTest = ConfigFixture;

TEST_F(ConfigPagesTest, controlsOfAnotherPage_areUnreachableUntilTheirPageIsShown) {
    EXPECT_TRUE(config->listProfiles.reachable());
    EXPECT_FALSE(config->checkConnectionCost.reachable());
    config->Command2.userClick();
    EXPECT_EQ(config->SSTab1.tab(), kPageCost);
    EXPECT_TRUE(config->checkConnectionCost.reachable());
    EXPECT_FALSE(config->listProfiles.reachable());
}

TEST_F(ConfigPagesTest, pageButtons_walkToTheLastPageAndBack) {
    for (CommandButton* next : {&config->Command2, &config->Command1, &config->Command7, &config->Command4})
        next->userClick();
    EXPECT_EQ(config->SSTab1.tab(), kPageMailWatch);
    config->SSTab1.setTab(kPageOptions);
    for (CommandButton* back : {&config->Command9, &config->Command8, &config->Command3})
        back->userClick();
    EXPECT_EQ(config->SSTab1.tab(), kPageConnection);
}

TEST_F(ConfigPagesTest, optionGroups_areKeptApartByTheirFrames) {
    config->SSTab1.setTab(kPageCost);
    config->optionCPM.userClick();
    config->SSTab1.setTab(kPageOptions);
    config->optionReminderMinute.userClick();
    config->optionRedialForXTimes.userClick();
    EXPECT_TRUE(config->optionCPM.value());
    EXPECT_TRUE(config->optionReminderMinute.value());
    EXPECT_TRUE(config->optionRedialForXTimes.value());
    EXPECT_FALSE(config->optionRedialTillConnect.value());
    EXPECT_EQ(settings().costperhour, "false");
    EXPECT_EQ(settings().costperminute, "true");
    EXPECT_EQ(settings().reminderinminutes, "true");
    EXPECT_EQ(settings().reminderinhours, "false");
}

TEST_F(ConfigPagesTest, unlimitedConnection_hidesAndShowsBothCostFrames) {
    config->SSTab1.setTab(kPageCost);
    config->checkUnlimitedConnection.userClick();
    EXPECT_EQ(settings().unlimitedtime, "true");
    EXPECT_FALSE(config->Frame4.visible());
    EXPECT_FALSE(config->Frame5.visible());
    EXPECT_FALSE(config->textFreeHour.reachable());
    config->checkUnlimitedConnection.userClick();
    EXPECT_EQ(settings().unlimitedtime, "false");
    EXPECT_TRUE(config->textVarDollar.reachable());
    EXPECT_TRUE(config->textFreeHour.reachable());
}

TEST_F(ConfigPagesTest, limitCheckBox_opensItsTwoBoxesOnly) {
    config->SSTab1.setTab(kPageWarnings);
    EXPECT_FALSE(config->textWarnCostPCd.reachable()) << "limit boxes start closed while their limit is off";
    config->checkWarnCostPC.userClick();
    EXPECT_EQ(settings().warncostpc, "true");
    EXPECT_TRUE(config->textWarnCostPCd.reachable());
    EXPECT_TRUE(config->textWarnCostPCc.reachable());
    EXPECT_FALSE(config->textWarnCostPMd.reachable());
    EXPECT_FALSE(config->textWarnTimePCh.reachable());
}

TEST_F(ConfigPagesTest, mailWatch_showsItsOptionsOnlyWhileTicked) {
    config->SSTab1.setTab(kPageMailWatch);
    EXPECT_FALSE(config->textPOPserver.reachable());
    config->checkActivateMail.userClick();
    EXPECT_EQ(settings().mailwatch, "true");
    EXPECT_TRUE(config->textPOPserver.reachable());
    EXPECT_FALSE(config->textMailSoundPath.reachable()) << "the sound path follows its own check box";
    config->checkMailSound.userClick();
    EXPECT_TRUE(config->textMailSoundPath.reachable());
    EXPECT_TRUE(config->cmdMailBrowseSound.reachable());
}

TEST_F(ConfigPagesTest, redialModes_openTheCountBoxOnlyForAFixedNumberOfRedials) {
    config->SSTab1.setTab(kPageOptions);
    EXPECT_FALSE(config->textRedialNumber.reachable());
    config->optionRedialForXTimes.userClick();
    EXPECT_EQ(settings().redialntimes, "true");
    EXPECT_EQ(settings().redialtillconnect, "false");
    EXPECT_TRUE(config->textRedialNumber.reachable());
    config->optionRedialTillConnect.userClick();
    EXPECT_FALSE(config->textRedialNumber.reachable());
}

// ---- Default profile ----

class ConfigDefaultTest : public ConfigFixture {
  protected:
    ConfigDefaultTest() { addProfile("Home", "alice", "secret"); }
};

TEST_F(ConfigDefaultTest, firstRun_hidesTheConnectDefaultQuestionWhileThereIsNoDefault) {
    EXPECT_FALSE(config->optionConnectDefaultYes.reachable());
    EXPECT_FALSE(config->Label2.visible());
    EXPECT_FALSE(config->Frame2.visible());
}

TEST_F(ConfigDefaultTest, makeDefault_showsTheQuestionWithYesAndThePasswordFrame) {
    select("Home");
    config->cmdMakeDefault.userClick();
    EXPECT_EQ(config->textDefault.text(), "Home");
    EXPECT_EQ(settings().defaultprofile, "Home");
    EXPECT_EQ(settings().connectdefault, "true");
    EXPECT_TRUE(config->optionConnectDefaultYes.value());
    for (Control* shown :
         std::initializer_list<Control*>{&config->Label2, &config->Label7, &config->Label6,
                                         &config->optionConnectDefaultNo, &config->optionNoPromptPassword})
        EXPECT_TRUE(shown->reachable()) << shown->name();
}

TEST_F(ConfigDefaultTest, setDefaultNone_hidesTheQuestionAndThePasswordFrame) {
    select("Home");
    config->cmdMakeDefault.userClick();
    config->cmdSetDefaultNone.userClick();
    EXPECT_EQ(config->textDefault.text(), "None");
    EXPECT_EQ(settings().defaultprofile, "None");
    EXPECT_EQ(settings().connectdefault, "false");
    EXPECT_FALSE(config->optionConnectDefaultYes.visible());
    EXPECT_FALSE(config->Label7.visible());
    EXPECT_FALSE(config->Frame2.visible());
}

TEST_F(ConfigDefaultTest, answeringNo_hidesOnlyThePasswordFrame) {
    select("Home");
    config->cmdMakeDefault.userClick();
    config->optionYesPromptPassword.userClick();
    config->optionConnectDefaultNo.userClick();
    EXPECT_EQ(settings().connectdefault, "false");
    EXPECT_EQ(settings().promptpassword, "true") << "the two questions are separate option groups";
    EXPECT_FALSE(config->Frame2.visible());
    EXPECT_TRUE(config->optionConnectDefaultYes.reachable());
    config->optionConnectDefaultYes.userClick();
    EXPECT_TRUE(config->optionYesPromptPassword.reachable());
}

TEST_F(ConfigDefaultTest, makeDefaultWithoutSelection_refusesAndChangesNothing) {
    config->cmdMakeDefault.userClick();
    const std::vector<Box> boxes = h.boxes.take();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Select a Connection Profile first");
    EXPECT_EQ(boxes[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(boxes[0].title, "Quillan");
    EXPECT_EQ(settings().defaultprofile, "None");
    EXPECT_EQ(config->textDefault.text(), "None");
}

// ---- Profile selection and alternate numbers ----

using ConfigProfileTest = ConfigDefaultTest;

TEST_F(ConfigProfileTest, selectingAProfileWithEmptyFields_showsEmptyMaskedInThePasswordBox) {
    addProfile("Work", "bob", "", "");
    select("Work");
    EXPECT_EQ(config->textUsername.text(), "bob");
    EXPECT_EQ(config->textPassword.text(), "Empty");
    EXPECT_EQ(config->textPassword.passwordChar(), '*');
    EXPECT_EQ(config->textDomain.text(), "Empty");
    select("Home");
    EXPECT_EQ(config->textPassword.text(), "secret");
}

TEST_F(ConfigProfileTest, selectingAProfile_preparesItsAlternateNumbers) {
    m().profiledata.replace("HomeAN2", "5550102");
    select("Home");
    frmAlternateDial& alternates = h.forms->get<frmAlternateDial>();
    EXPECT_EQ(alternates.frameAPL.caption(), "Alternative Phone List for Home");
    EXPECT_EQ(alternates.textAN1.text(), "0");
    EXPECT_EQ(alternates.textAN2.text(), "5550102");
    EXPECT_FALSE(alternates.visible());
    EXPECT_TRUE(h.boxes.take().empty());
}

TEST_F(ConfigProfileTest, dialAlternateFlag_followsTheSelectedProfile) {
    addProfile("Work");
    m().profiledata.replace("WorkDialAN", "true");
    select("Work");
    EXPECT_TRUE(config->checkDialAlternate.ticked());
    EXPECT_TRUE(config->cmdDialAlternate.reachable());
    select("Home");
    EXPECT_FALSE(config->checkDialAlternate.ticked());
    EXPECT_TRUE(config->checkDialAlternate.reachable());
    EXPECT_FALSE(config->cmdDialAlternate.enabled());
}

TEST_F(ConfigProfileTest, tickingDialAlternate_storesTheFlagInItsPlaceInTheRecord) {
    addProfile("Work");
    const std::vector<std::string> order = profileKeys();
    select("Home");
    config->checkDialAlternate.userClick();
    EXPECT_EQ(m().profiledata.value("HomeDialAN"), "true");
    EXPECT_EQ(m().profiledata.value("WorkDialAN"), "false");
    EXPECT_EQ(profileKeys(), order) << "the record keeps the order the settings file is written in";
    EXPECT_TRUE(config->cmdDialAlternate.enabled());
    config->checkDialAlternate.userClick();
    EXPECT_EQ(m().profiledata.value("HomeDialAN"), "false");
    EXPECT_EQ(profileKeys(), order);
    EXPECT_FALSE(config->cmdDialAlternate.enabled());
}

TEST_F(ConfigProfileTest, profileWithoutARecord_offersNoAlternates) {
    config->listProfiles.addItem("Gone");
    select("Gone");
    EXPECT_EQ(config->textUsername.text(), "Empty");
    EXPECT_FALSE(config->checkDialAlternate.enabled());
    EXPECT_FALSE(config->cmdDialAlternate.enabled());
}

TEST_F(ConfigProfileTest, dialAlternateButton_opensTheWindowForTheSelectedProfile) {
    m().profiledata.replace("HomeDialAN", "true");
    select("Home");
    config->cmdDialAlternate.userClick();
    frmAlternateDial& alternates = h.forms->get<frmAlternateDial>();
    EXPECT_EQ(alternates.profilecontext, "Home");
    EXPECT_TRUE(alternates.visible());
    EXPECT_FALSE(alternates.modal());
}

TEST_F(ConfigProfileTest, dialSelected_opensTheDialWindowWithTheStoredCredentials) {
    select("Home");
    config->cmdDial.userClick();
    frmDialSelected& dial = h.forms->get<frmDialSelected>();
    EXPECT_TRUE(dial.visible());
    EXPECT_EQ(dial.textDialProfilename.text(), "Home");
    EXPECT_EQ(dial.textDialPassword.text(), "secret");
    EXPECT_TRUE(config->visible());
}

TEST_F(ConfigProfileTest, dialSelectedWithoutSelection_refuses) {
    config->cmdDial.userClick();
    const std::vector<Box> boxes = h.boxes.take();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Select a Connection Profile first");
    EXPECT_EQ(boxes[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(h.forms->peek<frmDialSelected>(), nullptr);
}

// ---- Text boxes ----

using ConfigTextTest = ConfigFixture;

TEST_F(ConfigTextTest, reminderOfTwoAndAHalf_storesTwo) {
    config->textReminder.setText("2.5");
    config->textReminder.userLeave();
    EXPECT_EQ(settings().reminderinterval, 2);
    EXPECT_TRUE(h.boxes.take().empty());
}

TEST_F(ConfigTextTest, lettersInTheReminderBox_areRefusedOnTheOptionsPage) {
    settings().reminderinterval = 4;
    config->textReminder.setText("ten");
    config->textReminder.userLeave();
    const std::vector<Box> boxes = h.boxes.take();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Invalid fields");
    EXPECT_EQ(boxes[0].text, "Please enter numeric values i.e. 0-9");
    EXPECT_EQ(boxes[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(config->SSTab1.tab(), kPageOptions);
    EXPECT_EQ(focus.focused, std::vector<std::string>{"textReminder"});
    EXPECT_EQ(settings().reminderinterval, 4);
}

TEST_F(ConfigTextTest, numbersBeyondSixteenBits_areRefusedLikeLetters) {
    config->textWarnTimePCm.setText("40000");
    config->textWarnTimePCm.userLeave();
    EXPECT_EQ(h.boxes.take().size(), 1u);
    EXPECT_EQ(config->SSTab1.tab(), kPageWarnings);
    EXPECT_EQ(settings().warntimepcminutes, 0);
    config->textWarnTimePCm.setText("-32768");
    config->textWarnTimePCm.userLeave();
    EXPECT_TRUE(h.boxes.take().empty());
    EXPECT_EQ(settings().warntimepcminutes, -32768);
}

TEST_F(ConfigTextTest, hoursEdited_areHeldAsNumbersAndDollarsAsTrimmedText) {
    config->textFreeHour.setText(" 12 ");
    config->textFreeHour.userLeave();
    config->textVarDollar.setText(" 1.50 ");
    config->textVarDollar.userLeave();
    EXPECT_EQ(settings().freehours, NumberOrText{std::int16_t{12}});
    EXPECT_EQ(settings().costdollars, NumberOrText{std::string("1.50")});
}

TEST_F(ConfigTextTest, emptyMailInterval_isRefusedOnTheMailPage) {
    config->textMailTimeInterval.setText("");
    config->textMailTimeInterval.userLeave();
    EXPECT_EQ(h.boxes.take().size(), 1u);
    EXPECT_EQ(config->SSTab1.tab(), kPageMailWatch);
    EXPECT_EQ(settings().mailinterval, "10");
}

TEST_F(ConfigTextTest, startPageAndMailBoxes_storeTrimmedText) {
    config->textStartURL.setText("  example.org/start ");
    EXPECT_EQ(settings().starturl, "example.org/start") << "stored on every change";
    config->textPOPserver.setText(" pop.example.org ");
    EXPECT_EQ(settings().popserver, "") << "mail boxes wait until they lose the focus";
    config->textPOPserver.userLeave();
    EXPECT_EQ(settings().popserver, "pop.example.org");
}

// ---- Set-up from loaded settings ----

using ConfigSetupTest = ConfigFixture;

TEST_F(ConfigSetupTest, loadedSettings_reachTheControlsTheyBelongTo) {
    addProfile("Home");
    SettingsRecord& s = settings();
    s.defaultprofile = "Home";
    s.connectdefault = "true";
    s.promptpassword = "true";
    s.unlimitedtime = "true";
    s.warntimepm = "true";
    s.warntimepmhours = std::string("7");
    s.warntimepmminutes = 30;
    s.redialtillconnect = "false";
    s.redialntimes = "true";
    s.redialcount = 5;
    s.reminderon = "false";
    s.mailwatch = "true";
    s.mailsound = "true";
    s.mailsoundfile = "/usr/share/sounds/mail.wav";
    s.hidestatus = "true";
    config->applySettings();

    EXPECT_EQ(config->textDefault.text(), "Home");
    EXPECT_TRUE(config->optionConnectDefaultYes.value());
    EXPECT_TRUE(config->Frame2.visible());
    EXPECT_TRUE(config->optionYesPromptPassword.value());
    EXPECT_TRUE(config->checkUnlimitedConnection.ticked());
    EXPECT_FALSE(config->Frame4.visible());
    EXPECT_TRUE(config->checkWarnTimePM.ticked());
    EXPECT_TRUE(config->textWarnTimePMh.enabled());
    EXPECT_EQ(config->textWarnTimePMh.text(), "7");
    EXPECT_EQ(config->textWarnTimePMm.text(), "30");
    EXPECT_FALSE(config->textWarnTimePCh.enabled());
    EXPECT_TRUE(config->optionRedialForXTimes.value());
    EXPECT_TRUE(config->textRedialNumber.enabled());
    EXPECT_EQ(config->textRedialNumber.text(), "5");
    EXPECT_FALSE(config->textReminder.enabled());
    EXPECT_TRUE(config->Frame8.visible());
    EXPECT_TRUE(config->textMailSoundPath.enabled());
    EXPECT_EQ(config->textMailSoundPath.text(), "/usr/share/sounds/mail.wav");
    EXPECT_FALSE(config->textEmailPath.enabled());
    EXPECT_TRUE(config->checkStatus.ticked());
}

// ---- Save ----

using ConfigSaveTest = ConfigFixture;

TEST_F(ConfigSaveTest, savedSettings_loadBackAsTheyWereEdited) {
    addProfile("Home", "alice", "secret", "corp");
    select("Home");
    config->cmdMakeDefault.userClick();
    config->checkDialAlternate.userClick();
    config->SSTab1.setTab(kPageWarnings);
    config->checkWarnTimePC.userClick();
    config->textWarnTimePCm.setText("5");
    config->textWarnTimePCm.userLeave();
    config->SSTab1.setTab(kPageOptions);
    config->textStartURL.setText("example.org");
    config->cmdSave.userClick();
    ASSERT_TRUE(h.boxes.take().empty());

    Module1 loaded;
    loadSettings(dataDir() / kSettingsFileName, loaded);
    EXPECT_EQ(loaded.settings.defaultprofile, "Home");
    EXPECT_EQ(loaded.settings.connectdefault, "true");
    EXPECT_EQ(loaded.settings.warntimepc, "true");
    EXPECT_EQ(loaded.settings.warntimepcminutes, 5);
    EXPECT_EQ(loaded.settings.starturl, "example.org");
    EXPECT_EQ(loaded.settings.redialcount, 3) << "a first save takes the designed redial count from its box";
    EXPECT_EQ(loaded.profiledata.items(), m().profiledata.items());
    EXPECT_EQ(loaded.profiledata.value("HomeDialAN"), "true");
}

TEST_F(ConfigSaveTest, nextStart_showsTheSavedSettingsOnTheConsole) {
    config->SSTab1.setTab(kPageCost);
    config->checkUnlimitedConnection.userClick();
    config->SSTab1.setTab(kPageOptions);
    config->optionRedialForXTimes.userClick();
    config->textRedialNumber.setText("6");
    config->textReminder.setText("45");
    config->textReminder.userLeave();
    config->cmdSave.userClick();

    Harness next(dataDir());
    next.forms->get<frmStart>();
    frmConfig& console = next.forms->get<frmConfig>();
    EXPECT_TRUE(next.boxes.take().empty());
    EXPECT_FALSE(console.visible());
    EXPECT_TRUE(console.checkUnlimitedConnection.ticked());
    EXPECT_FALSE(console.Frame5.visible());
    EXPECT_TRUE(console.optionRedialForXTimes.value());
    EXPECT_EQ(console.textRedialNumber.text(), "6");
    EXPECT_EQ(console.textReminder.text(), "45");
    EXPECT_TRUE(console.cmdCloseConfigurationConsole.enabled());
}

TEST_F(ConfigSaveTest, save_endsTheFirstRunAndReturnsToTheMainConsole) {
    addProfile("Home");
    select("Home");
    config->cmdMakeDefault.userClick();
    config->cmdSave.userClick();
    frmStart& start = h.forms->get<frmStart>();
    EXPECT_EQ(m().firstrun, "false");
    EXPECT_TRUE(config->cmdCloseConfigurationConsole.enabled());
    EXPECT_EQ(start.cmdConnectDefault.caption(), "Connect to Home");
    EXPECT_EQ(start.defaultButton(), &start.cmdConnectDefault);
    const std::vector<std::string> effects = h.effects.take();
    EXPECT_EQ(effects, (std::vector<std::string>{"show frmStart", "hide frmConfig"}));
}

TEST_F(ConfigSaveTest, savedWithoutADialledDefault_theConnectButtonSaysConnect) {
    addProfile("Home");
    select("Home");
    config->cmdMakeDefault.userClick();
    config->optionConnectDefaultNo.userClick();
    config->cmdSave.userClick();
    EXPECT_EQ(h.forms->get<frmStart>().cmdConnectDefault.caption(), "Connect");
}

TEST_F(ConfigSaveTest, saveThatCannotWrite_saysWhyAndKeepsTheConsoleOpen) {
    // A folder whose place is taken by a file cannot hold the settings file, whoever runs the test.
    const std::filesystem::path folder = dataDir();
    std::ofstream(folder / "blocked") << "x";
    h.services.dataDir = folder / "blocked";
    config->cmdSave.userClick();
    h.services.dataDir = folder;
    const std::vector<Box> boxes = h.boxes.take();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].icon, MsgIcon::Critical);
    EXPECT_EQ(boxes[0].title, "Quillan");
    EXPECT_NE(boxes[0].text.find(kSettingsFileName), std::string::npos) << boxes[0].text;
    EXPECT_NE(boxes[0].text.find("press Save again"), std::string::npos) << boxes[0].text;
    EXPECT_TRUE(config->visible());
    EXPECT_EQ(m().firstrun, "true");
    EXPECT_FALSE(config->cmdCloseConfigurationConsole.enabled()) << "a first run still has nothing saved";
}

TEST_F(ConfigSaveTest, redialCountThatWouldNotLoadBack_isRefusedBeforeWriting) {
    config->SSTab1.setTab(kPageOptions);
    config->optionRedialForXTimes.userClick();
    config->textRedialNumber.setText("three");
    config->cmdSave.userClick();
    EXPECT_EQ(h.boxes.take().size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(dataDir() / kSettingsFileName));
    EXPECT_TRUE(config->visible());
    EXPECT_EQ(focus.focused, std::vector<std::string>{"textRedialNumber"});
}

// ---- Close ----

using ConfigFirstRunTest = ConfigFixture;

TEST_F(ConfigFirstRunTest, closeButtonAndCloseBox_leaveTheConsoleOpenUntilTheFirstSave) {
    EXPECT_FALSE(config->cmdCloseConfigurationConsole.reachable());
    config->userClose();
    EXPECT_TRUE(config->visible());
    EXPECT_EQ(h.forms->peek<frmCloseConfig>(), nullptr);
}

class ConfigCloseTest : public ConfigFixture {
  protected:
    // Past the first run, where the close button is available.
    ConfigCloseTest() {
        config->cmdSave.userClick();
        config->show();
        forget();
    }
    frmCloseConfig& reminder() { return h.forms->get<frmCloseConfig>(); }
};

TEST_F(ConfigCloseTest, answeringNo_keepsTheConsoleOpen) {
    config->cmdCloseConfigurationConsole.userClick();
    EXPECT_TRUE(reminder().visible());
    EXPECT_FALSE(reminder().modal());
    reminder().cmdNoClose.userClick();
    EXPECT_FALSE(reminder().visible());
    EXPECT_TRUE(config->visible());
}

TEST_F(ConfigCloseTest, closingKeepsUnsavedChangesForThisRunOnly) {
    config->SSTab1.setTab(kPageOptions);
    config->checkAutoDial.userClick();
    config->cmdCloseConfigurationConsole.userClick();
    reminder().cmdYesClose.userClick();
    EXPECT_FALSE(config->visible());
    EXPECT_TRUE(h.forms->get<frmStart>().visible());
    EXPECT_EQ(settings().autodial, "true");
    Module1 saved;
    loadSettings(dataDir() / kSettingsFileName, saved);
    EXPECT_EQ(saved.settings.autodial, "false");
    EXPECT_FALSE(std::filesystem::exists(dataDir() / kCloseReminderFileName));
}

TEST_F(ConfigCloseTest, removedReminder_isWrittenAndLetsTheNextCloseHideAtOnce) {
    config->cmdCloseConfigurationConsole.userClick();
    reminder().checkRemoveCloseReminder.userClick();
    reminder().cmdYesClose.userClick();
    EXPECT_EQ(readFile(kCloseReminderFileName), "##REMOVE REMINDER##\r\n");
    config->show();
    h.effects.take();
    config->userClose();
    EXPECT_FALSE(config->visible());
    EXPECT_EQ(h.effects.take(), std::vector<std::string>{"hide frmConfig"});
}

TEST_F(ConfigCloseTest, reminderThatCannotBeWritten_saysWhyAndKeepsBothWindowsOpen) {
    const std::filesystem::path folder = dataDir();
    std::ofstream(folder / "blocked") << "x";
    h.services.dataDir = folder / "blocked";
    config->cmdCloseConfigurationConsole.userClick();
    reminder().checkRemoveCloseReminder.userClick();
    reminder().cmdYesClose.userClick();
    h.services.dataDir = folder;
    const std::vector<Box> boxes = h.boxes.take();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].icon, MsgIcon::Critical);
    EXPECT_NE(boxes[0].text.find(kCloseReminderFileName), std::string::npos) << boxes[0].text;
    EXPECT_TRUE(config->visible());
    EXPECT_TRUE(reminder().visible());
}

} // namespace
} // namespace quillan
