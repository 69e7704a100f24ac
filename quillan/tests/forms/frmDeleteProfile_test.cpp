#include "ConfigFixture.h"

#include "forms/frmDeleteProfile.h"
#include "forms/frmHelpDelete.h"

#include <gtest/gtest.h>

namespace quillan {
namespace {

// Three profiles read from the settings file, listed in the deletion window.
class DeleteProfileTest : public ConfigFixture {
  protected:
    DeleteProfileTest() {
        for (const char* name : {"Home", "Work", "Travel"}) {
            addProfile(name);
            window->listUpdateProfiles.addItem(name);
        }
        // As the start-up reconciliation leaves things: the main console waits behind this window.
        h.forms->get<frmStart>().hide();
        window->show();
        forget();
    }
    std::vector<std::string> boxTexts() {
        std::vector<std::string> texts;
        for (const auto& box : h.boxes.take())
            texts.push_back(box.text);
        return texts;
    }
    frmDeleteProfile* window = &h.forms->get<frmDeleteProfile>();
};

TEST_F(DeleteProfileTest, ticks_areKeptInTheOrderOfTicking) {
    window->listUpdateProfiles.userCheck(2);
    window->listUpdateProfiles.userCheck(0);
    window->listUpdateProfiles.userCheck(1);
    window->listUpdateProfiles.userCheck(2);
    std::vector<std::string> names;
    for (const auto& item : window->checkedprofile.items())
        names.push_back(item.first);
    EXPECT_EQ(names, (std::vector<std::string>{"Home", "Work"}));
}

TEST_F(DeleteProfileTest, delete_removesWholeRecordsInTickingOrderAndReturnsToTheMainConsole) {
    window->listUpdateProfiles.userCheck(2);
    window->listUpdateProfiles.userCheck(0);
    window->cmdDeleteProfile.userClick();
    EXPECT_EQ(boxTexts(), (std::vector<std::string>{"Deleting profile : Travel", "Deleting profile : Home"}));
    std::vector<std::string> expected{"Work"};
    for (const char* field : kProfileFields)
        expected.push_back(std::string("Work") + field);
    EXPECT_EQ(profileKeys(), expected);
    EXPECT_EQ(config->listProfiles.listCount(), 3) << "the console's list is left as it was";
    EXPECT_EQ(h.effects.take(), (std::vector<std::string>{"hide frmDeleteProfile", "show frmStart"}));
}

TEST_F(DeleteProfileTest, deleteWithNothingTicked_onlyReturnsToTheMainConsole) {
    const auto before = m().profiledata.items();
    window->cmdDeleteProfile.userClick();
    EXPECT_TRUE(h.boxes.take().empty());
    EXPECT_EQ(m().profiledata.items(), before);
    EXPECT_EQ(h.effects.take(), (std::vector<std::string>{"hide frmDeleteProfile", "show frmStart"}));
}

TEST_F(DeleteProfileTest, ignore_keepsEveryRecord) {
    const auto before = m().profiledata.items();
    window->listUpdateProfiles.userCheck(1);
    window->cmdUpdateCancel.userClick();
    EXPECT_EQ(m().profiledata.items(), before);
    EXPECT_TRUE(h.forms->get<frmStart>().visible());
}

TEST_F(DeleteProfileTest, closeBox_ignoresLikeTheIgnoreButton) {
    window->listUpdateProfiles.userCheck(1);
    window->userClose();
    EXPECT_EQ(m().profiledata.count(), 3 * (1 + std::size(kProfileFields)));
    EXPECT_EQ(h.effects.take(), (std::vector<std::string>{"hide frmDeleteProfile", "show frmStart"}));
}

TEST_F(DeleteProfileTest, help_isShownModallyOverTheWindow) {
    Form* shownModally = nullptr;
    h.modal.body = [&](Form& form) { shownModally = &form; };
    window->cmdUpdateHelp.userClick();
    EXPECT_EQ(shownModally, h.forms->peek<frmHelpDelete>());
    ASSERT_NE(shownModally, nullptr);
}

} // namespace
} // namespace quillan
