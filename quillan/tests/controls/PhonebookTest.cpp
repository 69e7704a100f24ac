#include "controls/Phonebook.h"
#include "TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>

using namespace quillan;
using quillan::test::TempFolder;

namespace {

std::vector<std::string> names(const Phonebook& book) {
    std::vector<std::string> out;
    for (const PhonebookEntry& entry : book.entries())
        out.push_back(entry.name);
    return out;
}

} // namespace

TEST(PhonebookReading, sectionsAreListedInFileOrderWithTheirKeys) {
    auto entries = Phonebook::parse(
        "[Work ISP]\nPhoneNumber=5550100\nDevice=/dev/ttyS0\nSpeed=57600\nInit=ATM0\nPPP=no\n"
        "[Home]\nPhoneNumber = 555 0199 \nDevice=virtual\n");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "Work ISP");
    EXPECT_EQ(entries[0].phoneNumber, "5550100");
    EXPECT_EQ(entries[0].device, "/dev/ttyS0");
    EXPECT_EQ(entries[0].speed, 57600);
    EXPECT_EQ(entries[0].init, "ATM0");
    EXPECT_FALSE(entries[0].usesPpp());
    EXPECT_EQ(entries[1].name, "Home");
    EXPECT_EQ(entries[1].phoneNumber, "555 0199");
    EXPECT_TRUE(entries[1].isVirtual());
}

TEST(PhonebookReading, commentsBlanksAndCrLfAreTolerated) {
    auto entries =
        Phonebook::parse("; my phonebook\r\n\r\n# another comment\r\n[A]\r\n; about A\r\nPhoneNumber=1\r\n"
                         "garbage without equals\r\n\r\n[B]\r\nphonenumber=2\r\n");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].phoneNumber, "1");
    EXPECT_EQ(entries[1].phoneNumber, "2");
}

TEST(PhonebookReading, aLoneCarriageReturnEndsALineToo) {
    auto entries = Phonebook::parse("[A]\rPhoneNumber=1\r[B\rC]\rPhoneNumber=2\r");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "A");
    EXPECT_EQ(entries[0].phoneNumber, "2") << "the broken header is no section";
}

TEST(PhonebookReading, defaultsApplyToMissingOrUnreadableValues) {
    auto entries =
        Phonebook::parse("[Real]\nDevice=/dev/ttyACM0\nSpeed=fast\n[Virtual]\nDevice=virtual\nPPP=maybe\n");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].speed, 115200);
    EXPECT_TRUE(entries[0].usesPpp());
    EXPECT_FALSE(entries[1].usesPpp());
}

TEST(PhonebookReading, pppCanBeForcedOnForTheVirtualModem) {
    auto entries = Phonebook::parse("[V]\nDevice=virtual\nPPP=yes\n");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(entries[0].usesPpp());
}

TEST(PhonebookReading, keysBeforeAnySectionAndEmptySectionNamesAreIgnored) {
    auto entries = Phonebook::parse("PhoneNumber=9\n[]\nPhoneNumber=8\n[Only]\nPhoneNumber=7\n");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "Only");
    EXPECT_EQ(entries[0].phoneNumber, "7");
}

TEST(PhonebookReading, aRepeatedSectionAddsToTheFirstAndIsListedOnce) {
    auto entries = Phonebook::parse("[A]\nPhoneNumber=1\n[B]\n[A]\nDevice=virtual\n");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "A");
    EXPECT_EQ(entries[0].phoneNumber, "1");
    EXPECT_EQ(entries[0].device, "virtual");
}

TEST(PhonebookFile, aMissingFileListsNothing) {
    TempFolder folder;
    Phonebook book(folder.path() / "phonebook.ini");
    EXPECT_TRUE(book.entries().empty());
}

TEST(PhonebookFile, reloadSeesChangesMadeOutside) {
    TempFolder folder;
    auto path = folder.write("phonebook.ini", "[A]\n");
    Phonebook book(path);
    folder.write("phonebook.ini", "[A]\n[B]\n");
    EXPECT_EQ(book.entries().size(), 1u);
    book.reload();
    EXPECT_EQ(names(book), (std::vector<std::string>{"A", "B"}));
}

