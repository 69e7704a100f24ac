#include "StartupFixture.h"

#include "forms/frmConfig.h"
#include "forms/frmDeleteProfile.h"
#include "forms/frmStart.h"
#include "modules/SettingsFile.h"

namespace quillan {
namespace {

class StartUp : public StartupFixture {
  protected:
    frmStart& console() { return forms().get<frmStart>(); }
    frmConfig& config() { return forms().get<frmConfig>(); }

    // A settings file as the program saves it, with the given profiles and settings changed first.
    void saveSettingsWith(const std::vector<std::string>& profiles,
                          const std::function<void(Module1&)>& edit = {}) {
        Module1 saved;
        for (const auto& name : profiles)
            addDefaultProfile(saved.profiledata, name);
        addDefaultPrograms(saved.programdata);
        if (edit)
            edit(saved);
        saveSettings(dataDir / kSettingsFileName, saved, kDefaultStartUrl, "3");
    }
};

TEST_F(StartUp, firstStart_welcomesOnceAndLeavesOnlyTheConfigurationConsole) {
    addEntry("Home");
    console().startUp();
    const auto boxes = harness.boxes.take();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Welcome to Quillan");
    EXPECT_EQ(boxes[0].icon, MsgIcon::Information);
    EXPECT_FALSE(console().visible());
    EXPECT_TRUE(config().visible());
    EXPECT_FALSE(config().cmdCloseConfigurationConsole.enabled());
    EXPECT_FALSE(config().cmdDialAlternate.enabled());
    EXPECT_EQ(m().firstrun, "true");
    EXPECT_EQ(m().profiledata.value("HomeAN1"), "0");
    EXPECT_EQ(
        console().listConnectionStatus.items(),
        (std::vector<std::string>{"          Welcome to Quillan!", "The Best Dialup Networking Companion!"}));
}

TEST_F(StartUp, savedSettings_showTheConsoleWithTheDefaultProfileCaption) {
    addEntry("Home");
    saveSettingsWith({"Home"}, [](Module1& s) {
        s.settings.defaultprofile = "Home";
        s.settings.connectdefault = "true";
    });
    console().startUp();
    EXPECT_TRUE(harness.boxes.take().empty());
    EXPECT_TRUE(console().visible());
    EXPECT_EQ(console().cmdConnectDefault.caption(), "Connect to Home");
    EXPECT_EQ(forms().get<frmDeleteProfile>().listUpdateProfiles.items(), std::vector<std::string>{"Home"});
}

TEST_F(StartUp, defaultProfileNone_captionIsConnectWhateverTheFlag) {
    saveSettingsWith({}, [](Module1& s) { s.settings.connectdefault = "true"; });
    console().startUp();
    EXPECT_EQ(console().cmdConnectDefault.caption(), "Connect");
}

TEST_F(StartUp, connectDefaultFalse_keepsTheDesignedCaption) {
    addEntry("Home");
    saveSettingsWith({"Home"}, [](Module1& s) { s.settings.defaultprofile = "Home"; });
    console().startUp();
    EXPECT_EQ(console().cmdConnectDefault.caption(), "");
}

TEST_F(StartUp, hiddenStatus_startsShortAndTheToggleRestoresTheHeight) {
    saveSettingsWith({}, [](Module1& s) { s.settings.hidestatus = "true"; });
    console().startUp();
    EXPECT_EQ(console().Command3.caption(), ">>");
    EXPECT_EQ(console().height(), kConsoleHeight - kStatusListHeight);
    EXPECT_FALSE(console().listConnectionStatus.visible());
    EXPECT_EQ(config().checkStatus.value(), 1);
    console().Command3.userClick();
    console().Command3.userClick();
    EXPECT_EQ(console().height(), kConsoleHeight - kStatusListHeight);
    EXPECT_EQ(console().Command3.caption(), ">>");
}

TEST_F(StartUp, deletedPhonebookEntries_openTheDeleteWindowModally) {
    addEntry("Home");
    saveSettingsWith({"Home", "Gone"});
    bool shownModally = false;
    harness.modal.body = [&](Form& form) { shownModally = form.name() == "frmDeleteProfile"; };
    console().startUp();
    const auto boxes = harness.boxes.take();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Updating Quillan");
    EXPECT_EQ(boxes[0].text,
              "Quillan has detected that you have deleted away some connection profiles. You are "
              "required to update the config");
    EXPECT_TRUE(shownModally);
}

TEST_F(StartUp, newPhonebookEntries_getDefaultRecords) {
    addEntry("Home");
    addEntry("New");
    saveSettingsWith({"Home"}, [](Module1& s) { s.profiledata.replace("HomeUsername", "me"); });
    console().startUp();
    const auto boxes = harness.boxes.take();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].icon, MsgIcon::Critical);
    EXPECT_EQ(m().profiledata.value("HomeUsername"), "me");
    EXPECT_EQ(m().profiledata.value("New"), "New");
    EXPECT_EQ(m().profiledata.count(), 30u);
}

