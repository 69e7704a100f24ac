#include "modules/MonthlyLog.h"
#include "FileSizeLimit.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace quillan;

namespace {

std::time_t localTime(int year, int month, int day, int hour, int minute, int second = 0) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return std::mktime(&local);
}

class MonthlyLogTest : public ::testing::Test {
  protected:
    // Dials at `start`, connects at once and hangs up `seconds` later.
    std::optional<Money> call(std::time_t start, long long seconds) {
        beginCallRecord(m_state, m_folder.path(), start);
        m_state.starttime = start;
        return endCallRecord(m_state, m_folder.path(), start + seconds);
    }
    std::string logText(const std::string& name) const { return TempFolder::read(m_folder / name); }

    TempFolder m_folder;
    Module1 m_state;
    const std::time_t m_january = localTime(2026, 1, 15, 10, 0);
};

} // namespace

// --- File names ---

TEST(MonthlyLogName, yearThenMonthWithoutLeadingZeros) {
    EXPECT_EQ(monthlyLogName(localTime(1998, 2, 10, 12, 0)), "19982.txt");
    EXPECT_EQ(monthlyLogName(localTime(2026, 12, 31, 23, 59, 59)), "202612.txt");
    EXPECT_EQ(monthlyLogName(localTime(2027, 1, 1, 0, 0)), "20271.txt");
}

// --- Loading at the start of a call ---

TEST_F(MonthlyLogTest, missingFile_givesAnEmptyLogAndNoTotal) {
    m_state.monthlylog = {std::string("stale")};
    m_state.monthlytotal = 99;
    beginCallRecord(m_state, m_folder.path(), m_january);
    EXPECT_TRUE(m_state.monthlylog.empty());
    EXPECT_EQ(m_state.monthlytotal, 0);
    EXPECT_FALSE(std::filesystem::exists(m_folder / "20261.txt"));
}

TEST_F(MonthlyLogTest, start_clearsEveryWarnedFlag) {
    m_state.warnedtimepc = m_state.warnedtimepm = m_state.warnedcostpc = "true";
    m_state.warnedcostpm = m_state.warnedfreetime = "true";
    beginCallRecord(m_state, m_folder.path(), m_january);
    for (const auto* flag : {&m_state.warnedtimepc, &m_state.warnedtimepm, &m_state.warnedcostpc,
                             &m_state.warnedcostpm, &m_state.warnedfreetime})
        EXPECT_EQ(*flag, "false");
}

TEST_F(MonthlyLogTest, linesThatAreNotNumbers_areKeptButNotCounted) {
    TempFolder::write(m_folder / "20261.txt", " 100 \r\nabc\r\n\r\n 50 \n  2.5e1\r\n");
    beginCallRecord(m_state, m_folder.path(), m_january);
    EXPECT_EQ(m_state.monthlylog.size(), 5u);
    EXPECT_EQ(m_state.monthlytotal, 175);
    EXPECT_EQ(m_state.monthlylog[1], LogLine(std::string("abc")));
}

TEST_F(MonthlyLogTest, hugeNumbers_saturateTheTotalInsteadOfWrappingIt) {
    TempFolder::write(m_folder / "20261.txt", " 2000000000 \r\n 2000000000 \r\n 1e300 \r\n");
    beginCallRecord(m_state, m_folder.path(), m_january);
    EXPECT_EQ(m_state.monthlytotal, 2147483647);
}

// --- Writing at the end of a call ---

TEST_F(MonthlyLogTest, firstCallOfTheMonth_createsAFileWithExactlyOneLine) {
    call(m_january, 1800);
    EXPECT_EQ(logText("20261.txt"), " 1800 \r\n");
    EXPECT_EQ(m_state.lastduration, 1800);
    EXPECT_EQ(m_state.hanguptime, m_january + 1800);
}

TEST_F(MonthlyLogTest, twoCallsInOneRun_appendBothDurationsAfterTheEarlierLinesInOrder) {
    TempFolder::write(m_folder / "20261.txt", " 10 \r\nhand-edited note\r\n");
    call(m_january, 60);
    call(m_january + 3600, 125);
    EXPECT_EQ(logText("20261.txt"), " 10 \r\nhand-edited note\r\n 60 \r\n 125 \r\n");
    EXPECT_EQ(m_state.monthlytotal, 70);
}

TEST_F(MonthlyLogTest, duration_isMeasuredFromTheStartTimeNotTheTickCounters) {
    beginCallRecord(m_state, m_folder.path(), m_january);
    m_state.starttime = m_january + 20;
    m_state.clock.minutes = 9;
    m_state.clock.seconds = 59;
    endCallRecord(m_state, m_folder.path(), m_january + 20 + 542);
    EXPECT_EQ(m_state.lastduration, 542);
    EXPECT_EQ(logText("20261.txt"), " 542 \r\n");
}

TEST_F(MonthlyLogTest, endWithoutAStart_keepsTheLinesAlreadyInTheFile) {
    TempFolder::write(m_folder / "20261.txt", " 30 \r\n");
    m_state.starttime = m_january;
    endCallRecord(m_state, m_folder.path(), m_january + 40);
    EXPECT_EQ(logText("20261.txt"), " 30 \r\n 40 \r\n");
}

