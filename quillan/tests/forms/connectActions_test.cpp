#include "StartupFixture.h"

#include "forms/ConnectActions.h"
#include "forms/frmSound.h"

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
    if (geteuid() == 0)
        GTEST_SKIP() << "folder permissions do not stop the superuser from reading";
    fs::create_directories(dataDir / "drive/locked/deep");
    writeFile("drive/locked/deep/d.wav", "x");
    fs::permissions(dataDir / "drive/locked", fs::perms::none);
    sound().cmdSearch.userClick();
    fs::permissions(dataDir / "drive/locked", fs::perms::owner_all);
    EXPECT_EQ(sound().lstFoundFiles.listCount(), 3);
    const auto boxes = harness.boxes.take();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("1 folder(s) could not be read"), std::string::npos) << boxes[0].text;
    EXPECT_NE(boxes[0].text.find(inDrive("locked")), std::string::npos) << boxes[0].text;
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
