#include "CanberraSoundPlayer.h"
#include "GioBrowserLauncher.h"
#include "LinuxProcessStarter.h"
#include "TestServers.h"
#include "X11WindowPlacer.h"

#include "testsupport/TemporaryFolder.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <cstring>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#ifndef QUILLAN_TEST_WINDOW
#error "the window state tests need the path of quillan-test-window"
#endif

namespace quillan {
namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// --- Sound through a real sound server ---

// A PulseAudio server of the test's own with one null sink, whose monitor is recorded.
class SoundServerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (installed("pulseaudio").empty() || installed("parec").empty())
            GTEST_SKIP() << "pulseaudio and pulseaudio-utils are not installed";
        socket = (scratch.path() / "native").string();
        setenv("HOME", scratch.path().c_str(), 1);
        setenv("XDG_RUNTIME_DIR", scratch.path().c_str(), 1);
        setenv("PULSE_SERVER", ("unix:" + socket).c_str(), 1);
        server = std::make_unique<ChildServer>(
            std::vector<std::string>{"pulseaudio", "--daemonize=no", "--exit-idle-time=-1",
                                     "--use-pid-file=no", "--disallow-exit", "-n", "--log-target=stderr",
                                     "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + socket,
                                     "-L", "module-null-sink sink_name=quillan_test rate=44100 channels=1"});
        ASSERT_TRUE(waitFor([] { return !commandOutput("pactl info 2>/dev/null").empty(); }, 60))
            << "the sound server did not come up";
    }

    // What reached the sink while play ran, as 16-bit mono samples.
    std::vector<std::int16_t> recordWhile(const std::function<void()>& play) {
        const fs::path raw = scratch.path() / "monitor.raw";
        ChildServer recorder({"parec", "-d", "quillan_test.monitor", "--raw", "--format=s16le",
                              "--rate=44100", "--channels=1", "--latency-msec=20"},
                             {}, -1, raw);
        // The recorder is ready once it has a stream on the monitor.
        EXPECT_TRUE(waitFor([] { return !commandOutput("pactl list short source-outputs").empty(); }));
        // A null sink runs ahead by its longest latency (2 s) until a stream asks for less; started again
        // under the recorder's stream it keeps to the recorder's 20 ms, so a sound ends when it has played.
        EXPECT_FALSE(commandOutput("pactl suspend-sink quillan_test 1 && pactl suspend-sink quillan_test 0 "
                                   "&& echo resumed")
                         .empty())
            << "the null sink did not start again";
        const auto recorded = [&] {
            std::error_code unread;
            const std::uintmax_t bytes = fs::file_size(raw, unread);
            return unread ? 0.0 : seconds(bytes / 2);
        };
        const auto resumed = std::chrono::steady_clock::now();
        const double before = recorded();
        play();
        // The tail of the sound may still be on its way: the recording must reach past the moment play
        // returned.
        const double played =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - resumed).count();
        EXPECT_TRUE(waitFor([&] { return recorded() - before > played + 0.05; }))
            << "the recording stopped early";
        recorder.stop();
        const std::string bytes = readAll(raw);
        std::vector<std::int16_t> samples(bytes.size() / 2);
        std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
        return samples;
    }

    static double seconds(size_t samples) { return static_cast<double>(samples) / 44100; }
    // The span between the first and the last sample that is not near silence.
    static double soundingSeconds(const std::vector<std::int16_t>& samples) {
        size_t first = samples.size(), last = 0;
        for (size_t i = 0; i < samples.size(); ++i)
            if (std::abs(samples[i]) > 300) {
                first = std::min(first, i);
                last = i;
            }
        return first < samples.size() ? seconds(last - first) : 0;
    }

    TemporaryFolder scratch{"quillan-sound"};
    std::string socket;
    std::unique_ptr<ChildServer> server;
};

TEST_F(SoundServerTest, ownChimePlaysToItsEnd) {
    CanberraSoundPlayer player({QUILLAN_CHIMES_FOLDER});
    ASSERT_TRUE(fs::exists(player.fileOf("Chimes.wav"))) << player.fileOf("Chimes.wav");

    const auto started = std::chrono::steady_clock::now();
    const auto chime = recordWhile([&] { player.play("Chimes.wav"); });
    const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_GT(soundingSeconds(chime), 1.5) << "the chime lasts about 1.8 s";
    EXPECT_GT(took, 1.5) << "play returns once the sound has played";
}

TEST_F(SoundServerTest, aNameWithoutFileGivesTheBell) {
    CanberraSoundPlayer player({QUILLAN_CHIMES_FOLDER});
    // "none" names no file: the desktop's default event sound plays instead of nothing.
    const auto bell = recordWhile([&] { player.play("none"); });
    ASSERT_TRUE(fs::exists("/usr/share/sounds/freedesktop/stereo/bell.oga"))
        << "sound-theme-freedesktop is installed";
    EXPECT_GT(soundingSeconds(bell), 0.05) << "the bell of the sound theme";
}

