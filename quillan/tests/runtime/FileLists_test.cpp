#include "runtime/DirListBox.h"
#include "runtime/FileListBox.h"
#include "runtime/FolderReader.h"
#include "runtime/ListBox.h"
#include "runtime/MountTable.h"
#include "runtime/PathNames.h"
#include "testsupport/Harness.h"
#include "testsupport/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <sstream>

namespace quillan {
namespace {

namespace fs = std::filesystem;

TEST(PathNames, wildcardsJoinsAndDrives) {
    struct Match {
        const char* name;
        const char* pattern;
        bool matches;
    };
    for (const Match& m : std::initializer_list<Match>{{"E.WAV", "*.wav", true},
                                                       {"chime.Wav", "*.WAV", true},
                                                       {"tool.com", "*.exe;*.com;*.lnk;*.bat", true},
                                                       {"tool.txt", "*.exe;*.com;*.lnk;*.bat", false},
                                                       {"README", "*.*", true},
                                                       {"ab", "?b", true},
                                                       {"a.wav.txt", "*.wav", false},
                                                       {"a.wav", ";;*.wav", true},
                                                       {"a.wav", "", false}})
        EXPECT_EQ(matchesPattern(m.name, m.pattern), m.matches) << m.name << " against " << m.pattern;

    EXPECT_EQ(joinPath("/", "a.exe"), "/a.exe");
    EXPECT_EQ(joinPath("/opt/tools", "a.exe"), "/opt/tools/a.exe");

    const std::vector<std::string> drives{"/", "/home", "/media/usb", "/media/usb2"};
    EXPECT_EQ(driveOf("/home/jo/Music", drives), "/home");
    EXPECT_EQ(driveOf("/home", drives), "/home");
    EXPECT_EQ(driveOf("/homework", drives), "/");
    EXPECT_EQ(driveOf("/media/usb2/x", drives), "/media/usb2");
    EXPECT_EQ(driveOf("/etc", drives), "/");
    EXPECT_EQ(driveOf("/etc", {"/home"}), "");
}

TEST(MountTable, listsTheMountsAUserKeepsFilesOn) {
    std::istringstream mounts("/dev/sda1 / ext4 rw 0 0\n"
                              "proc /proc proc rw 0 0\n"
                              "sysfs /sys sysfs rw 0 0\n"
                              "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
                              "devpts /dev/pts devpts rw 0 0\n"
                              "tmpfs /run tmpfs rw 0 0\n"
                              "tmpfs /run/user/1000 tmpfs rw 0 0\n"
                              "/dev/sda2 /home ext4 rw 0 0\n"
                              "/dev/sdb1 /media/jo/MY\\040STICK vfat rw 0 0\n"
                              "/dev/sdc1 /run/media/jo/Disk ext4 rw 0 0\n"
                              "/dev/sda3 /boot/efi vfat rw 0 0\n"
                              "server:/srv /mnt/share nfs4 rw 0 0\n"
                              "/dev/sda2 /home ext4 rw 0 0\n"
                              "broken line\n");
    EXPECT_EQ(MountTable::parse(mounts), (std::vector<std::string>{"/", "/home", "/media/jo/MY STICK",
                                                                   "/mnt/share", "/run/media/jo/Disk"}));
}

// A folder tree to list, and a form to hold the lists.
class FolderListsTest : public ::testing::Test {
  protected:
    FolderListsTest() {
        for (const char* folder : {"beta", "Alpha", "gamma/inner", ".hidden"})
            fs::create_directories(root() / folder);
        for (const char* file : {"b.WAV", "A.wav", "c.txt", ".secret.wav", "tool", "launch.desktop", "x.exe"})
            std::ofstream(root() / file) << "x";
        fs::permissions(root() / "tool", fs::perms::owner_exec, fs::perm_options::add);
    }
    fs::path root() const { return scratch.path(); }

