#include "DriverTestForm.h"

#include "Driver.h"

#include "forms/formRAS.h"
#include "forms/frmHelpDelete.h"
#include "forms/frmStart.h"
#include "testsupport/Harness.h"
#include "testsupport/TemporaryFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

using namespace quillan;
using testing::ElementsAre;

namespace {

class DriverTest : public testing::Test {
  protected:
    // Runs the commands (one a line) and returns the driver's output lines.
    std::vector<std::string> run(const std::string& commands, bool echo = false) {
        std::istringstream in(commands);
        std::ostringstream out;
        Driver(harness, in, out, echo).run();
        std::vector<std::string> lines;
        std::istringstream text(out.str());
        for (std::string line; std::getline(text, line);)
            lines.push_back(line);
        return lines;
    }

    frmDriverTest& shownForm() {
        auto& form = harness.forms->get<frmDriverTest>();
        form.show();
        return form;
    }

    TemporaryFolder folder{"quillan-driver-test"};
    Harness harness{folder.path()};
};

TEST_F(DriverTest, everyCommand_endsWithOneStatusLine) {
    EXPECT_THAT(run("entry ISP 555\ndance\nentry ISP\n"),
                ElementsAre("ok", "error: unknown command dance", "error: usage: entry NAME NUMBER"));
}

TEST_F(DriverTest, echo_repeatsEachCommandLineButNotCommentsOrBlankLines) {
    EXPECT_THAT(run("# setting up\n\nentry ISP 555\n", true), ElementsAre("> entry ISP 555", "ok"));
}

TEST_F(DriverTest, afterQuit_laterCommandsAreNotRead) {
    EXPECT_THAT(run("quit\nentry ISP 555\n"), ElementsAre("ok"));
    EXPECT_TRUE(harness.dialUp.entries.empty());
}

TEST_F(DriverTest, get_ofAWindowNotLoaded_answersWithoutLoadingIt) {
    EXPECT_THAT(run("get frmDriverTest loaded\nget frmDriverTest visible\nget frmDriverTest.cmdGo caption\n"),
                ElementsAre("false", "ok", "false", "ok", "error: frmDriverTest is not loaded"));
    EXPECT_EQ(harness.forms->peek<frmDriverTest>(), nullptr);
}

TEST_F(DriverTest, get_printsTextsQuotedAndNumbersAndFlagsBare) {
    auto& form = shownForm();
    form.textName.setText("say \"hi\"\r\n");
    form.setWindowState(WindowState::Minimized);
    EXPECT_THAT(run("get frmDriverTest.textName text\nget frmDriverTest.listNames list\n"
                    "get frmDriverTest.listNames listindex\nget frmDriverTest.checkFlag value\n"
                    "get frmDriverTest.optionA value\nget frmDriverTest.timerTick interval\n"
                    "get frmDriverTest windowstate\nget frmDriverTest.cmdGo listcount\n"),
                ElementsAre(R"("say \"hi\"\r\n")", "ok", R"("alpha")", R"("beta")", R"("gamma")", "ok", "-1",
                            "ok", "0", "ok", "false", "ok", "1000", "ok", "minimized", "ok",
                            "error: frmDriverTest.cmdGo has no listcount"));
}

TEST_F(DriverTest, click_onAHiddenWindow_isRefused) {
    harness.forms->get<frmDriverTest>();
    EXPECT_THAT(run("click frmDriverTest.cmdGo\n"),
                ElementsAre("error: frmDriverTest.cmdGo is not reachable"));
}

TEST_F(DriverTest, click_onAPageNotShown_isRefusedUntilThePageIsSelected) {
    auto& form = shownForm();
    form.cmdOnSecond.Click = [&] { form.log.push_back("Click cmdOnSecond"); };
    EXPECT_THAT(
        run("click frmDriverTest.cmdOnSecond\ntab frmDriverTest.tabs 1\nclick frmDriverTest.cmdOnSecond\n"
            "tab frmDriverTest.tabs 2\n"),
        ElementsAre("error: frmDriverTest.cmdOnSecond is not reachable", "ok", "ok",
                    "error: page out of range: 2"));
    EXPECT_THAT(form.log, ElementsAre("Click cmdOnSecond"));
}

