#include "modules/SettingsFile.h"
#include "FileSizeLimit.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>

using namespace quillan;

namespace {

std::string joinLines(const std::vector<std::string>& lines, const std::string& end = "\r\n") {
    std::string text;
    for (const auto& line : lines)
        text += line + end;
    return text;
}

// The lines a first run writes: no profiles, first-run launcher records, the redial box showing 3.
std::vector<std::string> firstRunLines() {
    // clang-format off
    std::vector<std::string> lines = {
        "##Connection Profile##", "##Default Profile##", "None", "##Connect Default##", "false", "false",
        "##Window State##", "true", "false", "false", "##AutoDial##", "false", "##Launch Web Browser##", "false",
        kDefaultStartUrl, "##Redial Number##", "true", "false", "3", "##Activate Reminder##", "false", " 1 ",
        "false", "true", "##Display Timer##", "false", "##Unlimited Connection##", "false",
        "##Free Time Values##", " 0 ", " 0 ", "##Warn Free Time##", "false", "##Variable Cost##", "false", "false",
        " 0 ", "0", "##Connection Cost##", "false", "##Warn time PC##", "false", " 0 ", " 0 ", "##Warn time PM##",
        "false", " 0 ", " 0 ", "##Warn cost PC##", "false", " 0 ", " 0 ", "##Warn cost PM##", "false", " 0 ",
        " 0 ", "##Simulate##", "false", "##Play Sound##", "false", "##Default/Custom Sound##", "true", "none",
        "##Program DATA##"};
    for (int p = 0; p < 5; ++p)
        lines.insert(lines.end(), {"false", "", "Begin", "Nor"});
    lines.insert(lines.end(), {"##Launch Program##", "false", "##Mail Watch##", "false", "", "", "", "10", "true",
                               "false", "false", "false", "Default", "false", "", "##Connection Status##", ""});
    // clang-format on
    return lines;
}

Module1 firstRunState() {
    Module1 m;
    addDefaultPrograms(m.programdata);
    return m;
}

// A state with two profiles and values unlike the defaults.
Module1 editedState() {
    Module1 m = firstRunState();
    addDefaultProfile(m.profiledata, "Home ISP");
    addDefaultProfile(m.profiledata, "Work");
    m.profiledata.replace("Home ISPUsername", "alice");
    m.profiledata.replace("Home ISPPassword", "s3cret pass");
    m.profiledata.replace("Home ISPAN3", "555-0100");
    m.profiledata.replace("WorkDialAN", "true");
    m.programdata.replace("P3Path", "/usr/bin/xterm");
    m.settings.defaultprofile = "Work";
    m.settings.connectdefault = "true";
    m.settings.reminderinterval = 15;
    m.settings.freehours = std::int16_t{20};
    m.settings.freeminutes = -5;
    m.settings.costdollars = std::string("2");
    m.settings.costcents = "50";
    m.settings.warncostpmdollars = std::int16_t{-3};
    m.settings.mailinterval = "30";
    m.settings.popserver = "pop.example.net";
    m.settings.hidestatus = "true";
    return m;
}

class SettingsFileTest : public ::testing::Test {
  protected:
    std::filesystem::path file() const { return m_folder / kSettingsFileName; }
    void save(const Module1& m, const std::string& redialBox = "3") {
        saveSettings(file(), m, m.settings.starturl, redialBox);
    }
    Module1 saveAndLoad(const Module1& m, LoadedSettings* loaded = nullptr) {
        save(m);
        Module1 fresh;
        const LoadedSettings result = loadSettings(file(), fresh);
        if (loaded)
            *loaded = result;
        return fresh;
    }
    // Loads text that is expected to be refused; returns the message.
    std::string refusal(const std::string& text, Module1& m) {
        TempFolder::write(file(), text);
        try {
            loadSettings(file(), m);
        } catch (const SettingsFileError& error) {
            return error.what();
        }
        ADD_FAILURE() << "the file was accepted";
        return "";
    }

    TempFolder m_folder;
};

std::string lineWithEnds(std::vector<std::string> lines, size_t index, const std::string& value) {
    lines.at(index) = value;
    return joinLines(lines);
}

} // namespace

// --- Layout written ---

TEST_F(SettingsFileTest, firstRunSave_writesEverySectionInOrderWithCrLf) {
    save(firstRunState());
    EXPECT_EQ(TempFolder::read(file()), joinLines(firstRunLines()));
}