TEST_F(StartUp, unreadableSettingsFile_isReportedAndKeptWhileDefaultsApply) {
    writeFile(kSettingsFileName, "##Connection Profile##\r\n##Default Profile##\r\nNone\r\n");
    console().startUp();
    const auto boxes = harness.boxes.take();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].icon, MsgIcon::Critical);
    EXPECT_NE(boxes[0].text.find(kSettingsFileName), std::string::npos);
    EXPECT_NE(boxes[0].text.find("line"), std::string::npos);
    EXPECT_EQ(readFile(kSettingsFileName), "##Connection Profile##\r\n##Default Profile##\r\nNone\r\n");
    EXPECT_EQ(m().settings.traymode, "true");
    EXPECT_TRUE(config().visible());
    EXPECT_EQ(m().programdata.count(), 20u);
}

TEST_F(StartUp, phonebookThatCannotBeTrusted_isReportedAndNotReconciledAgainst) {
    const struct {
        const char* what;
        PhonebookHealth health;
        std::vector<std::string> expected; // in the one box shown
        bool reconciled;
    } cases[] = {
        {"unreadable",
         {"/home/u/phonebook.ini", "it is a folder, not a file", false, {}},
         {"cannot read the phonebook \"/home/u/phonebook.ini\": it is a folder, not a file.",
          "profiles are kept"},
         false},
        {"missing",
         {"/home/u/phonebook.ini", "", true, {}},
         {"\"/home/u/phonebook.ini\" is missing, but Quillan's settings hold 2 connection profiles."},
         false},
        {"repeated section",
         {"/home/u/phonebook.ini", "", false, {"Home"}},
         {"has more than one [Home] section"},
         true},
    };
    for (const auto& trouble : cases) {
        Harness run(dataDir);
        run.dialUp.entries.push_back({"Home", "1"});
        run.dialUp.health = trouble.health;
        saveSettingsWith({"Home", "Work"});
        bool deleteWindowShown = false;
        run.modal.body = [&](Form& form) { deleteWindowShown = form.name() == "frmDeleteProfile"; };
        run.forms->get<frmStart>().startUp();
        const auto boxes = run.boxes.take();
        ASSERT_EQ(boxes.size(), trouble.reconciled ? 2u : 1u) << trouble.what;
        for (const std::string& text : trouble.expected)
            EXPECT_NE(boxes[0].text.find(text), std::string::npos) << trouble.what << ": " << boxes[0].text;
        EXPECT_EQ(deleteWindowShown, trouble.reconciled) << trouble.what;
        EXPECT_EQ(run.module1.profiledata.count(), 30u) << trouble.what;
    }
}

TEST_F(StartUp, somethingInTheSettingsFilesPlace_isReportedRatherThanWelcomed) {
    std::filesystem::create_directory(dataDir / kSettingsFileName);
    console().startUp();
    const auto boxes = harness.boxes.take();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].icon, MsgIcon::Critical);
    EXPECT_NE(boxes[0].text.find("it is a folder, not a file"), std::string::npos) << boxes[0].text;
    EXPECT_TRUE(std::filesystem::is_directory(dataDir / kSettingsFileName));
}