TEST_F(MonthlyLogTest, dataFolder_holdsTheFileUnderItsRelativeName) {
    std::filesystem::create_directory(m_folder / "data");
    beginCallRecord(m_state, m_folder / "data", m_january);
    m_state.starttime = m_january;
    endCallRecord(m_state, m_folder / "data", m_january + 5);
    EXPECT_EQ(TempFolder::read(m_folder / "data" / "20261.txt"), " 5 \r\n");
}

// --- A call past the end of a month ---

TEST_F(MonthlyLogTest, callEndingInANewMonth_writesOnlyItsDurationToTheNewFile) {
    TempFolder::write(m_folder / "20261.txt", " 100 \r\n 200 \r\n");
    const std::time_t start = localTime(2026, 1, 31, 23, 30);
    const std::time_t end = localTime(2026, 2, 1, 0, 15);
    beginCallRecord(m_state, m_folder.path(), start);
    m_state.starttime = start;
    endCallRecord(m_state, m_folder.path(), end);
    EXPECT_EQ(logText("20262.txt"), " " + std::to_string(end - start) + " \r\n");
    EXPECT_EQ(logText("20261.txt"), " 100 \r\n 200 \r\n");
    EXPECT_EQ(m_state.monthlytotal, 0);
}

TEST_F(MonthlyLogTest, callEndingInAMonthWithAFile_keepsThatMonthsEarlierLines) {
    TempFolder::write(m_folder / "20261.txt", " 100 \r\n");
    TempFolder::write(m_folder / "20262.txt", " 7 \r\n");
    const std::time_t start = localTime(2026, 1, 31, 23, 30);
    beginCallRecord(m_state, m_folder.path(), start);
    m_state.starttime = start;
    endCallRecord(m_state, m_folder.path(), start + 3600);
    EXPECT_EQ(logText("20262.txt"), " 7 \r\n 3600 \r\n");
    EXPECT_EQ(m_state.monthlytotal, 7);
    EXPECT_EQ(logText("20261.txt"), " 100 \r\n");
}

// --- Failures ---

TEST_F(MonthlyLogTest, failedWrite_isReportedAndTheOldFileKept) {
    TempFolder::write(m_folder / "20261.txt", " 100 \r\n");
    beginCallRecord(m_state, m_folder.path(), m_january);
    m_state.starttime = m_january;
    std::string message;
    {
        const FileSizeLimit limit(4);
        try {
            endCallRecord(m_state, m_folder.path(), m_january + 60);
        } catch (const MonthlyLogError& error) {
            message = error.what();
        }
    }
    EXPECT_NE(message.find((m_folder / "20261.txt").string()), std::string::npos) << message;
    EXPECT_EQ(logText("20261.txt"), " 100 \r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder.path()), {}), 1);
}

TEST_F(MonthlyLogTest, logThatCannotBeReplaced_isReported) {
    std::filesystem::create_directory(m_folder / "20261.txt");
    EXPECT_THROW(beginCallRecord(m_state, m_folder.path(), m_january), MonthlyLogError);
    m_state.starttime = m_january;
    EXPECT_THROW(endCallRecord(m_state, m_folder.path(), m_january + 60), MonthlyLogError);
}

// --- Cost ---

TEST_F(MonthlyLogTest, costShownOff_returnsNoCost) {
    m_state.settings.costperhour = "true";
    m_state.settings.costdollars = std::string("1");
    EXPECT_FALSE(call(m_january, 1800).has_value());
}

TEST_F(MonthlyLogTest, oneDollarPerHourForHalfAnHour_costsHalfADollar) {
    m_state.settings.showcost = "true";
    m_state.settings.costperhour = "true";
    m_state.settings.costdollars = std::string("1");
    m_state.settings.costcents = "00";
    EXPECT_EQ(call(m_january, 1800)->text(), "0.5");
}

TEST_F(MonthlyLogTest, ratePerMinute_isNotRoundedPerSecondBeforeMultiplying) {
    m_state.settings.showcost = "true";
    m_state.settings.costperminute = "true";
    m_state.settings.costdollars = std::int16_t{0};
    m_state.settings.costcents = "65";
    // 0.65 / 60 per second would round to 0.0108; unrounded, 100 seconds cost 1.0833.
    EXPECT_EQ(call(m_january, 100)->text(), "1.0833");
}

TEST_F(MonthlyLogTest, noRateChosenOrUnreadableRate_costsNothing) {
    m_state.settings.showcost = "true";
    m_state.settings.costdollars = std::string("3");
    EXPECT_EQ(call(m_january, 600)->text(), "0");
    m_state.settings.costperhour = "true";
    m_state.settings.costdollars = std::string("three");
    EXPECT_EQ(call(m_january, 600)->text(), "0");
}

TEST_F(MonthlyLogTest, crOnlyLineEnds_countEveryEarlierCallAndAreRewrittenWithCrLf) {
    TempFolder::write(m_folder / "20261.txt", " 60 \r 120 \r");
    call(m_january, 30);
    EXPECT_EQ(m_state.monthlytotal, 180);
    EXPECT_EQ(logText("20261.txt"), " 60 \r\n 120 \r\n 30 \r\n");
}
