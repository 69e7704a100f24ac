#include "TempFolder.h"
#include "controls/LinuxDialUp.h"
#include "runtime/PollEventLoop.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

using namespace quillan;
using quillan::test::TempFolder;

namespace {

class PhonebookSideTest : public ::testing::Test {
protected:
    LinuxDialUp& dialerWith(const std::string& phonebook) {
        LinuxDialUpOptions options;
        options.phonebook = folder.write("phonebook.ini", phonebook);
        options.pppdRunFolder = folder.path();
        options.peersFolder = folder.path() / "peers";
        dialer = std::make_unique<LinuxDialUp>(loop, options);
        return *dialer;
    }

    // A process whose name is pppd, as pppd's pid file would name.
    pid_t startFakePppd() {
        std::filesystem::copy_file("/bin/sleep", folder.path() / "pppd");
        pid_t pid = ::fork();
        if (pid == 0) {
            ::execl((folder.path() / "pppd").c_str(), "pppd", "30", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        children.push_back(pid);
        // Until it has started, the child still bears this program's name.
        for (int tries = 0; tries < 400 && command(pid) != "pppd"; ++tries)
            ::usleep(5000);
        return pid;
    }

    static std::string command(pid_t pid) {
        std::ifstream file("/proc/" + std::to_string(pid) + "/comm");
        std::string name;
        std::getline(file, name);
        return name;
    }

    ~PhonebookSideTest() override {
        for (pid_t pid : children) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    }

    TempFolder folder;
    PollEventLoop loop;
    std::unique_ptr<LinuxDialUp> dialer;
    std::vector<pid_t> children;
};

const char* kTwoEntries = "[Work]\nPhoneNumber=5550100\nDevice=virtual\n[Home]\nPhoneNumber=5550199\nDevice=virtual\n";

} // namespace

TEST_F(PhonebookSideTest, entriesAreListedInPhonebookOrder) {
    LinuxDialUp& dialUp = dialerWith(kTwoEntries);
    EXPECT_EQ(dialUp.EntryCount(), 2);
    EXPECT_EQ(dialUp.Entry(0), "Work");
    EXPECT_EQ(dialUp.Entry(1), "Home");
    EXPECT_EQ(dialUp.Entry(2), "");
    EXPECT_EQ(dialUp.Entry(-1), "");
}

TEST_F(PhonebookSideTest, refreshRereadsThePhonebook) {
    LinuxDialUp& dialUp = dialerWith(kTwoEntries);
    folder.write("phonebook.ini", std::string(kTwoEntries) + "[Third]\n");
    EXPECT_EQ(dialUp.EntryCount(), 2);
    dialUp.Refresh();
    EXPECT_EQ(dialUp.EntryCount(), 3);
    EXPECT_EQ(dialUp.Entry(2), "Third");
}

TEST_F(PhonebookSideTest, aWrittenNumberSurvivesTheEntryNameUntilLoadEntry) {
    LinuxDialUp& dialUp = dialerWith(kTwoEntries);
    dialUp.setEntryName("Work");
    dialUp.LoadEntry();
    EXPECT_EQ(dialUp.PhoneNumber(), "5550100");
    dialUp.setEntryName("");
    dialUp.setPhoneNumber("5550111");
    dialUp.setEntryName("Work");
    EXPECT_EQ(dialUp.PhoneNumber(), "5550111");
    dialUp.LoadEntry();
    EXPECT_EQ(dialUp.PhoneNumber(), "5550100");
    dialUp.setEntryName("Home");
    dialUp.LoadEntry();
    EXPECT_EQ(dialUp.PhoneNumber(), "5550199");
}

TEST_F(PhonebookSideTest, withoutAnEditorCreateAndEditChangeNothing) {
    LinuxDialUp& dialUp = dialerWith(kTwoEntries);
    dialUp.CreateEntry();
    dialUp.setEntryName("Work");
    dialUp.EditEntry();
    EXPECT_EQ(folder.read("phonebook.ini"), kTwoEntries);
    EXPECT_EQ(dialUp.EntryCount(), 2);
}

TEST_F(PhonebookSideTest, aCreatedEntryIsListedLast) {
    LinuxDialUp& dialUp = dialerWith(kTwoEntries);
    dialUp.entryEditor = [](const PhonebookEntry& blank) {
        EXPECT_TRUE(blank.name.empty());
        return std::optional<PhonebookEntry>(PhonebookEntry{"Cafe", "5550123", "virtual", 115200, "", {}});
    };
    dialUp.CreateEntry();
    EXPECT_EQ(dialUp.editRefusal(), "");
    EXPECT_EQ(dialUp.EntryCount(), 3);
    EXPECT_EQ(dialUp.Entry(2), "Cafe");
    dialUp.Refresh();
    EXPECT_EQ(dialUp.Entry(2), "Cafe");
}

TEST_F(PhonebookSideTest, aCancelledOrRefusedNewEntryAddsNothing) {
    LinuxDialUp& dialUp = dialerWith(kTwoEntries);
    dialUp.entryEditor = [](const PhonebookEntry&) { return std::optional<PhonebookEntry>(); };
    dialUp.CreateEntry();
    EXPECT_EQ(dialUp.EntryCount(), 2);
    dialUp.entryEditor = [](const PhonebookEntry&) {
        return std::optional<PhonebookEntry>(PhonebookEntry{"Work", "1", "virtual", 115200, "", {}});
    };
    dialUp.CreateEntry();
    EXPECT_EQ(dialUp.EntryCount(), 2);
    EXPECT_NE(dialUp.editRefusal(), "");
}

TEST_F(PhonebookSideTest, editingChangesTheSelectedEntryInPlace) {
    LinuxDialUp& dialUp = dialerWith(kTwoEntries);
    dialUp.entryEditor = [](const PhonebookEntry& entry) {
        EXPECT_EQ(entry.name, "Work");
        PhonebookEntry changed = entry;
        changed.phoneNumber = "5550000";
        return std::optional<PhonebookEntry>(changed);
    };
    dialUp.setEntryName("Work");
    dialUp.EditEntry();
    EXPECT_EQ(dialUp.Entry(0), "Work");
    dialUp.LoadEntry();
    EXPECT_EQ(dialUp.PhoneNumber(), "5550000");
}

TEST_F(PhonebookSideTest, aLivePppdNamedByItsPidFileIsAConnection) {
    LinuxDialUp& dialUp = dialerWith(kTwoEntries);
    pid_t pppd = startFakePppd();
    std::ofstream(folder.path() / "ppp-Home.pid") << pppd << "\nppp0\n";
    dialUp.setEntryName("Home");
    EXPECT_TRUE(dialUp.IsConnected());
    dialUp.setEntryName("Work");
    EXPECT_FALSE(dialUp.IsConnected());
}

TEST_F(PhonebookSideTest, aStalePidFileIsNoConnection) {
    LinuxDialUp& dialUp = dialerWith(kTwoEntries);
    pid_t gone = startFakePppd();
    ::kill(gone, SIGKILL);
    ::waitpid(gone, nullptr, 0);
    children.clear();
    std::ofstream(folder.path() / "ppp-Home.pid") << gone << "\n";
    dialUp.setEntryName("Home");
    EXPECT_FALSE(dialUp.IsConnected());
}

TEST_F(PhonebookSideTest, aPidFileNamingAnotherProgramIsNoConnection) {
    LinuxDialUp& dialUp = dialerWith(kTwoEntries);
    std::ofstream(folder.path() / "ppp-Home.pid") << ::getpid() << "\n";
    dialUp.setEntryName("Home");
    EXPECT_FALSE(dialUp.IsConnected());
}

TEST_F(PhonebookSideTest, unreadablePidFilesAndUnsafeNamesAreNoConnection) {
    LinuxDialUp& dialUp = dialerWith(kTwoEntries);
    std::ofstream(folder.path() / "ppp-Home.pid") << "garbage\n";
    dialUp.setEntryName("Home");
    EXPECT_FALSE(dialUp.IsConnected());
    std::filesystem::create_directory(folder.path() / "ppp-x");
    std::ofstream(folder.path() / "ppp-x" / "y.pid") << ::getpid() << "\n";
    dialUp.setEntryName("x/y");
    EXPECT_FALSE(dialUp.IsConnected());
    dialUp.setEntryName("");
    EXPECT_FALSE(dialUp.IsConnected());
}
