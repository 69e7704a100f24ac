#include "QtFormObserver.h"
#include "QtModalLoop.h"

#include "forms/FormCatalog.h"
#include "forms/frmAbout.h"
#include "forms/frmStart.h"
#include "forms/frmWarn.h"
#include "testsupport/Harness.h"

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
    QMenu* menu = views.view(console)->menu("mPopupSys");
    ASSERT_NE(menu, nullptr);
    console.trayMessage(kTrayRightUp);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
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
    Services services{harness.boxes, harness.clock, harness.pump, harness.tray, loop, harness.processes, {}, {&loop}, {}};
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