    TemporaryFolder scratch{"quillan-lists"};
    Harness harness{scratch.path()};
    Form form{harness.services, "lists", "Lists"};
};

TEST_F(FolderListsTest, folderListShowsSubfoldersInOrderAndReportsChangesOnly) {
    DirListBox folders(form, "dirList");
    int changes = 0;
    folders.Change = [&] { ++changes; };

    folders.setPath(root().string() + "/");
    EXPECT_EQ(folders.path(), root().string());
    EXPECT_EQ(folders.items(), (std::vector<std::string>{"Alpha", "beta", "gamma"}));
    EXPECT_EQ(changes, 1);
    folders.setPath(root().string());
    EXPECT_EQ(changes, 1) << "the same folder again is no change";

    folders.userChoose(2);
    EXPECT_EQ(folders.highlighted(), (root() / "gamma").string());
    EXPECT_EQ(folders.path(), root().string()) << "a highlight opens nothing";
    folders.userOpen(2);
    EXPECT_EQ(folders.items(), std::vector<std::string>{"inner"});
    EXPECT_EQ(folders.highlighted(), folders.path());
    folders.userOpen(-1);
    EXPECT_EQ(folders.path(), root().string());
    EXPECT_EQ(changes, 3);

    EXPECT_THROW(folders.setPath((root() / "missing").string()), FolderError);
    EXPECT_THROW(folders.setPath((root() / "c.txt").string()), FolderError);
    EXPECT_EQ(folders.path(), root().string());
    EXPECT_EQ(changes, 3);
}

TEST_F(FolderListsTest, fileListMatchesItsPatternAndListsThisPlatformsPrograms) {
    FileListBox files(form, "filList");
    int patternChanges = 0;
    files.PatternChange = [&] { ++patternChanges; };
    files.setPath(root().string());
    files.setPattern("*.wav");
    EXPECT_EQ(files.items(), (std::vector<std::string>{"A.wav", "b.WAV"}));
    files.setPattern("*.wav");
    EXPECT_EQ(patternChanges, 1);

    files.setPattern("*.exe;*.com;*.lnk;*.bat");
    EXPECT_EQ(files.items(), std::vector<std::string>{"x.exe"}) << "outside a program picker";
    files.setListsPrograms(true);
    EXPECT_EQ(files.items(), (std::vector<std::string>{"launch.desktop", "tool", "x.exe"}));
    files.setPattern("*.txt");
    EXPECT_EQ(files.items(), std::vector<std::string>{"c.txt"}) << "other patterns list what they name";

    files.setPath((root() / "missing").string());
    EXPECT_EQ(files.listCount(), 0);
}

TEST_F(FolderListsTest, aFolderReadAgainShowsWhatChangedMeanwhile) {
    // An old folder's listing is kept between readings; a change to the folder must still show, also
    // to a walk once other work has run since it last looked.
    const auto anHourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const bool walking : {false, true}) {
        SCOPED_TRACE(walking ? "in a walk" : "outside a walk");
        const std::string added = walking ? "epsilon" : "delta";
        fs::last_write_time(root(), anHourAgo);
        std::optional<FolderReader::Walk> walk;
        if (walking)
            walk.emplace();
        DirListBox folders(form, "dirList");
        folders.setPath(root().string());
        folders.setPath((root() / "beta").string());
        fs::create_directory(root() / added);
        fs::last_write_time(root(), anHourAgo + std::chrono::seconds(1));
        FolderReader::Walk::eventsRan();
        folders.setPath(root().string());
        EXPECT_NE(std::find(folders.items().begin(), folders.items().end(), added), folders.items().end());
    }
}

TEST_F(FolderListsTest, aListHoldsAtMost32767Lines) {
    ListBox list(form, "list");
    for (int i = 0; i < ListControl::kMaxListItems; ++i)
        list.addItem("line");
    EXPECT_THROW(list.addItem("one more"), ListFull);
    EXPECT_EQ(list.listCount(), 32767);
}

} // namespace
} // namespace quillan