TEST(PhonebookFile, anAppendedEntryIsListedLastAndTheRestOfTheFileIsKept) {
    TempFolder folder;
    auto path = folder.write("phonebook.ini", "; keep me\r\n[A]\r\nPhoneNumber=1\r\nColour=blue");
    Phonebook book(path);
    ASSERT_EQ(book.append(PhonebookEntry{"New", "5550100", "virtual", 115200, "", false}), "");
    EXPECT_EQ(names(book), (std::vector<std::string>{"A", "New"}));
    std::string text = folder.read("phonebook.ini");
    EXPECT_NE(text.find("; keep me"), std::string::npos);
    EXPECT_NE(text.find("Colour=blue\n"), std::string::npos);
    Phonebook again(path);
    ASSERT_EQ(again.entries().size(), 2u);
    EXPECT_EQ(again.entries()[1].phoneNumber, "5550100");
    EXPECT_EQ(again.entries()[1].ppp, std::optional<bool>(false));
}

TEST(PhonebookFile, aNewFileIsReadableByItsOwnerOnly) {
    TempFolder folder;
    Phonebook book(folder.path() / "phonebook.ini");
    ASSERT_EQ(book.append(PhonebookEntry{"A", "1", "virtual", 115200, "", {}}), "");
    struct stat info {};
    ASSERT_EQ(::stat((folder.path() / "phonebook.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST(PhonebookFile, anExistingFileKeepsItsPermissionsWhenReplaced) {
    TempFolder folder;
    auto path = folder.write("phonebook.ini", "[A]\n");
    ::chmod(path.c_str(), 0640);
    Phonebook book(path);
    ASSERT_EQ(book.append(PhonebookEntry{"B", "2", "virtual", 115200, "", {}}), "");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(PhonebookFile, appendingRefusesDuplicateAndUnsafeNamesAndChangesNothing) {
    TempFolder folder;
    auto path = folder.write("phonebook.ini", "[A]\nPhoneNumber=1\n");
    Phonebook book(path);
    std::string before = folder.read("phonebook.ini");
    EXPECT_NE(book.append(PhonebookEntry{"A", "2", "virtual", 115200, "", {}}), "");
    EXPECT_NE(book.append(PhonebookEntry{"", "2", "virtual", 115200, "", {}}), "");
    EXPECT_NE(book.append(PhonebookEntry{"x]y", "2", "virtual", 115200, "", {}}), "");
    EXPECT_NE(book.append(PhonebookEntry{"C", "2\n[Evil]", "virtual", 115200, "", {}}), "");
    EXPECT_EQ(folder.read("phonebook.ini"), before);
}

TEST(PhonebookFile, aReplacedEntryKeepsItsPlaceItsCommentsAndUnknownKeys) {
    TempFolder folder;
    auto path =
        folder.write("phonebook.ini", "[A]\nPhoneNumber=1\n[B]\n; note\nPhoneNumber=2\nColour=red\n\n[C]\n");
    Phonebook book(path);
    ASSERT_EQ(book.replace("B", PhonebookEntry{"Bee", "22", "virtual", 9600, "ATM0", true}), "");
    EXPECT_EQ(names(book), (std::vector<std::string>{"A", "Bee", "C"}));
    const PhonebookEntry* bee = book.find("Bee");
    ASSERT_NE(bee, nullptr);
    EXPECT_EQ(bee->phoneNumber, "22");
    EXPECT_EQ(bee->speed, 9600);
    EXPECT_EQ(bee->init, "ATM0");
    std::string text = folder.read("phonebook.ini");
    EXPECT_NE(text.find("; note"), std::string::npos);
    EXPECT_NE(text.find("Colour=red"), std::string::npos);
    EXPECT_EQ(text.find("PhoneNumber=2\n"), std::string::npos);
}

TEST(PhonebookFile, renamingOntoAnotherEntryIsRefused) {
    TempFolder folder;
    Phonebook book(folder.write("phonebook.ini", "[A]\n[B]\n"));
    EXPECT_NE(book.replace("B", PhonebookEntry{"A", "", "virtual", 115200, "", {}}), "");
    EXPECT_NE(book.replace("Z", PhonebookEntry{"Z", "", "virtual", 115200, "", {}}), "");
    EXPECT_EQ(names(book), (std::vector<std::string>{"A", "B"}));
}

TEST(PhonebookFile, aPhonebookThatCannotBeReadIsReportedAndNeverWrittenOver) {
    TempFolder folder;
    const std::string utf16("\xFF\xFE[\0A\0]\0", 8);
    const struct {
        const char* what;
        std::function<void(const std::filesystem::path&)> make;
        const char* reason;
    } cases[] = {
        {"folder", [](const auto& p) { std::filesystem::create_directory(p); }, "it is a folder"},
        {"fifo", [](const auto& p) { ::mkfifo(p.c_str(), 0600); }, "named pipe"},
        {"device", [](const auto& p) { std::filesystem::create_symlink("/dev/zero", p); }, "it is a device"},
        {"utf16", [&](const auto& p) { folder.write(p.filename().string(), utf16); }, "UTF-16"},
        {"huge",
         [&](const auto& p) { folder.write(p.filename().string(), "[A]\n" + std::string(1 << 20, ';')); },
         "larger than 1024 KiB"},
    };
    for (const auto& bad : cases) {
        const auto path = folder.path() / (std::string(bad.what) + ".ini");
        bad.make(path);
        const auto kind = std::filesystem::symlink_status(path).type();
        const bool regular = kind == std::filesystem::file_type::regular;
        const std::string before = regular ? folder.read(path.filename().string()) : "";
        Phonebook book(path);
        EXPECT_TRUE(book.entries().empty()) << bad.what;
        EXPECT_NE(book.health().unreadable.find(bad.reason), std::string::npos)
            << bad.what << ": " << book.health().unreadable;
        EXPECT_FALSE(book.health().missing) << bad.what;
        const std::string refusal = book.append(PhonebookEntry{"New", "1", "virtual", 115200, "", {}});
        EXPECT_NE(refusal.find("cannot be read"), std::string::npos) << bad.what << ": " << refusal;
        EXPECT_NE(book.replace("A", PhonebookEntry{"A", "1", "virtual", 115200, "", {}}), "") << bad.what;
        EXPECT_EQ(std::filesystem::symlink_status(path).type(), kind) << bad.what;
        if (regular) {
            EXPECT_EQ(folder.read(path.filename().string()), before) << bad.what;
        }
    }
    Phonebook missing(folder.path() / "missing.ini");
    EXPECT_TRUE(missing.health().missing);
    EXPECT_EQ(missing.health().unreadable, "");
}

TEST(PhonebookFile, aRepeatedSectionIsReportedAndItsEntryNotChangedOnlyHalfway) {
    TempFolder folder;
    const std::string text = "\xEF\xBB\xBF[A]\nPhoneNumber=1\n[B]\nPhoneNumber=2\n[A]\nPhoneNumber=3\n";
    auto path = folder.write("phonebook.ini", text);
    Phonebook book(path);
    EXPECT_EQ(names(book), (std::vector<std::string>{"A", "B"})) << "a byte-order mark hides no section";
    EXPECT_EQ(book.health().repeated, std::vector<std::string>{"A"});
    const std::string refusal = book.replace("A", PhonebookEntry{"A", "9", "virtual", 115200, "", {}});
    EXPECT_NE(refusal.find("more than one [A] section"), std::string::npos) << refusal;
    EXPECT_EQ(folder.read("phonebook.ini"), text);
    EXPECT_EQ(book.replace("B", PhonebookEntry{"B", "8", "virtual", 115200, "", {}}), "");
    EXPECT_EQ(book.find("B")->phoneNumber, "8");
}
