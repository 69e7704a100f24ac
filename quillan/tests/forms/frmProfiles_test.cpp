#include "ConfigFixture.h"

#include "forms/frmEditProfile.h"
#include "forms/frmHelpEdit.h"
#include "forms/frmWarnNewConnection.h"

#include <gtest/gtest.h>

namespace quillan {
namespace {

using ProfileMaintenanceTest = ConfigFixture;

std::vector<std::string> values(const KeyedCollection& collection) {
    std::vector<std::string> out;
    for (const auto& item : collection.items())
        out.push_back(item.first + "=" + item.second);
    return out;
}

TEST_F(ProfileMaintenanceTest, withoutASelection_editAndPropertiesRefuseWithTheirOwnTexts) {
    struct Case {
        CommandButton& button;
        const char* text;
        const char* title;
    } cases[] = {{config->cmdEditProfile, "Select a Connection Profile first", "Quillan"},
                 {config->cmdProperties, "Select a connection profile first!", "Warning"}};
    addProfile("Work");
    h.dialUp.takeCalls();
    for (const Case& c : cases) {
        c.button.userClick();
        const auto boxes = h.boxes.take();
        ASSERT_EQ(boxes.size(), 1u) << c.text;
        EXPECT_EQ(boxes[0].text, c.text);
        EXPECT_EQ(boxes[0].title, c.title);
        EXPECT_EQ(boxes[0].icon, MsgIcon::Exclamation);
    }
    EXPECT_EQ(h.dialUp.takeCalls(), std::vector<std::string>{});
    EXPECT_EQ(h.forms->peek<frmEditProfile>(), nullptr);
}

TEST_F(ProfileMaintenanceTest, modify_replacesTheThreeValuesInPlaceAndTheConsoleShowsThem) {
    addProfile("Work", "old", "pw", "");
    addProfile("Home", "me", "", "");
    select("Work");
    std::vector<std::string> expected = values(m().profiledata);
    expected[1] = "WorkUsername=alice";
    expected[2] = "WorkPassword=s3cret";
    expected[3] = "WorkDomain=";
    frmEditProfile* shown = nullptr;
    h.modal.body = [&](Form& form) {
        shown = &h.forms->get<frmEditProfile>();
        ASSERT_EQ(&form, shown);
        EXPECT_EQ(shown->textEditProfileName.text(), "Work");
        EXPECT_EQ(shown->textEditUsername.text(), "old");
        EXPECT_EQ(shown->textEditPassword.text(), "pw");
        EXPECT_EQ(shown->textEditPassword.passwordChar(), '*');
        EXPECT_TRUE(shown->modal());
        shown->textEditUsername.setText("alice");
        shown->textEditPassword.setText("s3cret");
        shown->cmdModifyProfile.userClick();
    };
    config->cmdEditProfile.userClick();
    ASSERT_NE(shown, nullptr);
    EXPECT_FALSE(shown->visible());
    EXPECT_EQ(values(m().profiledata), expected);
    EXPECT_EQ(config->textUsername.text(), "alice");

    // Cancel keeps what is stored; Help opens its window over the editor.
    bool helpShownModally = false;
    h.modal.body = [&](Form& form) {
        if (&form != shown) {
            helpShownModally = form.name() == frmHelpEdit::kName && form.modal();
            return;
        }
        shown->textEditUsername.setText("bob");
        shown->cmdModifyHelp.userClick();
        shown->cmdCancelModify.userClick();
    };
    config->cmdEditProfile.userClick();
    EXPECT_EQ(values(m().profiledata), expected);
    EXPECT_TRUE(helpShownModally);
}

TEST_F(ProfileMaintenanceTest, proceed_addsTheNewEntryLastAndACancelledEditorAddsNothing) {
    addProfile("Work");
    h.dialUp.entries = {{"Work", "5550100"}};
    m().profilecount = 1;
    h.dialUp.takeCalls();
    config->cmdNewProfile.userClick();
    frmWarnNewConnection* notice = h.forms->peek<frmWarnNewConnection>();
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->visible());
    EXPECT_FALSE(notice->modal());