TEST_F(SettingsFileTest, twoSavesInARow_writeIdenticalFiles) {
    const Module1 m = editedState();
    save(m);
    const std::string first = TempFolder::read(file());
    save(m);
    EXPECT_EQ(TempFolder::read(file()), first);
}

TEST_F(SettingsFileTest, numbersHeldAsNumbers_areWrittenWithABlankEachSideAndSignInPlace) {
    save(editedState());
    const std::string text = TempFolder::read(file());
    EXPECT_NE(text.find("##Free Time Values##\r\n 20 \r\n-5 \r\n"), std::string::npos);
    EXPECT_NE(text.find("##Variable Cost##\r\nfalse\r\nfalse\r\n2\r\n50\r\n"), std::string::npos);
    EXPECT_NE(text.find("##Warn cost PM##\r\nfalse\r\n-3 \r\n 0 \r\n"), std::string::npos);
    EXPECT_NE(text.find("##Activate Reminder##\r\nfalse\r\n 15 \r\n"), std::string::npos);
}

TEST_F(SettingsFileTest, startPageAndRedialLines_comeFromTheBoxTexts) {
    Module1 m = firstRunState();
    m.settings.redialcount = 9;
    saveSettings(file(), m, "www.example.org/start", "12");
    const std::string text = TempFolder::read(file());
    EXPECT_NE(text.find("##Launch Web Browser##\r\nfalse\r\nwww.example.org/start\r\n"), std::string::npos);
    EXPECT_NE(text.find("##Redial Number##\r\ntrue\r\nfalse\r\n12\r\n"), std::string::npos);
}

TEST_F(SettingsFileTest, profileRecords_takeFifteenLinesWithZeroForEmptyAlternates) {
    Module1 m = firstRunState();
    addDefaultProfile(m.profiledata, "Dialup");
    save(m);
    const std::string expected = "##Connection Profile##\r\nDialup\r\n\r\n\r\n\r\nfalse\r\n" +
                                 joinLines(std::vector<std::string>(10, "0")) + "##Default Profile##\r\n";
    EXPECT_EQ(TempFolder::read(file()).substr(0, expected.size()), expected);
}

TEST_F(SettingsFileTest, launcherValues_areWrittenByKeyWhateverTheCollectionOrder) {
    Module1 m = firstRunState();
    m.programdata.clear();
    const auto keys = programDataKeys();
    for (auto key = keys.rbegin(); key != keys.rend(); ++key)
        m.programdata.add(*key, *key);
    save(m);
    const std::string text = TempFolder::read(file());
    EXPECT_NE(text.find("##Program DATA##\r\n" + joinLines(keys) + "##Launch Program##"), std::string::npos);
}

// --- Round trip ---

TEST_F(SettingsFileTest, savedState_loadsBackWithNumbersAsNumbersAndNumberOrTextAsTrimmedText) {
    const Module1 saved = editedState();
    LoadedSettings loaded;
    const Module1 m = saveAndLoad(saved, &loaded);
    EXPECT_EQ(loaded.profileCount, 2);
    EXPECT_EQ(loaded.profileNames, (std::vector<std::string>{"Home ISP", "Work"}));
    EXPECT_EQ(m.profiledata.items(), saved.profiledata.items());
    EXPECT_EQ(m.programdata.items(), saved.programdata.items());
    EXPECT_EQ(m.settings.defaultprofile, "Work");
    EXPECT_EQ(m.settings.reminderinterval, 15);
    EXPECT_EQ(m.settings.freeminutes, -5);
    EXPECT_EQ(m.settings.redialcount, 3);
    EXPECT_EQ(m.settings.freehours, NumberOrText(std::string("20")));
    EXPECT_EQ(m.settings.warncostpmdollars, NumberOrText(std::string("-3")));
    EXPECT_EQ(m.settings.costdollars, NumberOrText(std::string("2")));
    EXPECT_EQ(m.settings.costcents, "50");
    EXPECT_EQ(m.settings.mailinterval, "30");
    EXPECT_EQ(m.settings.popserver, "pop.example.net");
    EXPECT_EQ(m.settings.hidestatus, "true");
    EXPECT_EQ(m.profiledata.value("Home ISPPassword"), "s3cret pass");
    EXPECT_EQ(m.profiledata.value("WorkPassword"), "");
}

