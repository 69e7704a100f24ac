#include "PhonebookEntryDialog.h"
#include "Accelerators.h"

#include "testsupport/TemporaryFolder.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

namespace quillan {
namespace {

PhonebookEntry serialEntry() {
    PhonebookEntry entry;
    entry.name = "Office";
    entry.phoneNumber = "5550100";
    entry.device = "/dev/ttyS0";
    entry.speed = 57600;
    entry.init = "AT&F";
    entry.ppp = false;
    return entry;
}

QLineEdit* nameBox(PhonebookEntryDialog& dialog) {
    return dialog.findChild<QLineEdit*>("entryName");
}
QLineEdit* numberBox(PhonebookEntryDialog& dialog) {
    return dialog.findChild<QLineEdit*>("entryNumber");
}

TEST(PhonebookEntryDialog, entryOpenedAndKept_comesBackUnchanged) {
    PhonebookEntryDialog dialog(serialEntry(), {"Home"});
    const PhonebookEntry kept = dialog.entry();
    EXPECT_EQ(kept.name, "Office");
    EXPECT_EQ(kept.phoneNumber, "5550100");
    EXPECT_EQ(kept.device, "/dev/ttyS0");
    EXPECT_EQ(kept.speed, 57600);
    EXPECT_EQ(kept.init, "AT&F");
    EXPECT_EQ(kept.ppp, std::optional<bool>(false));
    EXPECT_TRUE(dialog.problem().isEmpty());
}

TEST(PhonebookEntryDialog, newEntry_startsOnTheVirtualModemWithPppLeftToTheDefault) {
    PhonebookEntryDialog dialog(PhonebookEntry{}, {});
    EXPECT_EQ(dialog.entry().device, kVirtualDevice);
    EXPECT_FALSE(dialog.entry().ppp.has_value());
}

TEST(PhonebookEntryDialog, newEntryWithoutNameOrNumber_cannotBeKept) {
    PhonebookEntryDialog dialog(PhonebookEntry{}, {});
    auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    EXPECT_FALSE(ok->isEnabled());
    nameBox(dialog)->setText("New line");
    EXPECT_FALSE(ok->isEnabled());
    numberBox(dialog)->setText("5550199");
    EXPECT_TRUE(ok->isEnabled());
}

TEST(PhonebookEntryDialog, nameOfAnotherEntry_isRefused) {
    PhonebookEntryDialog dialog(serialEntry(), {"Home"});
    nameBox(dialog)->setText("Home");
    EXPECT_EQ(dialog.problem().toStdString(), "Another connection has that name.");
}

TEST(PhonebookEntryDialog, nameWithABracket_isRefused) {
    PhonebookEntryDialog dialog(serialEntry(), {});
    nameBox(dialog)->setText("Office]");
    EXPECT_FALSE(dialog.problem().isEmpty());
}

TEST(PhonebookEntryDialog, blanksAroundTheTexts_areDropped) {
    PhonebookEntryDialog dialog(serialEntry(), {});
    nameBox(dialog)->setText("  Office 2 ");
    numberBox(dialog)->setText(" 5550101 ");
    EXPECT_EQ(dialog.entry().name, "Office 2");
    EXPECT_EQ(dialog.entry().phoneNumber, "5550101");
}

} // namespace
} // namespace quillan

