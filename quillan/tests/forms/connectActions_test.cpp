#include "StartupFixture.h"

#include "forms/ConnectActions.h"
#include "forms/frmSound.h"

#include <optional>

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quillan {
namespace {

namespace fs = std::filesystem;

// The sound window searching a drive made of a folder of the data folder.
class SoundSearchTest : public StartupFixture {
  protected:
    SoundSearchTest() {
        for (const char* file :
             {"drive/a.wav", "drive/music/b.wav", "drive/music/c.wav", "elsewhere/linked.wav"}) {
            fs::create_directories((dataDir / file).parent_path());
            writeFile(file, "x");
        }
        fs::create_directory_symlink(dataDir / "elsewhere", dataDir / "drive/link");
        harness.drives.roots = {(dataDir / "drive").string()};
        fs::current_path(dataDir / "drive/music");
    }
    ~SoundSearchTest() override { fs::current_path(fs::temp_directory_path()); }

    frmSound& sound() { return forms().get<frmSound>(); }
    std::string inDrive(const std::string& name) { return (dataDir / "drive" / name).string(); }
};

TEST_F(SoundSearchTest, searchCoversTheDriveWithoutFollowingLinksToFolders) {
    sound().cmdSearch.userClick();
    EXPECT_EQ(sound().lstFoundFiles.items(),
              (std::vector<std::string>{inDrive("music/b.wav"), inDrive("music/c.wav"), inDrive("a.wav")}));
    EXPECT_EQ(sound().lblCount.caption(), " 3");
    EXPECT_EQ(harness.pump.calls, 2) << "one pump for each folder searched, and only there";
    EXPECT_TRUE(harness.boxes.take().empty());
}

TEST_F(SoundSearchTest, aFullListEndsTheSearchWithItsMessageAndKeepsWhatWasFound) {
    for (int i = 0; i < ListControl::kMaxListItems - 2; ++i)
        sound().lstFoundFiles.addItem("earlier");
    sound().cmdSearch.userClick();
    EXPECT_EQ(sound().lstFoundFiles.listCount(), ListControl::kMaxListItems);
    EXPECT_EQ(sound().lstFoundFiles.list(ListControl::kMaxListItems - 1), inDrive("music/c.wav"));
    const auto boxes = harness.boxes.take();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "You've filled the list box. Abandoning search...");
    EXPECT_EQ(boxes[0].buttons, MsgButtons::OK);
    EXPECT_EQ(sound().cmdSearch.caption(), "&Reset");
}

// Runs body in a forked child once isolate has set it apart (false: this machine cannot); the child's
// report, or nullopt when it could not be set apart. A child that dies reports so, and fails the test.
std::optional<std::string> inChild(const std::function<bool()>& isolate,
                                   const std::function<std::string()>& body) {
    int report[2];
    if (pipe(report) != 0)
        return std::nullopt;
    const pid_t child = fork();
    if (child == 0) {
        ::close(report[0]);
        if (!isolate())
            _exit(3);
        const std::string text = body();
        (void)!::write(report[1], text.data(), text.size());
        _exit(0);
    }
    ::close(report[1]);
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = ::read(report[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<size_t>(n));
    ::close(report[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 3)
        return std::nullopt;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "the child ended abnormally";
    return text;
}

TEST_F(SoundSearchTest, unreadableFoldersAreSkippedAndNamedOnceAtTheEnd) {
    fs::create_directories(dataDir / "drive/locked/deep");
    writeFile("drive/locked/deep/d.wav", "x");
    fs::permissions(dataDir, fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(dataDir / "drive/locked", fs::perms::none);
    // Folder permissions do not stop the superuser: then the search runs in a user namespace of its
    // own, where this process is nobody to the files.
    const auto report = inChild([] { return geteuid() != 0 || unshare(CLONE_NEWUSER) == 0; },
                                [this] {
                                    sound().cmdSearch.userClick();
                                    const auto boxes = harness.boxes.take();
                                    return std::to_string(sound().lstFoundFiles.listCount()) + "\n" +
                                           (boxes.size() == 1 ? boxes[0].text : "no single box");
                                });
    fs::permissions(dataDir / "drive/locked", fs::perms::owner_all);
    if (!report)
        GTEST_SKIP()
            << "this machine allows no user namespace, and folder permissions do not stop the superuser";
    EXPECT_EQ(report->substr(0, report->find('\n')), "3")
        << "the three readable sounds, the locked one left out";
    EXPECT_NE(report->find("1 folder(s) could not be read"), std::string::npos) << *report;
    EXPECT_NE(report->find(inDrive("locked")), std::string::npos) << *report;
}

TEST_F(SoundSearchTest, searchStaysOnTheDrivesFileSystem) {
    fs::create_directories(dataDir / "drive/mounted");
    // Another file system mounted inside the drive, in a mount namespace of the test's own.
    const auto report = inChild(
        [this] {
            const int flags = geteuid() == 0 ? CLONE_NEWNS : CLONE_NEWUSER | CLONE_NEWNS;
            return unshare(flags) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                   mount("tmpfs", (dataDir / "drive/mounted").c_str(), "tmpfs", 0, nullptr) == 0;
        },
        [this] {
            writeFile("drive/mounted/other.wav", "x");
            sound().cmdSearch.userClick();
            std::string found;
            for (const std::string& item : sound().lstFoundFiles.items())
                found += item + "\n";
            return found;
        });
    if (!report)
        GTEST_SKIP() << "this machine allows no mount namespace for the test";
    EXPECT_EQ(*report,
              inDrive("music/b.wav") + "\n" + inDrive("music/c.wav") + "\n" + inDrive("a.wav") + "\n");
}

TEST_F(StartupFixture, browserLookupAsksAboutAPrivateHtmFileThatIsGoneAfterwards) {
    m().settings.starturl = "example.org";
    LaunchBrowser(forms());
    const RecordingBrowser& browser = harness.browser;
    EXPECT_EQ(browser.lookedUpContent, "\"<HTML> <\\HTML>\"\r\n");
    EXPECT_EQ(browser.lookedUpPath.extension(), ".HTM");
    EXPECT_EQ(browser.lookedUpPerms & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(fs::exists(browser.lookedUpPath));
    EXPECT_EQ(harness.effects.take(),
              std::vector<std::string>{"browser \"/usr/bin/x-www-browser\" \"example.org\""});

    harness.browser.program.clear();
    LaunchBrowser(forms());
    EXPECT_FALSE(fs::exists(browser.lookedUpPath));
    EXPECT_EQ(harness.boxes.take().size(), 1u);
}

} // namespace
} // namespace quillan