TEST_F(SettingsFileTest, defaultProfileNone_loadsAsTheTextNone) {
    EXPECT_EQ(saveAndLoad(firstRunState()).settings.defaultprofile, "None");
}

TEST_F(SettingsFileTest, emptyProfileSection_givesNoProfilesAndLaterSectionsInPlace) {
    Module1 m;
    std::vector<std::string> lines = firstRunLines();
    lines[2] = "Work";
    TempFolder::write(file(), joinLines(lines));
    const LoadedSettings loaded = loadSettings(file(), m);
    EXPECT_EQ(loaded.profileCount, 0);
    EXPECT_TRUE(loaded.profileNames.empty());
    EXPECT_EQ(m.profiledata.count(), 0u);
    EXPECT_EQ(m.settings.defaultprofile, "Work");
    EXPECT_EQ(m.settings.redialcount, 3);
    EXPECT_EQ(m.programdata.value("P5State"), "Nor");
    EXPECT_EQ(m.settings.hidestatus, "");
}

TEST_F(SettingsFileTest, blanksAroundNumbersAndNumberOrText_areTrimmedButFlagsAreTakenAsRead) {
    std::vector<std::string> lines = firstRunLines();
    lines[18] = "   7";   // redial count
    lines[21] = "2.5 ";   // reminder interval rounds to the even neighbour
    lines[29] = "  12  "; // free hours
    lines[37] = " 05 ";   // cents
    lines[4] = "true ";   // connect default, a flag
    Module1 m;
    TempFolder::write(file(), joinLines(lines));
    loadSettings(file(), m);
    EXPECT_EQ(m.settings.redialcount, 7);
    EXPECT_EQ(m.settings.reminderinterval, 2);
    EXPECT_EQ(m.settings.freehours, NumberOrText(std::string("12")));
    EXPECT_EQ(m.settings.costcents, "05");
    EXPECT_EQ(m.settings.connectdefault, "true ");
}

TEST_F(SettingsFileTest, lfOnlyLineEnds_loadLikeCrLf) {
    save(editedState());
    const std::string crlf = TempFolder::read(file());
    Module1 fromCrLf;
    loadSettings(file(), fromCrLf);
    std::string lf;
    for (char c : crlf)
        if (c != '\r')
            lf += c;
    TempFolder::write(file(), lf);
    Module1 fromLf;
    loadSettings(file(), fromLf);
    EXPECT_EQ(fromLf.profiledata.items(), fromCrLf.profiledata.items());
    EXPECT_EQ(fromLf.settings.mailprogram, fromCrLf.settings.mailprogram);
    EXPECT_EQ(fromLf.settings.hidestatus, "true");
    EXPECT_EQ(fromLf.settings.costcents, "50");
}

TEST_F(SettingsFileTest, lastLineWithoutItsEnd_stillCounts) {
    std::string text = joinLines(firstRunLines());
    text.replace(text.size() - 2, 2, "true");
    Module1 m;
    TempFolder::write(file(), text);
    loadSettings(file(), m);
    EXPECT_EQ(m.settings.hidestatus, "true");
}

TEST_F(SettingsFileTest, loading_replacesCollectionsAlreadyInMemory) {
    Module1 m = firstRunState();
    addDefaultProfile(m.profiledata, "Stale");
    save(editedState());
    loadSettings(file(), m);
    EXPECT_FALSE(m.profiledata.contains("Stale"));
    EXPECT_EQ(m.programdata.count(), 20u);
    EXPECT_EQ(m.programdata.value("P3Path"), "/usr/bin/xterm");
}

// --- Files that are refused ---

TEST_F(SettingsFileTest, fileEndingEarly_isRefusedNamingFileAndMissingLine) {
    Module1 m = editedState();
    const std::vector<std::string> full = firstRunLines();
    for (size_t kept : {size_t{0}, size_t{1}, size_t{2}, size_t{40}, full.size() - 1}) {
        const std::vector<std::string> lines(full.begin(), full.begin() + static_cast<long>(kept));
        const std::string message = refusal(joinLines(lines), m);
        EXPECT_NE(message.find(file().string()), std::string::npos) << message;
        EXPECT_NE(message.find("line " + std::to_string(kept + 1) + " is missing"), std::string::npos)
            << message;
    }
}