TEST_F(DriverTest, click_onCheckBoxAndOptions_followsTheUsersRules) {
    auto& form = shownForm();
    run("click frmDriverTest.checkFlag\nclick frmDriverTest.optionA\nclick frmDriverTest.optionB\n");
    EXPECT_EQ(form.checkFlag.value(), 1);
    EXPECT_FALSE(form.optionA.value());
    EXPECT_TRUE(form.optionB.value());
    EXPECT_THAT(form.log, ElementsAre("Click checkFlag 1", "Click optionA", "Click optionB"));
}

TEST_F(DriverTest, click_onAMenuItemOfAHiddenWindow_needsOnlyThatItIsEnabled) {
    auto& form = harness.forms->get<frmDriverTest>();
    EXPECT_THAT(run("click frmDriverTest.mItem\nclick frmDriverTest.mSep\n"),
                ElementsAre("ok", "error: frmDriverTest.mSep is a separator"));
    form.mMenu.setEnabled(false);
    EXPECT_THAT(run("click frmDriverTest.mItem\n"), ElementsAre("error: frmDriverTest.mItem is not enabled"));
    EXPECT_THAT(form.log, ElementsAre("Click mItem"));
}

TEST_F(DriverTest, type_runsKeyPressThenChangeForEachCharacter) {
    auto& form = shownForm();
    run("type frmDriverTest.textName \"a!b\"\n");
    EXPECT_EQ(form.textName.text(), "ab");
    EXPECT_THAT(form.log, ElementsAre("KeyPress a", "Change a", "KeyPress !", "KeyPress b", "Change ab"));
}

TEST_F(DriverTest, settextAndLeave_runOneChangeAndLostFocus) {
    auto& form = shownForm();
    run("settext frmDriverTest.textName \"two words\"\nleave frmDriverTest.textName\n");
    EXPECT_THAT(form.log, ElementsAre("Change two words", "LostFocus"));
}

TEST_F(DriverTest, choose_byTextOrByIndex_selectsThenClicks) {
    auto& form = shownForm();
    EXPECT_THAT(run("choose frmDriverTest.listNames beta\nchoose frmDriverTest.listNames #2\n"
                    "choose frmDriverTest.listNames delta\n"),
                ElementsAre("ok", "ok", "error: frmDriverTest.listNames has no line \"delta\""));
    EXPECT_THAT(form.log, ElementsAre("Click beta", "Click gamma"));
    form.listNames.addItem("#1 hit");
    EXPECT_THAT(run("choose frmDriverTest.listNames \"#1 hit\"\nchoose frmDriverTest.listNames #9\n"),
                ElementsAre("ok", "error: line out of range: 9"));
    EXPECT_EQ(form.listNames.listIndex(), 3);
}

TEST_F(DriverTest, check_togglesTheTickOfOneLine) {
    auto& form = shownForm();
    EXPECT_THAT(run("check frmDriverTest.listTicks gamma\ncheck frmDriverTest.listTicks alpha\n"
                    "check frmDriverTest.listTicks gamma\nget frmDriverTest.listTicks checked\n"
                    "check frmDriverTest.listNames alpha\n"),
                ElementsAre("ok", "ok", "ok", R"("alpha")", "ok",
                            "error: frmDriverTest.listNames has no check boxes"));
    EXPECT_THAT(form.log, ElementsAre("ItemCheck 2", "ItemCheck 0", "ItemCheck 2"));
}

TEST_F(DriverTest, timer_advancesTheClockEachTimeAndFiresOnlyWhileEnabled) {
    auto& form = shownForm();
    const std::time_t start = harness.clock.now();
    form.timerTick.setEnabled(true);
    EXPECT_THAT(run("timer frmDriverTest.timerTick 3\n"), ElementsAre("fired 3", "ok"));
    form.timerTick.setEnabled(false);
    EXPECT_THAT(run("timer frmDriverTest.timerTick\nadvance 60\n"), ElementsAre("fired 0", "ok", "ok"));
    EXPECT_EQ(harness.clock.now() - start, 64);
    EXPECT_EQ(form.log.size(), 3u);
}

TEST_F(DriverTest, boxes_printEachBoxOnceWithTheQueuedAnswer) {
    shownForm().cmdGo.Click = [this] {
        harness.services.boxes.show("Sure?", MsgButtons::YesNoCancel, MsgIcon::Question, "Exiting \"Q\"");
        harness.services.boxes.show("Done", MsgButtons::OK, MsgIcon::None, "Quillan");
    };
    EXPECT_THAT(run("answer no\nclick frmDriverTest.cmdGo\nboxes\nboxes\n"),
                ElementsAre("ok", "ok", R"(box question "Exiting \"Q\"" "Sure?" -> No)",
                            R"(box none "Quillan" "Done" -> OK)", "ok", "ok"));
}

