#include "calls_Fixture.h"

#include "forms/frmConnectNoDefault.h"
#include "forms/frmDialSelected.h"
#include "forms/frmPassword.h"

namespace quillan {
namespace {

using ConnectCommandsTest = CallsTest;

const char* const kEmptyUsernameStart =
    "Quillan has detected an empty field for the Username entry. Even if your "
    "dialup server do not handle auto-negotiation, there must still be an entry "
    "for the Username. You may enter any values for the username ";

TEST_F(ConnectCommandsTest, connectDefaultOff_onlyOpensTheChoiceWindow) {
    m().settings.connectdefault = "false";
    console->cmdConnectDefault.userClick();
    EXPECT_TRUE(h.forms->get<frmConnectNoDefault>().visible());
    EXPECT_TRUE(h.dialUp.takeCalls().empty());
    EXPECT_EQ(m().dialing, "false");
}

TEST_F(ConnectCommandsTest, connectDefaultOnWithNoDefaultProfile_opensTheChoiceWindow) {
    m().settings.defaultprofile = "None";
    console->cmdConnectDefault.userClick();
    EXPECT_TRUE(h.forms->get<frmConnectNoDefault>().visible());
    EXPECT_TRUE(h.dialUp.takeCalls().empty());
    EXPECT_TRUE(h.boxes.take().empty());
}

TEST_F(ConnectCommandsTest, connectButton_resetsTheCallEvenWhenNothingIsDialled) {
    m().settings.connectdefault = "false";
    m().userhangup = "true";
    m().warnedcostpm = "true";
    ras->ANindex = 4;
    console->cmdConnectDefault.userClick();
    EXPECT_EQ(m().userhangup, "false");
    EXPECT_EQ(m().warnedcostpm, "false");
    EXPECT_EQ(ras->ANindex, 0);
}

TEST_F(ConnectCommandsTest, defaultProfileWithoutUserName_isRefusedWithoutAndWithThePrompt) {
    m().profiledata.replace("HomeUsername", "");
    for (const char* prompt : {"false", "true"}) {
        m().settings.promptpassword = prompt;
        console->cmdConnectDefault.userClick();
        const auto boxes = h.boxes.take();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, std::string(kEmptyUsernameStart) +
                                     "by clicking on the Edit Profile button in the Configuration Console.");
        EXPECT_EQ(boxes[0].icon, MsgIcon::Information);
        EXPECT_EQ(boxes[0].title, "Empty Username Entry");
        EXPECT_EQ(loaded("frmPassword"), nullptr);
    }
    EXPECT_TRUE(h.dialUp.takeCalls().empty());
}

TEST_F(ConnectCommandsTest, passwordPromptOn_opensThePromptInsteadOfDialling) {
    m().settings.promptpassword = "true";
    console->cmdConnectDefault.userClick();
    EXPECT_TRUE(h.forms->get<frmPassword>().visible());
    EXPECT_TRUE(h.dialUp.takeCalls().empty());
}

TEST_F(ConnectCommandsTest, rightPassword_dialsTheDefaultAndHidesThePrompt) {
    m().settings.promptpassword = "true";
    console->cmdConnectDefault.userClick();
    auto& prompt = h.forms->get<frmPassword>();
    prompt.textPassword.setText("secret");
    prompt.cmdOKPassword.userClick();
    EXPECT_EQ(dialledNumbers(), std::vector<std::string>{"5550100"});
    EXPECT_FALSE(prompt.visible());
    EXPECT_EQ(m().currentprofile, "Home");
}

TEST_F(ConnectCommandsTest, wrongPassword_isRefusedAndCanBeRetriedAtOnce) {
    m().settings.promptpassword = "true";
    console->cmdConnectDefault.userClick();
    auto& prompt = h.forms->get<frmPassword>();
    prompt.textPassword.setText("Secret");
    prompt.cmdOKPassword.userClick();
    const auto boxes = h.boxes.take();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Incorrect Password! Try Again.");
    EXPECT_EQ(boxes[0].icon, MsgIcon::Critical);
    EXPECT_EQ(boxes[0].title, "Authentication Failed!");
    EXPECT_EQ(prompt.textPassword.text(), "");
    EXPECT_TRUE(prompt.visible());
    EXPECT_TRUE(dialledNumbers().empty());
    prompt.textPassword.setText("secret");
    prompt.cmdOKPassword.userClick();
    EXPECT_EQ(dialledNumbers().size(), 1u);
}

TEST_F(ConnectCommandsTest, emptyPasswordAgainstAnEmptyStoredPassword_dials) {
    m().profiledata.replace("HomePassword", "");
    m().settings.promptpassword = "true";
    console->cmdConnectDefault.userClick();
    h.forms->get<frmPassword>().cmdOKPassword.userClick();
    EXPECT_EQ(dialledNumbers().size(), 1u);
}

TEST_F(ConnectCommandsTest, choiceWindowWithoutSelection_asksForAProfile) {
    auto& choice = h.forms->get<frmConnectNoDefault>();
    choice.show();
    choice.cmdDial.userClick();
    const auto boxes = h.boxes.take();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Select a Connection Profile first");
    EXPECT_EQ(boxes[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(boxes[0].title, "Quillan");
    EXPECT_TRUE(choice.visible());
}

TEST_F(ConnectCommandsTest, choiceWindow_fillsDialSelectedWithTheStoredCredentials) {
    addProfile("Office", "bob", "pw2", "CORP", "5550200");
    auto& choice = h.forms->get<frmConnectNoDefault>();
    choice.listdialchoose.addItem("Home");
    choice.listdialchoose.addItem("Office");
    choice.show();
    choice.listdialchoose.userChoose(1);
    choice.cmdDial.userClick();
    auto& selected = h.forms->get<frmDialSelected>();
    EXPECT_TRUE(selected.visible());
    EXPECT_FALSE(choice.visible());
    EXPECT_EQ(selected.textDialProfilename.text(), "Office");
    EXPECT_EQ(selected.textDialUsername.text(), "bob");
    EXPECT_EQ(selected.textDialPassword.text(), "pw2");
    EXPECT_EQ(selected.textDialDomain.text(), "CORP");
}

TEST_F(ConnectCommandsTest, dialSelectedWithoutUserName_isRefusedEvenWithPasswordAndDomain) {
    auto& selected = h.forms->get<frmDialSelected>();
    selected.fillFrom("Home");
    selected.textDialUsername.setText("");
    selected.show();
    selected.cmdDialDial.userClick();
    const auto boxes = h.boxes.take();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              std::string(kEmptyUsernameStart) + "under the Connect tab in the Configuration Console.");
    EXPECT_EQ(boxes[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(selected.visible());
    EXPECT_TRUE(h.dialUp.takeCalls().empty());
}

TEST_F(ConnectCommandsTest, changedCredentials_serveTheFirstAttemptOnly) {
    auto& selected = h.forms->get<frmDialSelected>();
    selected.fillFrom("Home");
    selected.textDialUsername.setText("guest");
    selected.textDialPassword.setText("once");
    selected.show();
    selected.cmdDialDial.userClick();
    EXPECT_EQ(h.dialUp.takeCalls(),
              (std::vector<std::string>{"EntryName = \"Home\"", "LoadEntry", "UserName = \"guest\"",
                                        "Password = \"once\"", "Domain = \"WORK\"", "Dial"}));
    EXPECT_FALSE(selected.visible());
    EXPECT_TRUE(console->visible());
    EXPECT_EQ(m().profiledata.value("HomeUsername"), "alice");
    fail();
    redialTicks(7);
    const auto redial = h.dialUp.takeCalls();
    EXPECT_NE(std::find(redial.begin(), redial.end(), "UserName = \"alice\""), redial.end());
    EXPECT_NE(std::find(redial.begin(), redial.end(), "Password = \"secret\""), redial.end());
}

TEST_F(ConnectCommandsTest, dialSelectedCancel_closesTheWindow) {
    auto& selected = h.forms->get<frmDialSelected>();
    selected.show();
    selected.cmdDialCancel.userClick();
    EXPECT_EQ(loaded("frmDialSelected"), nullptr);
}

TEST_F(ConnectCommandsTest, autoDial_dialsWithoutLoadingTheEntryAndLeavesTheTrayHangUpOff) {
    m().settings.autodial = "true";
    m().profiledata.replace("HomeDialAN", "true");
    calls().autoDial();
    EXPECT_EQ(h.dialUp.takeCalls(),
              (std::vector<std::string>{"EntryName = \"Home\"", "UserName = \"alice\"",
                                        "Password = \"secret\"", "Domain = \"WORK\"", "Dial"}));
    EXPECT_EQ(m().dialalternates, "true");
    EXPECT_TRUE(console->cmdHangup.enabled());
    EXPECT_TRUE(console->timer.enabled());
    EXPECT_FALSE(console->mPopHangup.enabled());
}

TEST_F(ConnectCommandsTest, autoDial_skipsTheEmptyUserNameTest) {
    m().settings.autodial = "true";
    m().profiledata.replace("HomeUsername", "");
    calls().autoDial();
    EXPECT_TRUE(h.boxes.take().empty());
    EXPECT_EQ(dialledNumbers().size(), 1u);
}

TEST_F(ConnectCommandsTest, autoDialWithACallUp_doesNothing) {
    m().settings.autodial = "true";
    m().connected = "true";
    calls().autoDial();
    EXPECT_TRUE(h.dialUp.takeCalls().empty());
}

TEST_F(ConnectCommandsTest, autoDialWithThePrompt_opensThePrompt) {
    m().settings.autodial = "true";
    m().settings.promptpassword = "true";
    calls().autoDial();
    EXPECT_TRUE(h.forms->get<frmPassword>().visible());
    EXPECT_TRUE(h.dialUp.takeCalls().empty());
}

} // namespace
} // namespace quillan