TEST_F(SoundServerTest, aLongSoundIsCutAtTheLongestPlayTime) {
    // Ten seconds of a tone, played with a limit of one.
    const fs::path tone = scratch.path() / "long.wav";
    {
        std::ofstream out(tone, std::ios::binary);
        const std::uint32_t rate = 44100, count = rate * 10, bytes = count * 2;
        auto put = [&](std::uint32_t v, int size) { out.write(reinterpret_cast<const char*>(&v), size); };
        out.write("RIFF", 4), put(36 + bytes, 4), out.write("WAVEfmt ", 8), put(16, 4), put(1, 2), put(1, 2);
        put(rate, 4), put(rate * 2, 4), put(2, 2), put(16, 2), out.write("data", 4), put(bytes, 4);
        for (std::uint32_t i = 0; i < count; ++i)
            put(static_cast<std::uint16_t>(static_cast<std::int16_t>(8000 * std::sin(i * 0.05))), 2);
    }
    const double limit = 1.0;
    CanberraSoundPlayer player({}, std::chrono::milliseconds(static_cast<int>(limit * 1000)));
    const auto started = std::chrono::steady_clock::now();
    const auto samples = recordWhile([&] { player.play(tone.string()); });
    const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_GT(took, limit - 0.1);
    EXPECT_LT(took, limit + 2.0);
    EXPECT_GT(soundingSeconds(samples), limit / 2);
    EXPECT_LT(soundingSeconds(samples), limit + 0.5) << "cut at the limit, well before its ten seconds";
}

TEST(SoundWithoutServer, playReturnsAtOnce) {
    TemporaryFolder scratch("quillan-nosound");
    setenv("PULSE_SERVER", ("unix:" + (scratch.path() / "nobody").string()).c_str(), 1);
    setenv("HOME", scratch.path().c_str(), 1);
    setenv("XDG_RUNTIME_DIR", scratch.path().c_str(), 1);
    CanberraSoundPlayer player({QUILLAN_CHIMES_FOLDER});
    const auto started = std::chrono::steady_clock::now();
    player.play("Chimes.wav");
    player.play("/no/such/file.wav");
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count(), 3.0);
}

// --- The browser from the MIME associations ---

TEST(BrowserAssociation, theRegisteredBrowserStartsOnTheStartPageUnchanged) {
    TemporaryFolder scratch("quillan-mime");
    const fs::path data = scratch.path() / "data", config = scratch.path() / "config",
                   empty = scratch.path() / "empty";
    for (const fs::path& folder : {data / "applications", config, empty})
        fs::create_directories(folder);
    // The platform's MIME database tells an .HTM file is HTML; no installed application is visible.
    fs::create_directory_symlink("/usr/share/mime", data / "mime");
    const fs::path arguments = scratch.path() / "arguments";
    const fs::path recorder = scratch.path() / "test-browser";
    std::ofstream(recorder) << "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > " << arguments << ".part && mv "
                            << arguments << ".part " << arguments << "\n";
    fs::permissions(recorder, fs::perms::owner_all);
    std::ofstream(data / "applications" / "quillan-test-browser.desktop")
        << "[Desktop Entry]\nType=Application\nName=Test Browser\nExec=" << recorder.string()
        << " %u\nMimeType=text/html;\n";
    std::ofstream(config / "mimeapps.list")
        << "[Default Applications]\ntext/html=quillan-test-browser.desktop\n";
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    setenv("XDG_DATA_DIRS", empty.c_str(), 1);
    setenv("XDG_CONFIG_DIRS", empty.c_str(), 1);

    const fs::path page = scratch.path() / "quillan-lookup.HTM";
    std::ofstream(page) << "\"<HTML> <\\HTML>\"\r\n";
    GioBrowserLauncher browser;
    const std::string found = browser.findAssociated(page);
    EXPECT_EQ(found, (data / "applications" / "quillan-test-browser.desktop").string());

    ASSERT_TRUE(browser.open(found, "www.debian.org/start page"));
    ASSERT_TRUE(waitFor([&] { return fs::exists(arguments); }));
    EXPECT_EQ(readAll(arguments), "1\nwww.debian.org/start page\n");

    fs::remove(arguments);
    ASSERT_TRUE(browser.open(found, ""));
    ASSERT_TRUE(waitFor([&] { return fs::exists(arguments); }));
    EXPECT_EQ(readAll(arguments), "0\n") << "an empty start page starts the browser with no argument";

    EXPECT_FALSE(browser.open((scratch.path() / "missing.desktop").string(), "x"));
    fs::remove(config / "mimeapps.list");
    fs::remove(data / "applications" / "quillan-test-browser.desktop");
}

