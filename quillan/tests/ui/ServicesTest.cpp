#include "FontConfigWarmUp.h"
#include "MessageBoxMapping.h"
#include "QtEventLoop.h"
#include "QtMessageBoxes.h"
#include "QtTrayIcon.h"
#include "tests/EventLoopContract.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QTest>

#include <gtest/gtest.h>

#include <unistd.h>

namespace quillan {
namespace {

TEST(MessageBoxMapping, iconsOfTheClassicBoxes_mapToQtIcons) {
    EXPECT_EQ(qtIcon(MsgIcon::None), QMessageBox::NoIcon);
    EXPECT_EQ(qtIcon(MsgIcon::Critical), QMessageBox::Critical);
    EXPECT_EQ(qtIcon(MsgIcon::Question), QMessageBox::Question);
    EXPECT_EQ(qtIcon(MsgIcon::Exclamation), QMessageBox::Warning);
    EXPECT_EQ(qtIcon(MsgIcon::Information), QMessageBox::Information);
}

TEST(MessageBoxMapping, buttonSets_mapToQtButtonsWithTheFirstAsDefault) {
    EXPECT_EQ(qtButtons(MsgButtons::OK), QMessageBox::Ok);
    EXPECT_EQ(qtButtons(MsgButtons::OKCancel), QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(qtButtons(MsgButtons::YesNo), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(qtButtons(MsgButtons::YesNoCancel), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(qtDefaultButton(MsgButtons::OKCancel), QMessageBox::Ok);
    EXPECT_EQ(qtDefaultButton(MsgButtons::YesNoCancel), QMessageBox::Yes);
}

TEST(MessageBoxMapping, escapeOrCloseBox_answersCancelElseNoElseOK) {
    EXPECT_EQ(answerFor(QMessageBox::NoButton, MsgButtons::YesNoCancel), MsgAnswer::Cancel);
    EXPECT_EQ(answerFor(QMessageBox::NoButton, MsgButtons::OKCancel), MsgAnswer::Cancel);
    EXPECT_EQ(answerFor(QMessageBox::NoButton, MsgButtons::YesNo), MsgAnswer::No);
    EXPECT_EQ(answerFor(QMessageBox::NoButton, MsgButtons::OK), MsgAnswer::OK);
}

TEST(MessageBoxMapping, pressedButton_isTheAnswer) {
    EXPECT_EQ(answerFor(QMessageBox::Yes, MsgButtons::YesNoCancel), MsgAnswer::Yes);
    EXPECT_EQ(answerFor(QMessageBox::No, MsgButtons::YesNo), MsgAnswer::No);
    EXPECT_EQ(answerFor(QMessageBox::Ok, MsgButtons::OKCancel), MsgAnswer::OK);
}

TEST(QtMessageBoxes, boxOnScreen_showsTheTextsAndReturnsTheButtonPressed) {
    QtMessageBoxes boxes;
    QString seen;
    boxes.shown = [&seen](QMessageBox& box) {
        seen = box.windowTitle() + "|" + box.text() + "|" + QString::number(box.icon());
        box.button(QMessageBox::No)->click();
    };
    const MsgAnswer answer =
        boxes.show("Hang up first?", MsgButtons::YesNoCancel, MsgIcon::Question, "Quillan");
    EXPECT_EQ(answer, MsgAnswer::No);
    EXPECT_EQ(seen.toStdString(), "Quillan|Hang up first?|" + std::to_string(QMessageBox::Question));
}

TEST(QtTrayIcon, clicksOnTheIcon_areTheClassicMouseMessages) {
    EXPECT_EQ(trayMessageFor(QSystemTrayIcon::Trigger), 514);
    EXPECT_EQ(trayMessageFor(QSystemTrayIcon::DoubleClick), 515);
    EXPECT_EQ(trayMessageFor(QSystemTrayIcon::Context), 517);
    EXPECT_EQ(trayMessageFor(QSystemTrayIcon::MiddleClick), 0);
}

TEST(QtEventLoop, readableDescriptor_callsBackUntilUnwatched) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    QtEventLoop loop;
    int calls = 0;
    EventLoop::Id id = 0;
    id = loop.watchReadable(fds[0], [&] {
        char c;
        ASSERT_EQ(read(fds[0], &c, 1), 1);
        if (++calls == 2)
            loop.unwatch(id);
    });
    ASSERT_EQ(write(fds[1], "abc", 3), 3);
    QTest::qWait(50);
    EXPECT_EQ(calls, 2);
    close(fds[0]);
    close(fds[1]);
}

TEST(QtEventLoop, singleShot_callsBackOnceUnlessCancelled) {
    QtEventLoop loop;
    int fired = 0;
    int cancelled = 0;
    loop.singleShot(1, [&] { ++fired; });
    loop.cancel(loop.singleShot(1, [&] { ++cancelled; }));
    QTest::qWait(30);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(cancelled, 0);
}

// A start that ends before its first window, or waits for one, never leaves the loading behind or hanging.
TEST(FontConfigWarmUp, endsWhetherTheApplicationWasMadeOrNot) {
    for (bool applicationMade : {false, true}) {
        {
            FontConfigWarmUp warmUp;
            if (applicationMade) {
                warmUp.applicationMade();
                FontConfigWarmUp::awaitRunning();
            }
        }
        FontConfigWarmUp::awaitRunning();
    }
    EXPECT_FALSE(QFontDatabase::families().isEmpty());
}

struct QtRunner {
    QtEventLoop m_loop;
    EventLoop& loop() { return m_loop; }
    bool runUntil(const std::function<bool()>& done, int maxMs) { return QTest::qWaitFor(done, maxMs); }
};

} // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Qt, EventLoopContract, QtRunner);

} // namespace quillan