TEST_F(StartUp, leftoversOfInterruptedSavesGoAndLooseModesAreTightenedSayingSoOnce) {
    saveSettingsWith({});
    const std::vector<std::string> leftovers = {"MSVCT32.dll.quillan-new-a1B2c3", "MSVCT32.dll.Xy7Kq2",
                                                "20261.txt.quillan-new-Zz9Zz9", "cc1.txt.q1W2e3"};
    const std::vector<std::string> kept = {
        "MSVCT32.dll.backup", "MSVCT32.dll.Backup", "MSVCT32.dll.BACKUP", "MSVCT32.dll.201231",
        "MSVCT32.dll.bak001", "20261.txt.Backup",   "notes.txt.Xy7Kq2",   "MSVCT32.dll.quillan-new-x"};
    for (const auto& name : leftovers)
        writeFile(name, "secret");
    for (const auto& name : kept)
        writeFile(name, "mine");
    std::filesystem::permissions(dataDir, std::filesystem::perms(0777));
    std::filesystem::permissions(dataDir / kSettingsFileName, std::filesystem::perms(0644));
    console().startUp();
    for (const auto& name : leftovers)
        EXPECT_FALSE(std::filesystem::exists(dataDir / name)) << name;
    for (const auto& name : kept)
        EXPECT_TRUE(std::filesystem::exists(dataDir / name)) << name;
    EXPECT_EQ(std::filesystem::status(dataDir).permissions(), std::filesystem::perms(0755));
    EXPECT_EQ(std::filesystem::status(dataDir / kSettingsFileName).permissions(),
              std::filesystem::perms(0600));
    const auto boxes = harness.boxes.take();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("could change the files in Quillan's data folder"), std::string::npos);
    EXPECT_NE(boxes[0].text.find("could read the settings file"), std::string::npos);
    Harness again(dataDir);
    again.forms->get<frmStart>().startUp();
    EXPECT_TRUE(again.boxes.take().empty());
}

class TrayIconUse : public StartUp {
  protected:
    TrayIconUse() {
        saveSettingsWith({});
        console().startUp();
        harness.effects.take();
    }
};

TEST_F(TrayIconUse, placeInTray_addsTheIconThenHidesTheConsole) {
    console().Command1.userClick();
    EXPECT_EQ(harness.effects.take(), (std::vector<std::string>{"tray add \"Quillan\"", "hide frmStart"}));
}

TEST_F(TrayIconUse, leftClickOrDoubleClick_restoresTheConsole) {
    for (int message : {kTrayLeftUp, kTrayLeftDoubleClick}) {
        console().hide();
        console().trayMessage(message);
        EXPECT_TRUE(console().visible()) << message;
        EXPECT_EQ(console().windowState(), WindowState::Normal);
    }
}

TEST_F(TrayIconUse, rightClick_opensThePopupMenuExceptDuringExit) {
    console().trayMessage(kTrayRightUp);
    EXPECT_EQ(console().popupMenu(), &console().mPopupSys);
    console().hide();
    m().exiting = "true";
    console().trayMessage(kTrayLeftUp);
    EXPECT_FALSE(console().visible());
}

TEST_F(TrayIconUse, minimisedConsole_leavesTheTaskBarButKeepsAWayBack) {
    console().setWindowState(WindowState::Minimized);
    EXPECT_FALSE(console().visible());
    EXPECT_EQ(harness.effects.take(), (std::vector<std::string>{"tray add \"Quillan\"", "hide frmStart"}));
}

TEST_F(TrayIconUse, unloadingTheConsole_removesTheTrayIcon) {
    console().unload();
    EXPECT_EQ(harness.effects.take(),
              (std::vector<std::string>{"tray delete \"Quillan\"", "unload frmStart"}));
}

// A desktop without a notification area: putting the console in the tray would lose it.
class NoTray : public TrayIconUse {
  protected:
    NoTray() { harness.tray.missing = true; }
};

TEST_F(NoTray, placeInTray_minimisesIntoTheTaskBarAndTellsWhyOnce) {
    for (int time = 1; time <= 2; ++time) {
        console().Command1.userClick();
        EXPECT_EQ(console().windowState(), WindowState::Minimized) << time;
        EXPECT_TRUE(console().visible()) << time;
        const auto boxes = harness.boxes.take();
        ASSERT_EQ(boxes.size(), time == 1 ? 1u : 0u) << time;
        if (time == 1) {
            EXPECT_EQ(boxes[0].icon, MsgIcon::Information);
            EXPECT_NE(boxes[0].text.find("no notification area"), std::string::npos);
        }
        console().trayMessage(kTrayLeftUp);
        EXPECT_EQ(console().windowState(), WindowState::Normal) << time;
    }
    for (const std::string& effect : harness.effects.take())
        EXPECT_NE(effect.rfind("tray add", 0), 0u) << effect;
}

TEST_F(NoTray, consoleMinimisedByTheUser_staysInTheTaskBar) {
    console().setWindowState(WindowState::Minimized);
    EXPECT_TRUE(console().visible());
    EXPECT_TRUE(harness.effects.take().empty());
}

} // namespace
} // namespace quillan