// --- Program starts and their window states under a real window manager ---

// Xvfb on a display of its own choosing, with openbox managing it.
class WindowManagerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (installed("Xvfb").empty() || installed("openbox").empty() || installed("wmctrl").empty() ||
            installed("xprop").empty())
            GTEST_SKIP() << "Xvfb, openbox, wmctrl and xprop (x11-utils) are needed";
        int displayPipe[2];
        ASSERT_EQ(pipe(displayPipe), 0);
        xvfb = std::make_unique<ChildServer>(
            std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(displayPipe[1]), "-screen", "0",
                                     "1024x768x24", "-nolisten", "tcp"},
            std::vector<std::string>{}, displayPipe[1]);
        ::close(displayPipe[1]);
        std::string number;
        char c;
        while (::read(displayPipe[0], &c, 1) == 1 && c != '\n')
            number += c;
        ::close(displayPipe[0]);
        ASSERT_FALSE(number.empty()) << "Xvfb told no display";
        setenv("DISPLAY", (":" + number).c_str(), 1);
        setenv("HOME", scratch.path().c_str(), 1);
        wm = std::make_unique<ChildServer>(std::vector<std::string>{"openbox", "--sm-disable"});
        // A loaded machine may take a while; the wait ends as soon as the window manager answers.
        ASSERT_TRUE(waitFor([] { return !commandOutput("wmctrl -m 2>/dev/null").empty(); }, 60))
            << "openbox did not take the display";
        // Answering is not yet managing: a window mapped while openbox starts up may never be listed. A probe
        // window, started again until openbox lists it, shows that it manages windows now; a managed window
        // is listed within a second, so a probe that is not has come too early.
        bool managing = false;
        for (int attempt = 0; attempt < 30 && !managing; ++attempt) {
            ChildServer probe({QUILLAN_TEST_WINDOW});
            managing = waitFor([] { return !commandOutput("wmctrl -l 2>/dev/null").empty(); }, 1);
        }
        ASSERT_TRUE(managing) << "openbox does not manage windows";
        ASSERT_TRUE(waitFor([] { return commandOutput("wmctrl -l 2>/dev/null").empty(); }))
            << "the probe window did not go";
    }
    void TearDown() override {
        // Only real pids: kill(0) would end the whole test run.
        for (pid_t pid : started)
            if (pid > 0)
                ::kill(pid, SIGTERM);
    }

    struct Shown {
        std::string id;
        int width = 0, height = 0;
    };
    // The window of process pid as the window manager lists it.
    Shown windowOf(pid_t pid) {
        std::istringstream list(commandOutput("wmctrl -l -p -G"));
        std::string id, desktop, owner, x, y, w, h;
        for (std::string line; std::getline(list, line);) {
            std::istringstream fields(line);
            if (fields >> id >> desktop >> owner >> x >> y >> w >> h && owner == std::to_string(pid))
                return {id, std::stoi(w), std::stoi(h)};
        }
        return {};
    }
    std::string stateOf(const std::string& window) {
        return commandOutput("xprop -id " + window + " _NET_WM_STATE");
    }
    // The active window's id, from xprop's "... window id # 0x400001".
    unsigned long activeWindow() {
        const std::string line = commandOutput("xprop -root _NET_ACTIVE_WINDOW");
        const size_t hash = line.find("# ");
        return hash == std::string::npos ? 0 : std::stoul(line.substr(hash + 2), nullptr, 16);
    }
    static unsigned long idOf(const Shown& window) {
        return window.id.empty() ? 1 : std::stoul(window.id, nullptr, 16);
    }

    // Starts the test window in style; its pid.
    pid_t startWindow(LinuxProcessStarter& starter, WindowStyle style) {
        const size_t before = started.size();
        EXPECT_TRUE(starter.start(QUILLAN_TEST_WINDOW, {}, style));
        // The starter knows the pid; the window manager's list shows it once the window is up.
        pid_t pid = 0;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                std::istringstream list(commandOutput("wmctrl -l -p"));
                std::string id, desktop, owner;
                for (std::string line; std::getline(list, line);) {
                    std::istringstream fields(line);
                    if (fields >> id >> desktop >> owner) {
                        // A window without _NET_WM_PID is listed with 0: never ours.
                        const pid_t p = std::stoi(owner);
                        if (p > 0 && std::find(started.begin(), started.end(), p) == started.end()) {
                            pid = p;
                            return true;
                        }
                    }
                }
                return false;
            },
            30000));
        started.push_back(pid);
        EXPECT_EQ(started.size(), before + 1);
        return pid;
    }

    TemporaryFolder scratch{"quillan-wm"};
    std::unique_ptr<ChildServer> xvfb, wm;
    std::vector<pid_t> started;
};