TEST_F(DriverTest, events_listShowsHidesAndUnloadsOldestFirst) {
    harness.effects.take();
    shownForm();
    EXPECT_THAT(run("close frmDriverTest\nevents\nevents\n"),
                ElementsAre("ok", "show frmDriverTest", "unload frmDriverTest", "ok", "ok"));
}

TEST_F(DriverTest, events_includeAPopUpMenuOpened) {
    auto& form = shownForm();
    harness.effects.take();
    form.cmdGo.Click = [&form] { form.showPopupMenu(form.mMenu); };
    EXPECT_THAT(run("click frmDriverTest.cmdGo\nevents\n"),
                ElementsAre("ok", "popup frmDriverTest.mMenu", "ok"));
}

TEST_F(DriverTest, minimize_onlyReachesAShownWindow) {
    auto& form = harness.forms->get<frmDriverTest>();
    EXPECT_THAT(run("minimize frmDriverTest\n"), ElementsAre("error: frmDriverTest is not shown"));
    form.show();
    EXPECT_THAT(run("minimize frmDriverTest\nget frmDriverTest windowstate\n"),
                ElementsAre("ok", "minimized", "ok"));
}

TEST_F(DriverTest, aModalWindow_runsTheFollowingCommandsBeforeTheStatusOfTheCommandThatShowedIt) {
    harness.dialUp.Progress = [this](std::int16_t) { harness.forms->get<frmHelpDelete>().showModal(); };
    EXPECT_THAT(
        run("progress 1\nget frmHelpDelete visible\nclose frmHelpDelete\nget frmHelpDelete loaded\n", true),
        ElementsAre("> progress 1", "> get frmHelpDelete visible", "true", "ok", "> close frmHelpDelete",
                    "ok", "ok", "> get frmHelpDelete loaded", "false", "ok"));
}

TEST_F(DriverTest, quitInsideAModalWindow_endsEverythingWithoutFurtherStatus) {
    harness.dialUp.Progress = [this](std::int16_t) { harness.forms->get<frmHelpDelete>().showModal(); };
    EXPECT_THAT(run("progress 1\nquit\nentry ISP 555\n"), ElementsAre("ok"));
    EXPECT_TRUE(harness.dialUp.entries.empty());
}

TEST_F(DriverTest, endOfInputInsideAModalWindow_closesItAndAnswersTheCommand) {
    harness.dialUp.Progress = [this](std::int16_t) { harness.forms->get<frmHelpDelete>().showModal(); };
    EXPECT_THAT(run("progress 1\n"), ElementsAre("ok"));
    EXPECT_FALSE(harness.forms->peek<frmHelpDelete>()->visible());
}

TEST_F(DriverTest, unloadingTheMainConsole_endsTheProgramAndOnlyRecordsAnswerAfterwards) {
    shownForm().cmdGo.Click = [this] {
        if (auto* console = harness.forms->peek<frmStart>())
            console->unload();
        harness.services.boxes.show("Bye", MsgButtons::OK, MsgIcon::None, "Quillan");
    };
    const auto output = run("start\nboxes\nevents\ncalls\nclick frmDriverTest.cmdGo\nentry ISP 555\n"
                            "get frmStart loaded\nboxes\nclick frmDriverTest.cmdGo\nadvance 1\nread-file "
                            "none.txt\nstate redial\nevents\ncalls\nquit\n",
                            true);
    const auto from = std::find(output.begin(), output.end(), "> click frmDriverTest.cmdGo");
    ASSERT_NE(from, output.end());
    EXPECT_THAT(std::vector<std::string>(from, output.end()),
                ElementsAre("> click frmDriverTest.cmdGo", "ended", "ok", "> entry ISP 555", "error: ended",
                            "> get frmStart loaded", "error: ended", "> boxes",
                            R"(box none "Quillan" "Bye" -> OK)", "ok", "> click frmDriverTest.cmdGo",
                            "error: ended", "> advance 1", "error: ended", "> read-file none.txt", "missing",
                            "ok", "> state redial", "0", "ok", "> events", "tray delete \"Quillan\"",
                            "unload frmStart", "ok", "> calls", "ok", "> quit", "ok"));
}

