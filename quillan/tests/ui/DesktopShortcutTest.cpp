#include "DesktopFolders.h"

#include "forms/frmCreateShortcut.h"
#include "testsupport/Harness.h"
#include "testsupport/TemporaryFolder.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <fstream>
#include <optional>

namespace quillan {
namespace {

// Sets an environment variable (or unsets it) for the test's lifetime.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, std::optional<std::string> value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
    }
    ~ScopedVariable() { m_old ? ::setenv(m_name, m_old->c_str(), 1) : ::unsetenv(m_name); }

  private:
    const char* m_name;
    std::optional<std::string> m_old;
};

// Runs a program of the desktop's own tools; its exit code and everything it printed.
std::pair<int, std::string> run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, program.toStdString() + " did not run: " + process.errorString().toStdString()};
    return {process.exitCode(), process.readAll().trimmed().toStdString()};
}

class DesktopShortcutTest : public ::testing::Test {
  protected:
    TemporaryFolder home{"quillan-home"};
    ScopedVariable homeVariable{"HOME", home.path().string()};
    ScopedVariable configHome{"XDG_CONFIG_HOME", std::nullopt};
    ScopedVariable dataHome{"XDG_DATA_HOME", std::nullopt};
};

TEST_F(DesktopShortcutTest, folders_areTheOnesTheDesktopsOwnToolNames) {
    const auto [code, fallback] = run("xdg-user-dir", {"DESKTOP"});
    ASSERT_EQ(code, 0) << fallback;
    EXPECT_EQ(userDesktopPlaces({}, "").desktop.string(), fallback);
    EXPECT_EQ(fallback, (home.path() / "Desktop").string());

    std::filesystem::create_directories(home.path() / ".config");
    std::filesystem::create_directories(home.path() / "Schreibtisch");
    std::ofstream(home.path() / ".config/user-dirs.dirs") << "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n";
    const auto [renamedCode, renamed] = run("xdg-user-dir", {"DESKTOP"});
    ASSERT_EQ(renamedCode, 0) << renamed;
    EXPECT_EQ(renamed, (home.path() / "Schreibtisch").string());
    const DesktopPlaces places = userDesktopPlaces({"quillan"}, "network-modem");
    EXPECT_EQ(places.desktop.string(), renamed);
    EXPECT_EQ(places.applications, home.path() / ".local/share/applications");
}

TEST_F(DesktopShortcutTest, theShortcutOnTheDesktop_isAValidDesktopEntry) {
    std::filesystem::create_directories(home.path() / "Desktop");
    Harness h(home.path() / "data");
    h.services.desktop = userDesktopPlaces(
        {"/usr/bin/quillan", "--data-dir", home.path().string() + "/my \"dial-up\" $files"}, "network-modem");
    frmCreateShortcut& window = h.forms->get<frmCreateShortcut>();
    window.txtShortcutName.setText("Quillan (100% online)");
    window.cmdCreateShortcut.userClick();
    EXPECT_EQ(h.boxes.take().size(), 0u);
    const std::filesystem::path entry = home.path() / "Desktop/Quillan (100% online).desktop";
    ASSERT_TRUE(std::filesystem::exists(entry));
    const auto [code, complaints] = run("desktop-file-validate", {QString::fromStdString(entry.string())});
    EXPECT_EQ(code, 0) << complaints;
    EXPECT_EQ(complaints, "");
}

} // namespace
} // namespace quillan
