#include "PhonebookEntryDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

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

QLineEdit* nameBox(PhonebookEntryDialog& dialog) { return dialog.findChild<QLineEdit*>("entryName"); }
QLineEdit* numberBox(PhonebookEntryDialog& dialog) { return dialog.findChild<QLineEdit*>("entryNumber"); }

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
