#include "modules/Money.h"

#include <gtest/gtest.h>

#include <limits>

using namespace quillan;

TEST(MoneyFromDouble, fractions_roundToTheNearestTenThousandthWithTiesToEven) {
    EXPECT_EQ(Money::fromDouble(1.0)->units(), 10000);
    EXPECT_EQ(Money::fromDouble(2.5 / 3600)->units(), 7); // 6.944...
    EXPECT_EQ(Money::fromDouble(0.00125)->units(), 12);   // 12.5 to even
    EXPECT_EQ(Money::fromDouble(0.00375)->units(), 38);   // 37.5 to even
    EXPECT_EQ(Money::fromDouble(-0.00125)->units(), -12);
    EXPECT_EQ(Money::fromDouble(1800 * (1.0 / 3600))->units(), 5000);
}

TEST(MoneyFromDouble, notFiniteOrBeyondSixtyFourBits_isNoAmount) {
    EXPECT_FALSE(Money::fromDouble(std::numeric_limits<double>::infinity()).has_value());
    EXPECT_FALSE(Money::fromDouble(std::numeric_limits<double>::quiet_NaN()).has_value());
    EXPECT_FALSE(Money::fromDouble(1e15).has_value());
    EXPECT_TRUE(Money::fromDouble(9e14).has_value());
}

TEST(MoneyParse, decimalTexts_areReadExactly) {
    EXPECT_EQ(Money::parse("2.50")->units(), 25000);
    EXPECT_EQ(Money::parse(" -1.0833 ")->units(), -10833);
    EXPECT_EQ(Money::parse("0.00005")->units(), 0);  // exactly half a unit, to even
    EXPECT_EQ(Money::parse("0.00015")->units(), 2);  // exactly one and a half, to even
    EXPECT_EQ(Money::parse("0.000051")->units(), 1); // just over half
    EXPECT_EQ(Money::parse("0.000049999")->units(), 0);
    EXPECT_EQ(Money::parse("0.00001")->units(), 0);
    EXPECT_EQ(Money::parse("1.5e2")->units(), 1500000);
    EXPECT_EQ(Money::parse("25e-3")->units(), 250);
    EXPECT_EQ(Money::parse("000.0")->units(), 0);
    EXPECT_EQ(Money::parse("0e999999999999")->units(), 0);
    EXPECT_EQ(Money::parse("5e-999999999999")->units(), 0);
}

TEST(MoneyParse, nonNumbersAndAmountsBeyondRange_areNoAmount) {
    EXPECT_FALSE(Money::parse("").has_value());
    EXPECT_FALSE(Money::parse("2.5.0").has_value());
    EXPECT_FALSE(Money::parse("abc").has_value());
    EXPECT_FALSE(Money::parse("1e15").has_value());
    EXPECT_FALSE(Money::parse("99999999999999999999").has_value());
    EXPECT_EQ(Money::parse("922337203685477.5807")->units(), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(Money::parse("-922337203685477.5808")->units(), std::numeric_limits<std::int64_t>::min());
    EXPECT_FALSE(Money::parse("922337203685477.5808").has_value());
}

TEST(MoneyText, showsUpToFourDecimalsWithoutTrailingZeros) {
    EXPECT_EQ(Money::fromUnits(5000).text(), "0.5");
    EXPECT_EQ(Money::fromUnits(10833).text(), "1.0833");
    EXPECT_EQ(Money::fromUnits(20000).text(), "2");
    EXPECT_EQ(Money::fromUnits(0).text(), "0");
    EXPECT_EQ(Money::fromUnits(-2500).text(), "-0.25");
    EXPECT_EQ(Money::fromUnits(1).text(), "0.0001");
    EXPECT_EQ(Money::fromUnits(std::numeric_limits<std::int64_t>::min()).text(), "-922337203685477.5808");
}

TEST(MoneyTimes, productsBeyondRange_areNoAmount) {
    EXPECT_EQ(Money::fromUnits(7).times(1800)->units(), 12600);
    EXPECT_FALSE(Money::fromUnits(std::numeric_limits<std::int64_t>::max() / 2).times(3).has_value());
}

TEST(MoneyCompare, amounts_orderByValue) {
    EXPECT_LT(Money::fromUnits(9999), Money::fromUnits(10000));
    EXPECT_EQ(*Money::parse("1"), Money::fromUnits(10000));
}

TEST(ParseRate, dollarsAndCents_formOneDecimalNumber) {
    EXPECT_EQ(parseRate(std::string("2"), "50")->units(), 25000);
    EXPECT_EQ(parseRate(std::int16_t{2}, "5")->units(), 25000);
    EXPECT_EQ(parseRate(std::string("0"), "05")->units(), 500);
    EXPECT_EQ(parseRate(std::int16_t{-1}, "0")->units(), -10000);
    EXPECT_EQ(parseRate(std::string("1"), "")->units(), 10000);
}

TEST(ParseRate, unreadableRates_areNoAmount) {
    EXPECT_FALSE(parseRate(std::string(""), "").has_value());
    EXPECT_FALSE(parseRate(std::string("2.5"), "0").has_value());
    EXPECT_FALSE(parseRate(std::string("two"), "50").has_value());
    EXPECT_FALSE(parseRate(std::string("2"), "5x").has_value());
}
