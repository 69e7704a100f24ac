#include "BoundForm.h"

#include <QPlainTextEdit>

#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quillan {
namespace {

using ::testing::ElementsAre;

// A click on the box itself: a check box or option button hits only its indicator and text.
void clickBox(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

class ControlBindingTest : public ::testing::Test {
  protected:
    BoundForm bound;
    SampleForm& form = *bound.form;
};

TEST_F(ControlBindingTest, checkBoxClicked_ticksTheModelThenRunsClick) {
    auto* box = bound.widget<QCheckBox>("checkTick");
    clickBox(box);
    EXPECT_EQ(form.checkTick.value(), 1);
    EXPECT_TRUE(box->isChecked());
    EXPECT_THAT(form.takeEvents(), ElementsAre("checkTick_Click 1"));
}

TEST_F(ControlBindingTest, checkBoxValueSetByCode_reachesTheWidgetWithoutClick) {
    form.checkTick.setValue(1);
    EXPECT_TRUE(bound.widget<QCheckBox>("checkTick")->isChecked());
    EXPECT_TRUE(form.takeEvents().empty());
}

TEST_F(ControlBindingTest, checkBoxDisabledInTheModel_isDisabledOnScreen) {
    form.checkTick.setEnabled(false);
    EXPECT_FALSE(bound.widget<QCheckBox>("checkTick")->isEnabled());
}

TEST_F(ControlBindingTest, optionClicked_clearsTheOtherOptionOfItsFrameOnly) {
    form.optionB.setValue(true);
    form.optionOutside.setValue(true);
    clickBox(bound.widget<QRadioButton>("optionA"));
    EXPECT_TRUE(bound.widget<QRadioButton>("optionA")->isChecked());
    EXPECT_FALSE(bound.widget<QRadioButton>("optionB")->isChecked());
    EXPECT_TRUE(bound.widget<QRadioButton>("optionOutside")->isChecked());
    EXPECT_THAT(form.takeEvents(), ElementsAre("optionA_Click"));
}

TEST_F(ControlBindingTest, selectedOptionClickedAgain_staysSelected) {
    form.optionA.setValue(true);
    clickBox(bound.widget<QRadioButton>("optionA"));
    EXPECT_TRUE(form.optionA.value());
    EXPECT_TRUE(bound.widget<QRadioButton>("optionA")->isChecked());
}

TEST_F(ControlBindingTest, charactersTypedAtTheEnd_runKeyPressThenChangeEach) {
    auto* edit = bound.widget<QLineEdit>("textName");
    QTest::keyClicks(edit, "a1b");
    EXPECT_EQ(form.textName.text(), "ab");
    EXPECT_EQ(edit->text(), "ab");
    EXPECT_THAT(form.takeEvents(),
                ElementsAre("textName_KeyPress a", "textName_Change a", "textName_KeyPress 1",
                            "textName_KeyPress b", "textName_Change ab"));
}

TEST_F(ControlBindingTest, editInTheMiddle_replacesTheTextWithOneChange) {
    form.textName.setText("ac");
    form.takeEvents();
    auto* edit = bound.widget<QLineEdit>("textName");
    edit->setCursorPosition(1);
    QTest::keyClick(edit, 'b');
    EXPECT_EQ(form.textName.text(), "abc");
    EXPECT_THAT(form.takeEvents(), ElementsAre("textName_Change abc"));
}

TEST_F(ControlBindingTest, focusMovingToAnotherBox_runsLostFocus) {
    QWidget* window = bound.widget<QLineEdit>("textName")->window();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    bound.widget<QLineEdit>("textName")->setFocus(Qt::TabFocusReason);
    bound.widget<QLineEdit>("textOther")->setFocus(Qt::TabFocusReason);
    EXPECT_THAT(form.takeEvents(), ElementsAre("textName_LostFocus"));
}

TEST_F(ControlBindingTest, textSetByCode_reachesTheWidgetMaskedForAPasswordBox) {
    form.textName.setPasswordChar('*');
    form.textName.setText("secret");
    auto* edit = bound.widget<QLineEdit>("textName");
    EXPECT_EQ(edit->text(), "secret");
    EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
}

TEST_F(ControlBindingTest, multiLineBox_showsCrLfLinesAndHandsEditsBackWithCrLf) {
    auto* edit = bound.widget<QPlainTextEdit>("textLines");
    bound.form->textLines.setText("Login: alice\r\nNo plan.");
    EXPECT_EQ(edit->toPlainText().toStdString(), "Login: alice\nNo plan.");
    edit->setPlainText("one\ntwo");
    EXPECT_EQ(bound.form->textLines.text(), "one\r\ntwo");
}

TEST_F(ControlBindingTest, tabPageClicked_selectsThePageInTheModel) {
    QTabBar* bar = bound.widget<QTabWidget>("tabs")->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(form.tabs.tab(), 1);
}

TEST_F(ControlBindingTest, tabSetByCode_showsThatPage) {
    form.tabs.setTab(1);
    EXPECT_EQ(bound.widget<QTabWidget>("tabs")->currentIndex(), 1);
}

TEST_F(ControlBindingTest, listFilledByCode_showsItsLinesAndSelection) {
    form.listNames.addItem("one");
    form.listNames.addItem("two");
    form.listNames.setListIndex(1);
    auto* list = bound.widget<QListWidget>("listNames");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), "two");
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_TRUE(form.takeEvents().empty());