TEST_F(SettingsFileTest, profileRecordCutShort_isRefused) {
    Module1 m;
    const std::string message = refusal("##Connection Profile##\r\nDialup\r\nuser\r\n", m);
    EXPECT_NE(message.find("line 4 is missing"), std::string::npos) << message;
}

TEST_F(SettingsFileTest, badSixteenBitValues_areRefusedNamingLineAndValue) {
    Module1 m;
    const struct {
        size_t index;
        const char* value;
    } cases[] = {{18, "abc"}, {18, ""}, {21, "40000"}, {30, "-32769"}, {47, "1,5"}, {55, "   "}};
    for (const auto& bad : cases) {
        const std::string message = refusal(lineWithEnds(firstRunLines(), bad.index, bad.value), m);
        EXPECT_NE(message.find(file().string()), std::string::npos) << message;
        EXPECT_NE(message.find("line " + std::to_string(bad.index + 1) + " should hold a whole number"),
                  std::string::npos)
            << message;
        EXPECT_NE(message.find("\"" + std::string(bad.value) + "\""), std::string::npos) << message;
    }
}

TEST_F(SettingsFileTest, refusedFile_leavesTheStateExactlyAsItWas) {
    Module1 m = editedState();
    const Module1 before = m;
    std::vector<std::string> lines = firstRunLines();
    lines.insert(lines.begin() + 1,
                 {"Other", "u", "p", "d", "false", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"});
    lines[18 + 15] = "x"; // the redial count, moved down by the profile record
    refusal(joinLines(lines), m);
    EXPECT_EQ(m.profiledata.items(), before.profiledata.items());
    EXPECT_EQ(m.programdata.items(), before.programdata.items());
    EXPECT_EQ(m.settings.defaultprofile, before.settings.defaultprofile);
    EXPECT_EQ(m.settings.freehours, before.settings.freehours);
    EXPECT_EQ(m.settings.reminderinterval, before.settings.reminderinterval);
}

TEST_F(SettingsFileTest, profileNameCollidingWithAnotherProfilesKeys_isRefused) {
    Module1 m;
    std::vector<std::string> lines = firstRunLines();
    const std::vector<std::string> record = {"false", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"};
    auto addRecord = [&](const std::string& name) {
        std::vector<std::string> rows = {name, "", "", ""};
        rows.insert(rows.end(), record.begin(), record.end());
        lines.insert(lines.end() - static_cast<long>(firstRunLines().size() - 1), rows.begin(), rows.end());
    };
    addRecord("A");
    addRecord("AUsername");
    const std::string message = refusal(joinLines(lines), m);
    EXPECT_NE(message.find("\"AUsername\" on line 17"), std::string::npos) << message;
    EXPECT_NE(message.find("profile \"A\""), std::string::npos) << message;
    EXPECT_EQ(m.profiledata.count(), 0u);
}

TEST_F(SettingsFileTest, sameProfileNameTwice_isRefused) {
    Module1 m = editedState();
    save(m);
    std::string text = TempFolder::read(file());
    text.replace(text.find("Work\r\n"), 4, "Home ISP");
    const std::string message = refusal(text, m);
    EXPECT_NE(message.find("\"Home ISP\" on line 17"), std::string::npos) << message;
}

TEST_F(SettingsFileTest, unreadableFile_isRefusedWithTheReason) {
    Module1 m;
    try {
        loadSettings(m_folder / "missing.dll", m);
        FAIL() << "a missing file was accepted";
    } catch (const SettingsFileError& error) {
        EXPECT_NE(std::string(error.what()).find("missing.dll"), std::string::npos) << error.what();
        EXPECT_NE(std::string(error.what()).find("No such file"), std::string::npos) << error.what();
    }
}

// --- Saving safely ---

TEST_F(SettingsFileTest, savedFile_isReadableByItsOwnerOnly) {
    const mode_t old = umask(0);
    save(editedState());
    umask(old);
    struct stat info {};
    ASSERT_EQ(stat(file().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(SettingsFileTest, failedWrite_keepsTheOldFileAndLeavesNoTemporaryFile) {
    save(firstRunState());
    const std::string old = TempFolder::read(file());
    // A file size limit makes the write fail as a full disk would.
    std::string message;
    {
        const FileSizeLimit limit(64);
        try {
            save(editedState());
        } catch (const SettingsFileError& error) {
            message = error.what();
        }
    }
    EXPECT_NE(message.find(file().string()), std::string::npos) << message;
    EXPECT_NE(message.find("File too large"), std::string::npos) << message;
    EXPECT_EQ(TempFolder::read(file()), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder.path()), {}), 1);
}

TEST_F(SettingsFileTest, readOnlyFolder_refusesTheSaveAndKeepsTheOldFile) {
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    save(firstRunState());
    const std::string old = TempFolder::read(file());
    std::filesystem::permissions(m_folder.path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    EXPECT_THROW(save(editedState()), SettingsFileError);
    EXPECT_EQ(TempFolder::read(file()), old);
}

TEST_F(SettingsFileTest, valueWithALineBreak_isRefusedAndTheOldFileKept) {
    save(firstRunState());
    const std::string old = TempFolder::read(file());
    Module1 m = editedState();
    m.profiledata.replace("WorkPassword", "two\nlines");
    EXPECT_THROW(save(m), SettingsFileError);
    m = editedState();
    m.settings.popuser = "a\rb";
    EXPECT_THROW(save(m), SettingsFileError);
    EXPECT_EQ(TempFolder::read(file()), old);
}

TEST_F(SettingsFileTest, profileNamedLikeASectionMarker_isRefused) {
    Module1 m = firstRunState();
    addDefaultProfile(m.profiledata, "##Default Profile##");
    EXPECT_THROW(save(m), SettingsFileError);
    EXPECT_FALSE(fileExists(file()));
}

TEST_F(SettingsFileTest, symbolicLink_isFollowedAndStaysALink) {
    const auto target = m_folder / "real.dll";
    TempFolder::write(target, "old");
    std::filesystem::create_symlink(target, file());
    save(firstRunState());
    EXPECT_TRUE(std::filesystem::is_symlink(file()));
    EXPECT_EQ(TempFolder::read(target), joinLines(firstRunLines()));
}

// --- Existence test ---

TEST_F(SettingsFileTest, fileExists_onlyForSomethingThatIsNotAFolder) {
    EXPECT_FALSE(fileExists(file()));
    save(firstRunState());
    EXPECT_TRUE(fileExists(file()));
    EXPECT_FALSE(fileExists(m_folder.path()));
}

// --- Damaged files: the real problem and its line ---

TEST_F(SettingsFileTest, damagedFiles_areRefusedNamingTheRealProblemAndItsLine) {
    const std::vector<std::string> good = firstRunLines();
    auto with = [&](size_t index, std::vector<std::string> inserted) {
        std::vector<std::string> lines = good;
        lines.insert(lines.begin() + static_cast<long>(index), inserted.begin(), inserted.end());
        return joinLines(lines);
    };
    const size_t mailWatchFlag = good.size() - 14;
    std::string loneCr = joinLines(good);
    const size_t crAt = loneCr.find("Default\r\n");
    loneCr.replace(crAt, 9, "Def\rault\r\n");
    const std::string crLine =
        std::to_string(std::count(loneCr.begin(), loneCr.begin() + long(crAt), '\n') + 1);
    const struct {
        const char* what;
        std::string text;
        std::string expected;
    } cases[] = {
        {"blank line after the mail-watch flag", with(mailWatchFlag + 1, {""}),
         "line " +
             std::to_string(std::find(good.begin(), good.end(), "##Connection Status##") - good.begin() + 1) +
             " should be the section marker \"##Connection Status##\", but it holds \"\""},
        {"a marker missing", with(3, {}).replace(joinLines(good).find("##Window State##"), 18, ""),
         "line 7 should be the section marker \"##Window State##\", but it holds \"true\""},
        {"text after the last section", joinLines(good) + "\r\nstray\r\n",
         "line " + std::to_string(good.size() + 2) + " holds \"stray\" after the last setting"},
        {"damaged first line", lineWithEnds(good, 0, "##Connection Profiles"),
         "line 1 should be the section marker \"##Connection Profile##\""},
        {"blank line for a profile name", with(1, {""}),
         "line 2 should hold a profile name or the marker \"##Default Profile##\""},
        {"profile record one line short",
         with(1, {"Work", "u", "p", "d", "false", "0", "0", "0", "0", "0", "0", "0", "0", "0"}),
         "the profile \"Work\" of line 2 ends early: line 16 holds \"##Default Profile##\" where its AN10 "
         "belongs"},
        {"lone CR inside a value", loneCr, "line " + crLine + " holds a carriage return"},
        {"UTF-16", std::string("\xFF\xFE#\0#\0", 6), "saved as UTF-16 text"},
        {"NUL bytes", joinLines(good).insert(30, 1, '\0'), "holds NUL bytes"},
    };
    for (const auto& bad : cases) {
        Module1 m;
        const std::string message = refusal(bad.text, m);
        EXPECT_NE(message.find(file().string()), std::string::npos) << bad.what << ": " << message;
        EXPECT_NE(message.find(bad.expected), std::string::npos)
            << bad.what << ": " << message << "\nexpected: " << bad.expected;
    }
}

TEST_F(SettingsFileTest, crOnlyLineEndsAByteOrderMarkAndTrailingBlankLines_loadLikeTheProgramsOwnFile) {
    save(editedState());
    const std::string crlf = TempFolder::read(file());
    std::string crOnly;
    for (char c : crlf)
        if (c != '\n')
            crOnly += c;
    for (const std::string& text : {crOnly, "\xEF\xBB\xBF" + crlf, crlf + "\r\n\r\n"}) {
        TempFolder::write(file(), text);
        Module1 m;
        loadSettings(file(), m);
        EXPECT_EQ(m.profiledata.items(), editedState().profiledata.items());
        EXPECT_EQ(m.settings.popserver, "pop.example.net");
        EXPECT_EQ(m.settings.hidestatus, "true");
    }
}

TEST_F(SettingsFileTest, anythingButARegularFileOfAtMostOneMebibyte_isRefusedWithoutWaitingOrFillingMemory) {
    const struct {
        const char* what;
        std::function<void()> make;
        const char* reason;
    } cases[] = {
        {"folder", [&] { std::filesystem::create_directory(file()); }, "it is a folder, not a file"},
        {"FIFO", [&] { ::mkfifo(file().c_str(), 0600); }, "named pipe (FIFO)"},
        {"link to /dev/zero", [&] { std::filesystem::create_symlink("/dev/zero", file()); },
         "it is a device"},
        {"2 MiB", [&] { TempFolder::write(file(), joinLines(firstRunLines()) + std::string(2 << 20, '\n')); },
         "larger than 1024 KiB"},
    };
    for (const auto& bad : cases) {
        std::filesystem::remove_all(file());
        bad.make();
        Module1 m;
        try {
            loadSettings(file(), m);
            ADD_FAILURE() << bad.what << " was accepted";
        } catch (const SettingsFileError& error) {
            EXPECT_NE(std::string(error.what()).find(bad.reason), std::string::npos)
                << bad.what << ": " << error.what();
        }
    }
}

TEST_F(SettingsFileTest, whatSaveWritesAlwaysLoads_andAValueItRefusesIsNamedWithoutBlamingTheDisk) {
    const std::string hostile[] = {"##Default Profile##",  "##Other##",   "", " x ", "a\rb", "a\nb",
                                   std::string("a\0b", 3), "\xEF\xBB\xBF"};
    for (const std::string& value : hostile) {
        for (const char* where : {"password", "profile name", "mail server", "redial count"}) {
            Module1 m = firstRunState();
            std::string redialBox = "3";
            const std::string name = where == std::string("profile name") ? value : "Work";
            addDefaultProfile(m.profiledata, name);
            if (where == std::string("password"))
                m.profiledata.replace("WorkPassword", value);
            if (where == std::string("mail server"))
                m.settings.popserver = value;
            if (where == std::string("redial count"))
                redialBox = value;
            std::filesystem::remove(file());
            try {
                save(m, redialBox);
            } catch (const SettingsFileError& error) {
                const std::string message = error.what();
                EXPECT_NE(message.find("Change that value"), std::string::npos) << where << ": " << message;
                EXPECT_EQ(message.find("free space"), std::string::npos) << where << ": " << message;
                EXPECT_FALSE(fileExists(file()));
                continue;
            }
            Module1 loaded;
            EXPECT_NO_THROW(loadSettings(file(), loaded)) << where << " " << testing::PrintToString(value);
            EXPECT_EQ(loaded.profiledata.items(), m.profiledata.items()) << where;
            EXPECT_EQ(loaded.settings.popserver, m.settings.popserver) << where;
        }
    }
}