    // The editor cancelled: nothing is added and the flag waits for the next entry.
    notice->cmdProceed.userClick();
    EXPECT_EQ(h.forms->peek<frmWarnNewConnection>(), nullptr);
    EXPECT_EQ(h.dialUp.takeCalls(), (std::vector<std::string>{"CreateEntry", "Refresh"}));
    EXPECT_EQ(config->listProfiles.listCount(), 1);
    EXPECT_EQ(m().newprofilepending, "true");
    const size_t before = m().profiledata.count();

    h.dialUp.pendingNewEntries = {{"Cafe", "5550123"}};
    m().importedprofile = ImportedProfile{"Cafe", "guest", "tea", {"5550124", "", "5550125"}};
    config->cmdNewProfile.userClick();
    h.forms->get<frmWarnNewConnection>().cmdProceed.userClick();
    EXPECT_EQ(m().newprofilepending, "false");
    EXPECT_EQ(config->listProfiles.list(1), "Cafe");
    EXPECT_EQ(m().profilecount, 2);
    ASSERT_EQ(m().profiledata.count(), before + 15);
    EXPECT_EQ(m().profiledata.items()[before].first, "Cafe");
    // What the editor imported from the other dialer lands in the new record.
    EXPECT_EQ(m().profiledata.value("CafeUsername"), "guest");
    EXPECT_EQ(m().profiledata.value("CafePassword"), "tea");
    EXPECT_EQ(m().profiledata.value("CafeDialAN"), "true");
    EXPECT_EQ(m().profiledata.value("CafeAN1"), "5550124");
    EXPECT_EQ(m().profiledata.value("CafeAN2"), "5550125");
    EXPECT_EQ(m().profiledata.value("CafeAN3"), "0");
    EXPECT_FALSE(m().importedprofile.has_value());

    // Cancel on the notice only closes it.
    h.dialUp.takeCalls();
    config->cmdNewProfile.userClick();
    h.forms->get<frmWarnNewConnection>().cmdCancel.userClick();
    EXPECT_EQ(h.forms->peek<frmWarnNewConnection>(), nullptr);
    EXPECT_EQ(h.dialUp.takeCalls(), std::vector<std::string>{});
}

// Entries removed outside during the run leave the phonebook below the profile count: no entry is
// new then, whichever is last, and the profiles still save.
TEST_F(ProfileMaintenanceTest, proceed_afterEntriesWereRemovedOutside_addsNothingAndSavingStillWorks) {
    addProfile("Work");
    addProfile("Home");
    m().profilecount = 2;
    const std::vector<std::string> keys = profileKeys();
    const std::vector<std::vector<FakeDialUp::PhonebookEntry>> shrinking = {{{"Work", "5550100"}}, {}};
    for (const auto& phonebook : shrinking) {
        SCOPED_TRACE(phonebook.size());
        h.dialUp.entries = phonebook;
        config->cmdNewProfile.userClick();
        h.forms->get<frmWarnNewConnection>().cmdProceed.userClick();
        EXPECT_EQ(config->listProfiles.listCount(), 2);
        EXPECT_EQ(config->listProfiles.list(1), "Home");
        EXPECT_EQ(m().profilecount, 2);
        EXPECT_EQ(profileKeys(), keys);
        EXPECT_EQ(m().newprofilepending, "true");
    }
    config->cmdSave.userClick();
    EXPECT_EQ(h.boxes.take().size(), 0u);
    EXPECT_EQ(m().firstrun, "false");
}

TEST_F(ProfileMaintenanceTest, properties_editsTheSelectedEntryThroughTheControl) {
    addProfile("Work");
    addProfile("Home");
    h.dialUp.entries = {{"Work", "5550100"}, {"Home", "5550199"}};
    select("Home");
    h.dialUp.takeCalls();
    config->cmdProperties.userClick();
    EXPECT_EQ(h.dialUp.takeCalls(), (std::vector<std::string>{"EntryName = \"Home\"", "EditEntry"}));
    EXPECT_EQ(h.boxes.take().size(), 0u);
}

} // namespace
} // namespace quillan
