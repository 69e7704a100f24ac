#include "runtime/CheckBox.h"
#include "runtime/Form.h"
#include "runtime/Frame.h"
#include "runtime/ListBox.h"
#include "runtime/OptionButton.h"
#include "runtime/TabControl.h"
#include "runtime/TextBox.h"

#include "testsupport/Harness.h"

#include <gtest/gtest.h>

namespace quillan {
namespace {

struct TestForm : Form {
    explicit TestForm(Services& services) : Form(services, "TestForm", "Test") {}
    TabControl tabs{*this, "tabs", {"One", "Two"}};
    Frame frameA{*this, "frameA", &tabs, 0};
    OptionButton a1{*this, "a1", &frameA};
    OptionButton a2{*this, "a2", &frameA};
    OptionButton b1{*this, "b1", &tabs, 1};
    OptionButton b2{*this, "b2", &tabs, 1};
    CheckBox check{*this, "check", &tabs, 1};
    TextBox text{*this, "text", &frameA};
    ListBox list{*this, "list"};
    ListBox ticks{*this, "ticks", nullptr, -1, true};
};

class ControlsTest : public ::testing::Test {
  protected:
    Harness harness{std::filesystem::temp_directory_path()};
    TestForm form{harness.services};
};

TEST_F(ControlsTest, optionSelection_clearsOnlyTheOptionsOfTheSameContainer) {
    form.a1.setValue(true);
    form.b1.setValue(true);
    form.a2.userClick();
    EXPECT_FALSE(form.a1.value());
    EXPECT_TRUE(form.a2.value());
    EXPECT_TRUE(form.b1.value()) << "an option of another container must keep its value";
}

TEST_F(ControlsTest, userClick_togglesCheckBoxBeforeClickRuns) {
    int seen = -1;
    form.check.Click = [&] { seen = form.check.value(); };
    form.check.userClick();
    EXPECT_EQ(seen, 1);
    form.check.userClick();
    EXPECT_EQ(seen, 0);
}

TEST_F(ControlsTest, valuesSetFromCode_runNoClick) {
    int clicks = 0;
    form.check.Click = [&] { ++clicks; };
    form.a1.Click = [&] { ++clicks; };
    form.check.setValue(1);
    form.a1.setValue(true);
    EXPECT_EQ(clicks, 0);
}

TEST_F(ControlsTest, textChange_runsOnlyWhenTheTextChanges) {
    int changes = 0;
    form.text.Change = [&] { ++changes; };
    form.text.setText("abc");
    form.text.setText("abc");
    EXPECT_EQ(changes, 1);
}

TEST_F(ControlsTest, keyPress_canDiscardATypedCharacter) {
    form.text.KeyPress = [](char& c) {
        if (c == 'x')
            c = 0;
    };
    form.text.userType('a');
    form.text.userType('x');
    form.text.userType('b');
    EXPECT_EQ(form.text.text(), "ab");
}

TEST_F(ControlsTest, removingItems_keepsTheSelectionOnTheSameLine) {
    for (const char* item : {"a", "b", "c"})
        form.list.addItem(item);
    form.list.setListIndex(2);
    form.list.removeItem(0);
    EXPECT_EQ(form.list.text(), "c");
    form.list.removeItem(1);
    EXPECT_EQ(form.list.listIndex(), -1);
    EXPECT_EQ(form.list.text(), "");
}

TEST_F(ControlsTest, checkList_ticksFollowTheirLinesWhenOneIsRemoved) {
    for (const char* item : {"a", "b", "c"})
        form.ticks.addItem(item);
    form.ticks.userCheck(2);
    form.ticks.removeItem(0);
    EXPECT_TRUE(form.ticks.selected(1));
    EXPECT_FALSE(form.ticks.selected(0));
}

TEST_F(ControlsTest, reachability_followsFormTabPageAndContainers) {
    EXPECT_FALSE(form.a1.reachable()) << "the form is not shown yet";
    form.show();
    EXPECT_TRUE(form.a1.reachable());
    EXPECT_FALSE(form.b1.reachable()) << "page 1 is not selected";
    form.tabs.setTab(1);
    EXPECT_TRUE(form.b1.reachable());
    EXPECT_FALSE(form.text.reachable());
    form.tabs.setTab(0);
    form.frameA.setEnabled(false);
    EXPECT_FALSE(form.text.reachable()) << "a disabled frame disables its contents";
    form.frameA.setEnabled(true);
    form.frameA.setVisible(false);
    EXPECT_FALSE(form.text.reachable());
    form.frameA.setVisible(true);
    form.hide();
    EXPECT_FALSE(form.text.reachable());
}

} // namespace
} // namespace quillan
