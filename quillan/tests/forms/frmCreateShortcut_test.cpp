#include "ConfigFixture.h"

#include "forms/frmCreateShortcut.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace quillan {
namespace {

class ShortcutTest : public ConfigFixture {
  protected:
    ShortcutTest() {
        h.services.desktop.command = {"/opt/Dial Up/quillan", "--data-dir", "/home/a \"b\"/$HOME/100%"};
        std::filesystem::create_directories(desktop());
    }
    std::filesystem::path desktop() const { return dataDir() / "Desktop"; }
    std::filesystem::path applications() const { return dataDir() / "applications"; }
    frmCreateShortcut& window() { return h.forms->get<frmCreateShortcut>(); }

    std::vector<std::string> files(const std::filesystem::path& folder) const {
        std::vector<std::string> names;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    void create(const std::string& name) {
        window().show();
        window().txtShortcutName.setText(name);
        window().cmdCreateShortcut.userClick();
    }
};

TEST_F(ShortcutTest, startUp_loadsTheWindowHiddenWithTheDesktopFolder) {
    frmCreateShortcut* loaded = h.forms->peek<frmCreateShortcut>();
    ASSERT_NE(loaded, nullptr);
    EXPECT_FALSE(loaded->visible());
    EXPECT_EQ(loaded->txtShortcutDir.text(), desktop().string());
    EXPECT_FALSE(loaded->txtShortcutDir.visible());
    config->SSTab1.setTab(kPageOptions);
    config->cmdCreateShort.userClick();
    EXPECT_TRUE(loaded->visible());
    EXPECT_EQ(loaded->txtShortcutName.text(), "Quillan Professional");
}

TEST_F(ShortcutTest, namesFollowTheRules_andNoFileIsEverReplaced) {
    struct Case {
        const char* typed;
        std::vector<std::string> onDesktop;
    } cases[] = {
        {"Quillan Professional", {"Quillan Professional.desktop"}},
        {"Dialer.LNK", {"Dialer.desktop", "Quillan Professional.desktop"}},
        {"Dialer.Pif", {"Dialer (2).desktop", "Dialer.desktop", "Quillan Professional.desktop"}},
        {"Quillan Professional",
         {"Dialer (2).desktop", "Dialer.desktop", "Quillan Professional (2).desktop",
          "Quillan Professional.desktop"}},
    };
    for (const Case& c : cases) {
        create(c.typed);
        EXPECT_EQ(h.boxes.take().size(), 0u) << c.typed;
        EXPECT_EQ(files(desktop()), c.onDesktop) << c.typed;
        EXPECT_EQ(files(applications()), std::vector<std::string>{}) << "moved, not copied: " << c.typed;
        EXPECT_TRUE(window().visible()) << "the window stays open";
    }
    struct stat status {};
    ASSERT_EQ(::stat((desktop() / "Dialer.desktop").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0755u);
    std::ifstream in(desktop() / "Dialer.desktop");
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(text, "[Desktop Entry]\n"
                    "Type=Application\n"
                    "Name=Dialer\n"
                    "Exec=\"/opt/Dial Up/quillan\" --data-dir \"/home/a \\\\\"b\\\\\"/\\\\$HOME/100%%\"\n"
                    "Icon=network-modem\n"
                    "Terminal=false\n");
}

TEST_F(ShortcutTest, forbiddenCharacters_areRefusedTypedOrPasted) {
    const std::string message = "A filename cannot contain any of the following characters:\r\n"
                                "               / \\ : * ? \" < > |";
    window().txtShortcutName.setText("Net");
    window().txtShortcutName.userType(':');
    window().txtShortcutName.userType('1');
    EXPECT_EQ(window().txtShortcutName.text(), "Net1");
    auto boxes = h.boxes.take();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, message);
    EXPECT_EQ(boxes[0].icon, MsgIcon::Critical);

    create("../escape");
    boxes = h.boxes.take();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, message);
    EXPECT_FALSE(std::filesystem::exists(dataDir().parent_path() / "escape.desktop"));
    EXPECT_EQ(files(desktop()), std::vector<std::string>{});
}

TEST_F(ShortcutTest, aMissingDesktop_leavesTheEntryInTheProgramsMenuAndSaysSo) {
    std::filesystem::remove(desktop());
    create("Quillan");
    const auto boxes = h.boxes.take();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text.rfind("Unable to create shortcut for Quillan.", 0), 0u) << boxes[0].text;
    EXPECT_EQ(boxes[0].icon, MsgIcon::Information);
    EXPECT_EQ(files(applications()), std::vector<std::string>{"Quillan.desktop"});
}

TEST_F(ShortcutTest, cancel_unloadsSoTheNextOpeningStartsFresh) {
    window().txtShortcutName.setText("Mine");
    window().cmdCreateCancel.userClick();
    EXPECT_EQ(h.forms->peek<frmCreateShortcut>(), nullptr);
    EXPECT_EQ(window().txtShortcutName.text(), "Quillan Professional");
    EXPECT_EQ(window().txtShortcutDir.text(), desktop().string());
}

} // namespace
} // namespace quillan
