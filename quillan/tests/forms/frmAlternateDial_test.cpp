#include "ConfigFixture.h"

#include "forms/frmAlternateDial.h"
#include "forms/frmHelpAlternative.h"

#include <gtest/gtest.h>

namespace quillan {
namespace {

// The alternate numbers of "Home", opened from the configuration console with a second profile after it.
class AlternateDialTest : public ConfigFixture {
  protected:
    AlternateDialTest() {
        addProfile("Home");
        addProfile("Work");
        m().profiledata.replace("HomeDialAN", "true");
        m().profiledata.replace("HomeAN3", "5550103");
        select("Home");
        config->cmdDialAlternate.userClick();
        window = &h.forms->get<frmAlternateDial>();
        forget();
    }
    frmAlternateDial* window = nullptr;
};

TEST_F(AlternateDialTest, emptiedBox_becomesTheEmptySlotMarker) {
    window->textAN3.setText("");
    EXPECT_EQ(window->textAN3.text(), "0");
    EXPECT_TRUE(h.boxes.take().empty());
}

TEST_F(AlternateDialTest, numberWithADashOrInnerBlank_isRefusedAndTheSlotEmptied) {
    for (const char* text : {"555-0104", "555 0104"}) {
        window->textAN4.setText(text);
        const auto boxes = h.boxes.take();
        ASSERT_EQ(boxes.size(), 1u) << text;
        EXPECT_EQ(boxes[0].title, "Phone Number Error Format");
        EXPECT_EQ(boxes[0].text, "Enter numerical values for your phone number");
        EXPECT_EQ(boxes[0].icon, MsgIcon::Exclamation);
        EXPECT_EQ(window->textAN4.text(), "0");
    }
    EXPECT_EQ(focus.focused, (std::vector<std::string>{"textAN4", "textAN4"}));
}

TEST_F(AlternateDialTest, typedDigits_passOneByOne) {
    window->textAN5.setText("");
    for (char c : std::string("5550105"))
        window->textAN5.userType(c);
    EXPECT_EQ(window->textAN5.text(), "05550105") << "the empty-slot marker stays in front of what is typed";
    EXPECT_TRUE(h.boxes.take().empty());
}

TEST_F(AlternateDialTest, ok_storesTheNumbersInTheirPlacesOfTheRecord) {
    const std::vector<std::string> order = profileKeys();
    window->textAN1.setText("5550101");
    window->textAN3.setText("");
    window->textAN10.setText("5550110");
    window->cmdOkAlternative.userClick();
    EXPECT_FALSE(window->visible());
    EXPECT_EQ(profileKeys(), order);
    EXPECT_EQ(m().profiledata.value("HomeAN1"), "5550101");
    EXPECT_EQ(m().profiledata.value("HomeAN3"), "0");
    EXPECT_EQ(m().profiledata.value("HomeAN10"), "5550110");
    EXPECT_EQ(m().profiledata.value("WorkAN1"), "0");
}

TEST_F(AlternateDialTest, okForAProfileWithoutARecord_leavesTheRecordsAlone) {
    const auto before = m().profiledata.items();
    window->profilecontext = "Gone";
    window->cmdOkAlternative.userClick();
    EXPECT_EQ(m().profiledata.items(), before);
    EXPECT_FALSE(window->visible());
}

TEST_F(AlternateDialTest, closeBox_keepsTheNumbersForTheNextOpening) {
    window->textAN2.setText("5550102");
    window->userClose();
    EXPECT_FALSE(window->visible());
    config->cmdDialAlternate.userClick();
    EXPECT_EQ(h.forms->get<frmAlternateDial>().textAN2.text(), "5550102");
    h.forms->get<frmAlternateDial>().cmdOkAlternative.userClick();
    EXPECT_EQ(m().profiledata.value("HomeAN3"), "5550103")
        << "slots the user did not touch keep their numbers";
}

TEST_F(AlternateDialTest, selectingAnotherProfileWhileOpen_storesTheNumbersForTheProfileShown) {
    select("Work");
    EXPECT_EQ(window->frameAPL.caption(), "Alternative Phone List for Work");
    window->textAN1.setText("5550201");
    window->cmdOkAlternative.userClick();
    EXPECT_EQ(m().profiledata.value("WorkAN1"), "5550201");
    EXPECT_EQ(m().profiledata.value("HomeAN1"), "0");
    EXPECT_EQ(m().profiledata.value("HomeAN3"), "5550103");
}

TEST_F(AlternateDialTest, help_opensBesideTheWindowAndClosesWithItsButton) {
    window->Command3.userClick();
    frmHelpAlternative& help = h.forms->get<frmHelpAlternative>();
    EXPECT_TRUE(help.visible());
    EXPECT_FALSE(help.modal());
    ASSERT_NE(help.control("cmdHelpANOK"), nullptr);
    help.closeButton().userClick();
    EXPECT_EQ(h.forms->peek<frmHelpAlternative>(), nullptr);
    EXPECT_TRUE(window->visible());
}

} // namespace
} // namespace quillan
