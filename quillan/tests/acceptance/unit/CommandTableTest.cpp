#include "CommandTable.h"
#include "CommandError.h"
#include "DriverOptions.h"
#include "ValueFormat.h"

#include "testsupport/ManualClock.h"

#include <gtest/gtest.h>

using namespace quillan;

TEST(CommandTableTest, optionalArguments_acceptEveryCountInTheUsage) {
    CommandTable table;
    table.add("timer", "FORM.TIMER [N]", [](const Words&) {});
    EXPECT_NO_THROW(table.find("timer", 1));
    EXPECT_NO_THROW(table.find("timer", 2));
    EXPECT_THROW(table.find("timer", 0), CommandError);
    EXPECT_THROW(table.find("timer", 3), CommandError);
    table.add("whois-done", "[LINE...]", [](const Words&) {});
    EXPECT_NO_THROW(table.find("whois-done", 0));
    EXPECT_NO_THROW(table.find("whois-done", 40));
}

TEST(CommandTableTest, wrongArgumentCount_isAnsweredWithTheUsage) {
    CommandTable table;
    table.add("entry", "NAME NUMBER", [](const Words&) {});
    try {
        table.find("entry", 1);
        FAIL();
    } catch (const CommandError& error) {
        EXPECT_STREQ(error.what(), "usage: entry NAME NUMBER");
    }
}

TEST(CommandTableTest, unknownName_isRefused) {
    EXPECT_THROW(CommandTable().find("dance", 0), CommandError);
}

TEST(ValueFormatTest, answers_areReadInAnyCase) {
    EXPECT_EQ(parseAnswer("yes"), MsgAnswer::Yes);
    EXPECT_EQ(parseAnswer("CANCEL"), MsgAnswer::Cancel);
    EXPECT_EQ(parseAnswer("Ok"), MsgAnswer::OK);
    EXPECT_THROW(parseAnswer("Retry"), CommandError);
}

TEST(ValueFormatTest, integers_mustBeWholeAndInRange) {
    EXPECT_EQ(parseInteger("8193", "STATE", -32768, 32767), 8193);
    EXPECT_EQ(parseInteger("-5", "N", -10, 10), -5);
    EXPECT_THROW(parseInteger("12x", "N", 0, 100), CommandError);
    EXPECT_THROW(parseInteger("", "N", 0, 100), CommandError);
    EXPECT_THROW(parseInteger("40000", "STATE", -32768, 32767), CommandError);
}

TEST(ValueFormatTest, numberOrText_printsWhicheverItHolds) {
    EXPECT_EQ(numberOrTextWord(std::int16_t{5}), "5");
    EXPECT_EQ(numberOrTextWord(std::string("5")), "\"5\"");
}

TEST(DriverOptionsTest, noArguments_startTheClockOnTheFixedDay) {
    const DriverOptions options = DriverOptions::parse({});
    EXPECT_EQ(options.clock, parseLocalTime("2026-01-15 10:00:00"));
    EXPECT_FALSE(options.dataDir);
    EXPECT_FALSE(options.echo);
}

TEST(DriverOptionsTest, everyOption_isTaken) {
    const DriverOptions options = DriverOptions::parse(
        {"--clock", "2026-02-28 23:59:59", "--data-dir", "/tmp/q", "--echo", "--echo-host", "h.test"});
    EXPECT_EQ(options.clock, parseLocalTime("2026-02-28 23:59:59"));
    EXPECT_EQ(options.dataDir, "/tmp/q");
    EXPECT_TRUE(options.echo);
    EXPECT_EQ(options.echoHost, "h.test");
}

TEST(DriverOptionsTest, badClockOrUnknownOption_isRefused) {
    EXPECT_THROW(DriverOptions::parse({"--clock", "tomorrow"}), std::invalid_argument);
    EXPECT_THROW(DriverOptions::parse({"--clock"}), std::invalid_argument);
    EXPECT_THROW(DriverOptions::parse({"--fast"}), std::invalid_argument);
}