namespace quillan {
namespace {

TEST(PhonebookEntryDialog, aNameWhoseRecordsWouldMixWithAnotherProfiles_isRefusedWhileTheEditorIsOpen) {
    struct Case {
        const char* name;
        bool refused;
    } cases[] = {{"ISPDomain", true}, {"IS", false}, {"ISPAN1", true}, {"Office", false}, {";Office", true}};
    for (const Case& c : cases) {
        PhonebookEntryDialog dialog(serialEntry(), {"ISP"});
        nameBox(dialog)->setText(c.name);
        auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        EXPECT_EQ(!dialog.problem().isEmpty(), c.refused) << c.name;
        EXPECT_EQ(ok->isEnabled(), !c.refused) << c.name;
    }
    PhonebookEntryDialog dialog(serialEntry(), {"ISP"});
    nameBox(dialog)->setText("ISPDomain");
    EXPECT_NE(dialog.problem().toStdString().find("ISP."), std::string::npos)
        << dialog.problem().toStdString();
}

TEST(PhonebookEntryDialog, choosingAWvdialDialer_fillsTheNewEntryAndIsHandedBack) {
    WvdialDialer dialer;
    dialer.name = "Night";
    dialer.phone = "5550100";
    dialer.modem = "/dev/ttyUSB0";
    dialer.baud = 460800;
    dialer.inits = {"ATZ", "AT&C1 &D2"};
    dialer.username = "alice";
    PhonebookEntryDialog dialog(PhonebookEntry{}, {}, {dialer});
    auto* import = dialog.findChild<QComboBox*>("entryImport");
    ASSERT_NE(import, nullptr);
    ASSERT_EQ(import->count(), 2);
    import->setCurrentIndex(1);
    emit import->activated(1);
    const PhonebookEntry filled = dialog.entry();
    EXPECT_EQ(filled.name, "Night");
    EXPECT_EQ(filled.phoneNumber, "5550100");
    EXPECT_EQ(filled.device, "/dev/ttyUSB0");
    EXPECT_EQ(filled.speed, 460800);
    EXPECT_EQ(filled.init, "AT&C1 &D2");
    ASSERT_TRUE(dialog.imported().has_value());
    EXPECT_EQ(dialog.imported()->username, "alice");
    import->setCurrentIndex(0);
    emit import->activated(0);
    EXPECT_FALSE(dialog.imported().has_value()) << "typed in again: nothing imported";

    // An existing entry keeps its name, under which its profile's record is kept.
    PhonebookEntryDialog editing(serialEntry(), {}, {dialer});
    EXPECT_TRUE(nameBox(editing)->isReadOnly());
    EXPECT_FALSE(nameBox(dialog)->isReadOnly());
    emit editing.findChild<QComboBox*>("entryImport")->activated(1);
    EXPECT_EQ(editing.entry().name, "Office");
    EXPECT_EQ(editing.entry().phoneNumber, "5550100");
}

TEST(PhonebookEntryDialog, serialDevices_areOfferedFromAllFourPlaces) {
    TemporaryFolder dev("quillan-dev");
    std::filesystem::create_directories(dev.path() / "serial/by-id");
    for (const char* name :
         {"ttyS10", "ttyS2", "ttyUSB0", "ttyACM0", "tty0", "null", "serial/by-id/usb-Modem-if00"})
        std::ofstream(dev.path() / name) << "";
    const QString root = QString::fromStdString(dev.path().string());
    std::vector<std::string> offered;
    for (const QString& device : PhonebookEntryDialog::serialDevices(root))
        offered.push_back(device.mid(root.size()).toStdString());
    EXPECT_EQ(offered, (std::vector<std::string>{"/serial/by-id/usb-Modem-if00", "/ttyACM0", "/ttyUSB0",
                                                 "/ttyS2", "/ttyS10"}));
}

TEST(PhonebookEntryDialog, eachLabelsAccelerator_isItsOwnAndReachesItsField) {
    WvdialDialer dialer;
    dialer.name = "Night";
    PhonebookEntryDialog dialog(PhonebookEntry{}, {}, {dialer});
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    for (const auto& [key, widgets] : acceleratorsShown(dialog))
        EXPECT_EQ(widgets.size(), 1u) << key.toString().toStdString() << " is the accelerator of "
                                      << widgets.front() << " and " << widgets.back();
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        const QKeySequence key = QKeySequence::mnemonic(label->text());
        if (key.isEmpty())
            continue;
        QTest::keyClick(&dialog, key[0].key(), key[0].keyboardModifiers());
        EXPECT_EQ(QApplication::focusWidget(), label->buddy()) << label->text().toStdString();
    }
}

} // namespace
} // namespace quillan
