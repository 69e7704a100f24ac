#include "BoundForm.h"
#include "QtFormObserver.h"
#include "QtModalLoop.h"

#include "forms/FormCatalog.h"
#include "forms/frmAbout.h"
#include "forms/frmNetToolkit.h"
#include "forms/frmStart.h"
#include "forms/frmWarn.h"
#include "testsupport/Harness.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>

namespace quillan {
namespace {

class FormViewTest : public ::testing::Test {
  protected:
    FormViewTest() { harness.services.observers.push_back(&views); }
    ~FormViewTest() override { harness.services.observers.pop_back(); }

    QWidget& windowOf(const Form& form) { return views.view(form)->window(); }

    Harness harness{std::filesystem::temp_directory_path() / "quillan-form-view"};
    QtFormObserver views;
};

TEST_F(FormViewTest, formShown_showsItsWindowWithItsCaption) {
    frmAbout& about = harness.forms->get<frmAbout>();
    about.show();
    EXPECT_TRUE(windowOf(about).isVisible());
    EXPECT_EQ(windowOf(about).windowTitle(), "About Quillan");
}

TEST_F(FormViewTest, buttonThatUnloads_closesTheWindow) {
    frmAbout& about = harness.forms->get<frmAbout>();
    about.show();
    QWidget& window = windowOf(about);
    QTest::mouseClick(window.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    EXPECT_TRUE(about.unloaded());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(views.view(about), nullptr);
}

TEST_F(FormViewTest, closeBox_goesToTheModel) {
    frmWarn& warn = harness.forms->get<frmWarn>();
    warn.show();
    windowOf(warn).close();
    EXPECT_TRUE(warn.unloaded());
}

TEST_F(FormViewTest, windowMinimisedByTheUser_isMinimisedInTheModel) {
    frmWarn& warn = harness.forms->get<frmWarn>();
    warn.show();
    windowOf(warn).setWindowState(Qt::WindowMinimized);
    EXPECT_EQ(warn.windowState(), WindowState::Minimized);
}

TEST_F(FormViewTest, captionChangedByCode_retitlesTheWindow) {
    frmWarn& warn = harness.forms->get<frmWarn>();
    warn.show();
    warn.setCaption("0 : 1 : 2");
    EXPECT_EQ(windowOf(warn).windowTitle(), "0 : 1 : 2");
}

TEST_F(FormViewTest, formHidden_hidesItsWindowAndKeepsIt) {
    frmWarn& warn = harness.forms->get<frmWarn>();
    warn.show();
    warn.hide();
    ASSERT_NE(views.view(warn), nullptr);
    EXPECT_FALSE(windowOf(warn).isVisible());
}

TEST_F(FormViewTest, defaultButton_isTheWindowsDefaultAndAnswersEnter) {
    frmAbout& about = harness.forms->get<frmAbout>();
    about.setDefaultButton(about.cmdOK);
    about.show();
    EXPECT_TRUE(windowOf(about).findChild<QPushButton*>("cmdOK")->isDefault());
    QTest::keyClick(&windowOf(about), Qt::Key_Return);
    EXPECT_TRUE(about.unloaded());
}

TEST_F(FormViewTest, rightClickOnTheTrayIcon_opensTheConsolesMenu) {
    frmStart& console = harness.forms->get<frmStart>();
    console.trayMessage(kTrayRightUp);
    ASSERT_NE(views.view(console), nullptr);
    QMenu* menu = views.view(console)->menu("mPopupSys");
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
}

// A query typed and sent on screen; the answer's lines appear in the multi-line result box, and the
// window's mouse pointer follows the model.
TEST_F(FormViewTest, fingerTypedOnScreen_isAskedAndItsAnswerShownLineByLine) {
    harness.dialUp.entries.push_back({"Home", "5550100"});
    harness.dialUp.online["Home"] = true;
    frmNetToolkit& toolkit = harness.forms->get<frmNetToolkit>();
    toolkit.show();
    QWidget& window = windowOf(toolkit);
    QTest::keyClicks(window.findChild<QLineEdit*>("textQuery"), "alice");
    QTest::keyClicks(window.findChild<QLineEdit*>("textHost"), "example.org");
    QTest::mouseClick(window.findChild<QPushButton*>("cmdFinger"), Qt::LeftButton);
    EXPECT_EQ(harness.effects.lines().back(), "finger \"example.org\" \"alice\" 0");

    harness.finger.complete({"Login: alice", "No plan."});
    EXPECT_EQ(window.findChild<QPlainTextEdit*>("textFingerResult")->toPlainText(), "Login: alice\nNo plan.");

    toolkit.setMousePointer(kPointerHourglass);
    EXPECT_EQ(window.cursor().shape(), Qt::WaitCursor);
    toolkit.setMousePointer(kPointerDefault);
    EXPECT_NE(window.cursor().shape(), Qt::WaitCursor);
}

TEST_F(FormViewTest, statusListToggled_shrinksTheConsoleAndBackToTheSameHeight) {
    frmStart& console = harness.forms->get<frmStart>();
    console.show();
    QWidget& window = windowOf(console);
    const int tall = window.height();
    console.Command3.userClick();
    QTest::qWait(1);
    // As far as the remaining content lets it.
    EXPECT_LE(window.height(), tall - kStatusListHeight + 10);
    console.Command3.userClick();
    QTest::qWait(1);
    EXPECT_EQ(window.height(), tall);
}

// Start-up loads hidden windows and changes them before anyone sees them: their windows are
// built on first show, from the model as it then is.
TEST_F(FormViewTest, hiddenForm_getsItsWindowOnFirstShow_asTheModelThenIs) {
    auto reference = std::make_unique<frmStart>(*harness.forms);
    const int designHeight = FormView(*reference).window().height();
    frmStart& console = harness.forms->get<frmStart>();
    console.Command3.userClick();
    console.setCaption("Changed while hidden");
    EXPECT_EQ(views.view(console), nullptr);

    console.show();
    ASSERT_NE(views.view(console), nullptr);
    QTest::qWait(1);
    QWidget& window = windowOf(console);
    EXPECT_EQ(window.windowTitle(), "Changed while hidden");
    EXPECT_EQ(window.findChild<QAbstractButton*>("Command3")->text(), ">>");
    EXPECT_FALSE(window.findChild<QWidget*>("listConnectionStatus")->isVisible());
    // As short as the remaining content lets it be.
    EXPECT_LT(window.height(), designHeight);
    EXPECT_EQ(window.height(), std::max(window.minimumSizeHint().height(), designHeight - kStatusListHeight));
}

// Timers are the form's, not its window's: the redial wait of the hidden dialing form runs.
TEST_F(FormViewTest, timerOfAFormNeverShown_ticks) {
    SampleForm form(harness.services);
    form.load();
    form.timerTick.setInterval(5);
    form.timerTick.setEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.events.empty(); }, 2000));
    EXPECT_EQ(views.view(form), nullptr);
    form.unload();
}