    // Lines added at the end, removed and added again: the widget keeps every line in step.
    form.listNames.removeItem(0);
    form.listNames.addItem("three");
    form.listNames.clear();
    form.listNames.addItem("four");
    form.listNames.addItem("five");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "four");
    EXPECT_EQ(list->item(1)->text(), "five");

    // A hidden list's widget waits to be shown, then shows the lines and selection of that moment.
    form.listNames.setVisible(false);
    form.listNames.addItem("six");
    form.listNames.removeItem(0);
    form.listNames.setListIndex(1);
    EXPECT_EQ(list->item(0)->text(), "four") << "refilled while hidden";
    form.listNames.setVisible(true);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "five");
    EXPECT_EQ(list->item(1)->text(), "six");
    EXPECT_EQ(list->currentRow(), 1);
}

TEST_F(ControlBindingTest, lineClicked_choosesItThenRunsClick) {
    form.tabs.setTab(1);
    form.listNames.addItem("one");
    form.listNames.addItem("two");
    auto* list = bound.widget<QListWidget>("listNames");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(form.listNames.listIndex(), 1);
    EXPECT_THAT(form.takeEvents(), ElementsAre("listNames_Click two"));
}

TEST_F(ControlBindingTest, lineOfAHiddenPage_cannotBeChosen) {
    form.listNames.addItem("one");
    bound.widget<QListWidget>("listNames")->setCurrentRow(0);
    EXPECT_EQ(form.listNames.listIndex(), -1);
    EXPECT_EQ(bound.widget<QListWidget>("listNames")->currentRow(), -1);
}

TEST_F(ControlBindingTest, lineTicked_togglesItsTickThenRunsItemCheck) {
    form.tabs.setTab(1);
    form.listTicks.addItem("one");
    form.listTicks.addItem("two");
    auto* list = bound.widget<QListWidget>("listTicks");
    ASSERT_TRUE(list->item(1)->flags() & Qt::ItemIsUserCheckable);
    list->item(1)->setCheckState(Qt::Checked);
    EXPECT_TRUE(form.listTicks.selected(1));
    EXPECT_EQ(form.listTicks.listIndex(), 1);
    EXPECT_THAT(form.takeEvents(), ElementsAre("listTicks_ItemCheck 1"));
}

TEST_F(ControlBindingTest, enabledTimer_ticksUntilDisabled) {
    form.timerTick.setInterval(5);
    form.timerTick.setEnabled(true);
    QTest::qWait(60);
    EXPECT_FALSE(form.takeEvents().empty());
    form.timerTick.setEnabled(false);
    QTest::qWait(30);
    EXPECT_TRUE(form.takeEvents().empty());
}

} // namespace
} // namespace quillan