TEST_F(DriverTest, phonebookCommands_changeWhatTheDialUpControlReports) {
    EXPECT_THAT(
        run("entry \"My ISP\" 5551234\nentry Other 1\nentry Other 2\nremove-entry Other\nremove-entry Other\n"
            "online \"My ISP\" yes\nonline \"My ISP\" maybe\n"),
        ElementsAre("ok", "ok", "error: the phonebook already holds Other", "ok",
                    "error: the phonebook holds no Other", "ok", "error: usage: online NAME yes|no"));
    ASSERT_EQ(harness.dialUp.EntryCount(), 1);
    harness.dialUp.setEntryName("My ISP");
    harness.dialUp.LoadEntry();
    EXPECT_TRUE(harness.dialUp.IsConnected());
    EXPECT_EQ(harness.dialUp.PhoneNumber(), "5551234");
}

TEST_F(DriverTest, progress_raisesTheEventWithItsStatusText) {
    EXPECT_THAT(run("progress 8192 Connected\n"), ElementsAre("error: nothing handles Progress yet"));
    std::vector<std::string> seen;
    harness.dialUp.Progress = [&](std::int16_t state) {
        seen.push_back(std::to_string(state) + " " + harness.dialUp.StatusText());
    };
    EXPECT_THAT(run("progress 8193 \"Line busy\"\nprogress 3\nprogress 70000\n"),
                ElementsAre("ok", "ok", "error: STATE out of range: 70000"));
    EXPECT_THAT(seen, ElementsAre("8193 Line busy", "3 "));
}

TEST_F(DriverTest, calls_listTheProgramsWritesAndMethodsOnce) {
    harness.dialUp.setEntryName("ISP \"1\"");
    harness.dialUp.Dial();
    EXPECT_THAT(run("calls\ncalls\n"), ElementsAre(R"(EntryName = "ISP \"1\"")", "Dial", "ok", "ok"));
}

TEST_F(DriverTest, dataFiles_roundTripWithTheirLineEndsShown) {
    EXPECT_THAT(
        run("write-file cc1.txt \"one\\r\\n\\r\\ntwo\\nthree\"\nread-file cc1.txt\nread-file nothing.txt\n"
            "write-file ../escape.txt x\n"),
        ElementsAre("ok", R"("one")", R"("")", R"("two\nthree" (no CR LF))", "ok", "missing", "ok",
                    "error: not a path inside the data folder: ../escape.txt"));
    EXPECT_FALSE(std::filesystem::exists(folder.path().parent_path() / "escape.txt"));
}

TEST_F(DriverTest, fileMode_printsThePermissionBitsInOctal) {
    run("write-file a.txt x\n");
    std::filesystem::permissions(folder.path() / "a.txt", std::filesystem::perms::owner_read |
                                                              std::filesystem::perms::owner_write |
                                                              std::filesystem::perms::group_read);
    EXPECT_THAT(run("file-mode a.txt\nfile-mode b.txt\n"), ElementsAre("640", "ok", "missing", "ok"));
}

TEST_F(DriverTest, state_readsTheDialingFormsCountersOnceItIsLoaded) {
    EXPECT_THAT(run("state redial\n"), ElementsAre("error: formRAS is not loaded"));
    harness.forms->get<formRAS>().ANindex = 3;
    EXPECT_THAT(run("state ANindex\nstate nonsense\n"), ElementsAre("3", "ok", "error: no state nonsense"));
}

TEST_F(DriverTest, state_printsFlagsAsQuotedTextsAndNumbersBare) {
    harness.module1.connected = "true";
    harness.module1.settings.freehours = std::string("12");
    harness.module1.settings.freeminutes = 30;
    EXPECT_THAT(run("state connected\nstate freehours\nstate freeminutes\n"),
                ElementsAre("\"true\"", "ok", "\"12\"", "ok", "30", "ok"));
}

TEST_F(DriverTest, profiles_printInCollectionOrderWithValuesQuoted) {
    harness.module1.profiledata.add("ISP", "ISP");
    harness.module1.profiledata.add("ISPUsername", "jo \"x\"");
    EXPECT_THAT(run("profiles\nprofile ISPUsername\nprofile ISPPassword\n"),
                ElementsAre("ISP=\"ISP\"", R"(ISPUsername="jo \"x\"")", "ok", R"("jo \"x\"")", "ok",
                            "missing", "ok"));
}

} // namespace