TEST(FormViewMenus, popupMenu_isBuiltFromTheMenuItemsInOrder) {
    Harness harness(std::filesystem::temp_directory_path() / "quillan-form-view-menu");
    auto console = std::make_unique<frmStart>(*harness.forms);
    FormView view(*console);
    QMenu* menu = view.menu("mPopupSys");
    ASSERT_NE(menu, nullptr);
    QStringList lines;
    for (QAction* action : menu->actions())
        lines << (action->isSeparator() ? "-" : action->text()) + (action->isEnabled() ? "" : " (disabled)");
    EXPECT_EQ(lines.join(" | ").toStdString(),
              "&Restore | &Exit | - | &Hide Quillan | - | &Configuration | - | &Hang Up (disabled)");
}

TEST(FormViewMenus, menuItemChosen_runsItsClick) {
    Harness harness(std::filesystem::temp_directory_path() / "quillan-form-view-menu");
    auto console = std::make_unique<frmStart>(*harness.forms);
    int clicks = 0;
    console->mPopExit.Click = [&clicks] { ++clicks; };
    FormView view(*console);
    for (QAction* action : view.menu("mPopupSys")->actions())
        if (action->objectName() == "mPopExit")
            action->trigger();
    EXPECT_EQ(clicks, 1);
}

class ModalLoopTest : public ::testing::Test {
  protected:
    Harness harness{std::filesystem::temp_directory_path() / "quillan-modal-loop"};
    QtModalLoop loop;
    Services services{
        harness.boxes, harness.clock,   harness.pump,   harness.tray, loop,    harness.processes,
        harness.sound, harness.browser, harness.drives, {},           {&loop}, {}};
    Form form{services, "modal", "Modal"};
};

TEST_F(ModalLoopTest, modalShow_returnsWhenTheFormIsHidden) {
    QTimer::singleShot(10, [this] { form.hide(); });
    form.showModal();
    EXPECT_FALSE(form.visible());
    EXPECT_TRUE(form.loaded());
}

TEST_F(ModalLoopTest, modalShow_returnsWhenTheFormIsUnloaded) {
    QTimer::singleShot(10, [this] { form.unload(); });
    form.showModal();
    EXPECT_FALSE(form.loaded());
}

TEST_F(ModalLoopTest, nestedModalForms_returnInnermostFirst) {
    Form inner{services, "inner", "Inner"};
    std::vector<std::string> order;
    QTimer::singleShot(10, [&] {
        QTimer::singleShot(10, [&] { inner.hide(); });
        inner.showModal();
        order.push_back("inner");
        form.hide();
    });
    form.showModal();
    order.push_back("outer");
    EXPECT_EQ(order, (std::vector<std::string>{"inner", "outer"}));
}

} // namespace
} // namespace quillan
