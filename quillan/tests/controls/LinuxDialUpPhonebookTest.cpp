#include "TempFolder.h"
#include "controls/LinuxDialUp.h"
#include "runtime/PollEventLoop.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

using namespace quillan;
using quillan::test::TempFolder;

namespace {

class PhonebookSideTest : public ::testing::Test {
  protected:
    LinuxDialUp& dialerWith(const std::string& phonebook,
                            std::vector<std::filesystem::path> wvdialFiles = {}) {
        LinuxDialUpOptions options;
        options.phonebook = folder.write("phonebook.ini", phonebook);
        options.wvdialFiles = std::move(wvdialFiles);
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

    // A process named pppd with the given arguments on its command line, as ps shows a call.
    pid_t startPppdCalling(const std::vector<std::string>& args) {
        if (!std::filesystem::exists(folder.path() / "pppd-sh"))
            std::filesystem::copy_file("/bin/sh", folder.path() / "pppd-sh");
        pid_t pid = ::fork();
        if (pid == 0) {
            std::vector<const char*> argv{"pppd", "-c", "while :; do sleep 1; done"};
            for (const std::string& arg : args)
                argv.push_back(arg.c_str());
            argv.push_back(nullptr);
            // Its sleep outlives a kill of the shell by up to a second: it must not hold the test's
            // output open.
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, STDOUT_FILENO);
            ::dup2(null, STDERR_FILENO);
            ::execv((folder.path() / "pppd-sh").c_str(), const_cast<char* const*>(argv.data()));
            ::_exit(127);
        }
        children.push_back(pid);
        // The scan goes by argv[0]; the comm of this copy of sh stays "pppd-sh".
        for (int tries = 0; tries < 400 && programOf(pid) != "pppd"; ++tries)
            ::usleep(5000);
        return pid;
    }

    static std::string command(pid_t pid) {
        std::ifstream file("/proc/" + std::to_string(pid) + "/comm");
        std::string name;
        std::getline(file, name);
        return name;
    }

