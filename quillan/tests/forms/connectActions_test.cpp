#include "StartupFixture.h"

#include "forms/ConnectActions.h"
#include "forms/frmSound.h"

#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quillan {
namespace {

namespace fs = std::filesystem;

// The sound window searching a drive made of a folder of the data folder.
class SoundSearchTest : public StartupFixture {
protected:
    SoundSearchTest() {
        for (const char* file : {"drive/a.wav", "drive/music/b.wav", "drive/music/c.wav", "elsewhere/linked.wav"}) {
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

TEST_F(SoundSearchTest, unreadableFoldersAreSkippedAndNamedOnceAtTheEnd) {
    fs::create_directories(dataDir / "drive/locked/deep");
    writeFile("drive/locked/deep/d.wav", "x");
    fs::permissions(dataDir, fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(dataDir / "drive/locked", fs::perms::none);
    // Folder permissions do not stop the superuser: then the search runs in a user namespace of its
    // own, where this process is nobody to the files.
    int report[2];
    ASSERT_EQ(pipe(report), 0);
    const pid_t child = fork();
    if (child == 0) {
        ::close(report[0]);
        if (geteuid() == 0 && unshare(CLONE_NEWUSER) != 0)
            _exit(3);
        sound().cmdSearch.userClick();
        const auto boxes = harness.boxes.take();
        const std::string text = std::to_string(sound().lstFoundFiles.listCount()) + "\n" +
                                 (boxes.size() == 1 ? boxes[0].text : "boxes: " + std::to_string(boxes.size()));
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
    fs::permissions(dataDir / "drive/locked", fs::perms::owner_all);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 3)
        GTEST_SKIP() << "this machine allows no user namespace, and folder permissions do not stop the superuser";
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const size_t line = text.find('\n');
    ASSERT_NE(line, std::string::npos) << text;
    EXPECT_EQ(text.substr(0, line), "3") << "the three readable sounds, the locked one left out";
    const std::string box = text.substr(line + 1);
    EXPECT_NE(box.find("1 folder(s) could not be read"), std::string::npos) << box;
    EXPECT_NE(box.find(inDrive("locked")), std::string::npos) << box;
}

TEST_F(StartupFixture, browserLookupAsksAboutAPrivateHtmFileThatIsGoneAfterwards) {
    m().settings.starturl = "example.org";
    LaunchBrowser(forms());
    const RecordingBrowser& browser = harness.browser;
    EXPECT_EQ(browser.lookedUpContent, "\"<HTML> <\\HTML>\"\r\n");
    EXPECT_EQ(browser.lookedUpPath.extension(), ".HTM");
    EXPECT_EQ(browser.lookedUpPerms & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(fs::exists(browser.lookedUpPath));
    EXPECT_EQ(harness.effects.take(), std::vector<std::string>{"browser \"/usr/bin/x-www-browser\" \"example.org\""});

    harness.browser.program.clear();
    LaunchBrowser(forms());
    EXPECT_FALSE(fs::exists(browser.lookedUpPath));
    EXPECT_EQ(harness.boxes.take().size(), 1u);
}

} // namespace
} // namespace quillan