TEST_F(WindowManagerTest, statesAreAppliedToTheFirstWindowWithTheirFocusRules) {
    LinuxProcessStarter starter;

    const pid_t maximised = startWindow(starter, WindowStyle::Maximized);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return stateOf(windowOf(maximised).id).find("MAXIMIZED_HORZ") != std::string::npos; }, 20000))
        << stateOf(windowOf(maximised).id);
    // The size follows the state, a moment later; checked below.
    (void)QTest::qWaitFor([&] { return windowOf(maximised).width > 900; }, 5000);
    const Shown big = windowOf(maximised);
    EXPECT_NE(stateOf(big.id).find("_NET_WM_STATE_MAXIMIZED_VERT"), std::string::npos);
    EXPECT_GT(big.width, 900) << "a maximised window spans the screen";
    EXPECT_GT(big.height, 600);
    EXPECT_EQ(activeWindow(), idOf(big)) << "in front";

    // It is its own process in its own session, not Quillan's child.
    std::istringstream stat(readAll("/proc/" + std::to_string(maximised) + "/stat"));
    std::string pid, name, state, parent, group, session;
    stat >> pid >> name >> state >> parent >> group >> session;
    EXPECT_NE(std::stoi(parent), getpid());
    EXPECT_NE(std::stoi(session), getsid(0)) << "a session of its own";

    const pid_t normal = startWindow(starter, WindowStyle::Normal);
    QTest::qWait(600);
    const Shown plain = windowOf(normal);
    EXPECT_EQ(stateOf(plain.id).find("MAXIMIZED"), std::string::npos);
    EXPECT_EQ(stateOf(plain.id).find("HIDDEN"), std::string::npos);
    EXPECT_EQ(plain.width, 200);
    EXPECT_EQ(activeWindow(), idOf(big)) << "the focus stays with the window that had it";

    const pid_t minimised = startWindow(starter, WindowStyle::Minimized);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return stateOf(windowOf(minimised).id).find("_NET_WM_STATE_HIDDEN") != std::string::npos; },
        20000))
        << stateOf(windowOf(minimised).id);
    EXPECT_EQ(activeWindow(), idOf(big));

    // A window that does not say whose it is gets its state too: the X server knows its process.
    ASSERT_TRUE(starter.start(QUILLAN_TEST_WINDOW, {"--anonymous"}, WindowStyle::Maximized));
    const auto anonymous = [&] {
        std::istringstream list(commandOutput("wmctrl -l -G"));
        std::string id, desktop, x, y, w, h, host, title;
        for (std::string line; std::getline(list, line);) {
            std::istringstream fields(line);
            if (fields >> id >> desktop >> x >> y >> w >> h >> host >> title &&
                title == "quillan-anonymous-window")
                return Shown{id, std::stoi(w), std::stoi(h)};
        }
        return Shown{};
    };
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const Shown shown = anonymous();
            return stateOf(shown.id).find("MAXIMIZED_HORZ") != std::string::npos && shown.width > 900;
        },
        20000))
        << stateOf(anonymous().id);
    (void)!std::system(("pkill -f '" + std::string(QUILLAN_TEST_WINDOW) + " --anonymous'").c_str());

    EXPECT_FALSE(starter.start("/no/such/program", {}, WindowStyle::Normal));
}

// A window may be gone by the time the placer looks at it (the window manager listed it a moment
// before); the placer goes on with the next one instead of the program ending on the X error. No window
// manager here: the placer's request is seen on the root window, as a window manager would see it.
TEST_F(WindowManagerTest, aListedWindowThatIsGoneIsPassedOver) {
    wm.reset();
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    const Window root = DefaultRootWindow(display);
    X11WindowPlacer placer;
    // Another program's window, gone with its program.
    Display* other = XOpenDisplay(nullptr);
    ASSERT_NE(other, nullptr);
    const Window gone = XCreateSimpleWindow(other, root, 0, 0, 10, 10, 0, 0, 0);
    XCloseDisplay(other);
    const Window ours = XCreateSimpleWindow(display, root, 0, 0, 10, 10, 0, 0, 0);
    const unsigned long pid = static_cast<unsigned long>(getpid());
    XChangeProperty(display, ours, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
    const Window listed[] = {gone, ours};
    XChangeProperty(display, root, XInternAtom(display, "_NET_CLIENT_LIST", False), XA_WINDOW, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(listed), 2);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    placer.place(getpid(), WindowStyle::Maximized);
    const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
    bool asked = false;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            while (XPending(display) > 0) {
                XEvent event;
                XNextEvent(display, &event);
                asked = asked || (event.type == ClientMessage && event.xclient.message_type == state &&
                                  event.xclient.window == ours);
            }
            return asked;
        },
        5000))
        << "the placer asked nothing for the window after the one that is gone";
    XCloseDisplay(display);
}

} // namespace
} // namespace quillan