    // argv[0], as the process's command line holds it.
    static std::string programOf(pid_t pid) {
        std::ifstream file("/proc/" + std::to_string(pid) + "/cmdline");
        std::string program;
        std::getline(file, program, '\0');
        return program;
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

std::optional<LinuxDialUp::EditedEntry> edited(const PhonebookEntry& entry) {
    return LinuxDialUp::EditedEntry{entry, std::nullopt};
}

const char* kTwoEntries =
    "[Work]\nPhoneNumber=5550100\nDevice=virtual\n[Home]\nPhoneNumber=5550199\nDevice=virtual\n";

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
    dialUp.entryEditor = [](const PhonebookEntry& blank, const std::vector<WvdialDialer>&) {
        EXPECT_TRUE(blank.name.empty());
        return edited(PhonebookEntry{"Cafe", "5550123", "virtual", 115200, "", {}});
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
    dialUp.entryEditor = [](const PhonebookEntry&, const std::vector<WvdialDialer>&) {
        return std::optional<LinuxDialUp::EditedEntry>();
    };
    dialUp.CreateEntry();
    EXPECT_EQ(dialUp.EntryCount(), 2);
    dialUp.entryEditor = [](const PhonebookEntry&, const std::vector<WvdialDialer>&) {
        return edited(PhonebookEntry{"Work", "1", "virtual", 115200, "", {}});
    };
    dialUp.CreateEntry();
    EXPECT_EQ(dialUp.EntryCount(), 2);
    EXPECT_NE(dialUp.editRefusal(), "");
}

TEST_F(PhonebookSideTest, editingChangesTheSelectedEntryInPlace) {
    LinuxDialUp& dialUp = dialerWith(kTwoEntries);
    dialUp.entryEditor = [](const PhonebookEntry& entry, const std::vector<WvdialDialer>&) {
        EXPECT_EQ(entry.name, "Work");
        PhonebookEntry changed = entry;
        changed.phoneNumber = "5550000";
        return edited(changed);
    };
    dialUp.setEntryName("Work");
    dialUp.EditEntry();
    EXPECT_EQ(dialUp.Entry(0), "Work");
    dialUp.LoadEntry();
    EXPECT_EQ(dialUp.PhoneNumber(), "5550000");
}

// The system file with defaults and an inherited dialer, the user's file overriding one of its dialers;
// a missing file and a FIFO with no writer (which must not hold up the editor) are passed over.
TEST_F(PhonebookSideTest, aDialerImportedFromWvdialBecomesAnEntryAndHandsOverItsCredentials) {
    std::filesystem::create_directories(folder.path() / "etc");
    const auto system = folder.write("etc/wvdial.conf", "[Dialer Defaults]\n"
                                                        "Modem = /dev/ttyUSB0\n"
                                                        "Baud = 460800\n"
                                                        "Init1 = ATZ\n"
                                                        "Init2 = ATQ0 V1 E1 S0=0 &C1 &D2\n"
                                                        "; a comment = not a key\n"
                                                        "Username = everyone\n"
                                                        "Password = secret\n"
                                                        "[Dialer isp]\n"
                                                        "Phone = 5550100\n"
                                                        "Phone1 = 5550101\n"
                                                        "Phone3 = 5550103\n"
                                                        "[Dialer Night]\n"
                                                        "Inherits = ISP\n"
                                                        "Init3 = AT+FCLASS=0\n"
                                                        "[Dialer Unfinished]\n"
                                                        "Modem = /dev/ttyS1\n");
    const auto user = folder.write("wvdialrc", "[Dialer ISP]\nUsername = alice\nPassword = p=1 ;x\n");
    const auto fifo = folder.path() / "fifo.conf";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    LinuxDialUp& dialUp = dialerWith(kTwoEntries, {system, folder.path() / "absent.conf", fifo, user});
    std::vector<WvdialDialer> offered;
    dialUp.entryEditor = [&](const PhonebookEntry&, const std::vector<WvdialDialer>& dialers) {
        offered = dialers;
        const WvdialDialer& night = dialers.at(1);
        return std::optional<LinuxDialUp::EditedEntry>({night.phonebookEntry(), night});
    };
    std::string importedFor;
    WvdialDialer handedOver;
    dialUp.dialerImported = [&](const std::string& entryName, const WvdialDialer& dialer) {
        importedFor = entryName;
        handedOver = dialer;
    };
    dialUp.CreateEntry();

    ASSERT_EQ(offered.size(), 2u) << "a dialer without a phone number is not offered";
    EXPECT_EQ(offered[0].name, "isp");
    EXPECT_EQ(offered[0].username, "alice");
    EXPECT_EQ(offered[0].password, "p=1 ;x");
    EXPECT_EQ(dialUp.editRefusal(), "");
    ASSERT_EQ(dialUp.EntryCount(), 3);
    EXPECT_EQ(dialUp.Entry(2), "Night");
    EXPECT_NE(folder.read("phonebook.ini")
                  .find("[Night]\nPhoneNumber=5550100\nDevice=/dev/ttyUSB0\nSpeed=460800\n"
                        "Init=ATQ0 V1 E1 S0=0 &C1 &D2 +FCLASS=0\n"),
              std::string::npos)
        << folder.read("phonebook.ini");
    EXPECT_EQ(importedFor, "Night");
    EXPECT_EQ(handedOver.username, "alice");
    EXPECT_EQ(handedOver.alternates, (std::vector<std::string>{"5550101", "5550103"}));

    // A refused entry hands over nothing, and the refusal is told.
    importedFor.clear();
    std::string refusal;
    dialUp.editRefused = [&](const std::string& why) { refusal = why; };
    dialUp.CreateEntry();
    EXPECT_NE(dialUp.editRefusal(), "");
    EXPECT_EQ(refusal, dialUp.editRefusal());
    EXPECT_EQ(importedFor, "");
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

// Calls started outside the program are found by the pppd processes' own words, whatever the pid file.
TEST_F(PhonebookSideTest, anOutsidePppdIsAdoptedByTheCallItsCommandLineNames) {
    struct Case {
        const char* pidFile;
        std::vector<std::string> args;
        const char* upEntry; // "" when no entry is up
    };
    const Case cases[] = {
        {"ppp0.pid", {"call", "Home"}, "Home"},
        {"ppp1.pid", {"nodetach", "linkname", "Home", "call", "isp"}, "Home"},
        {"ppp2.pid", {"call", "quillan", "user", "bob", "ipparam", "Home"}, "Home"},
        {"ppp-Work.pid", {"call", "other"}, "Work"},
        {"ppp3.pid", {"call", "Elsewhere"}, ""},
        {"ppp4.pid", {"/dev/ttyS0", "115200"}, ""},
        {"pppx.pid", {"call", "Home"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pidFile);
        LinuxDialUp& dialUp = dialerWith(kTwoEntries);
        pid_t pppd = startPppdCalling(c.args);
        std::ofstream(folder.path() / c.pidFile) << pppd << "\n";
        for (const char* entry : {"Work", "Home"}) {
            dialUp.setEntryName(entry);
            EXPECT_EQ(dialUp.IsConnected(), std::string(c.upEntry) == entry) << entry;
        }
        std::filesystem::remove(folder.path() / c.pidFile);
    }
}

TEST_F(PhonebookSideTest, anAdoptedCallThatEndsIsNoLongerUpThoughItsPidFileStays) {
    LinuxDialUp& dialUp = dialerWith(kTwoEntries);
    pid_t pppd = startPppdCalling({"call", "Home"});
    std::ofstream(folder.path() / "ppp0.pid") << pppd << "\n";
    dialUp.setEntryName("Home");
    ASSERT_TRUE(dialUp.IsConnected());
    ::kill(pppd, SIGKILL);
    ::waitpid(pppd, nullptr, 0);
    children.clear();
    ::usleep(30000); // past the moment within which the entries of one scan share a look
    EXPECT_FALSE(dialUp.IsConnected());
}

TEST_F(PhonebookSideTest, theSystemsPeersFollowThePhonebookReadOnly) {
    std::filesystem::create_directories(folder.path() / "peers");
    for (const char* name : {"provider", "quillan", "work~", ".hidden", "isp.dpkg-old", "zeta"})
        folder.write(std::string("peers/") + name, "/dev/ttyS0\n");
    LinuxDialUp& dialUp = dialerWith(kTwoEntries);
    EXPECT_EQ(dialUp.EntryCount(), 4);
    EXPECT_EQ(dialUp.Entry(2), "provider");
    EXPECT_EQ(dialUp.Entry(3), "zeta");
    bool edited = false;
    dialUp.entryEditor = [&edited](const PhonebookEntry& entry, const std::vector<WvdialDialer>&) {
        edited = true;
        return std::optional<LinuxDialUp::EditedEntry>(LinuxDialUp::EditedEntry{entry, std::nullopt});
    };
    dialUp.setEntryName("provider");
    dialUp.EditEntry();
    EXPECT_FALSE(edited);
    EXPECT_EQ(dialUp.editRefusal(), "provider is a connection of the system's pppd; change it in " +
                                        (folder.path() / "peers" / "provider").string() + " as root");
    folder.write("peers/later", "");
    dialUp.Refresh();
    EXPECT_EQ(dialUp.Entry(2), "later");
    // An entry created now is still the last one listed, and a peers file the phonebook names is its entry.
    dialUp.entryEditor = [](const PhonebookEntry&, const std::vector<WvdialDialer>&) {
        return std::optional<LinuxDialUp::EditedEntry>(LinuxDialUp::EditedEntry{
            PhonebookEntry{"zeta", "5550111", "virtual", kDefaultSpeed, "", std::nullopt}, std::nullopt});
    };
    dialUp.CreateEntry();
    ASSERT_EQ(dialUp.EntryCount(), 5);
    EXPECT_EQ(dialUp.Entry(4), "zeta");
    EXPECT_EQ(dialUp.Entry(3), "provider");
}
