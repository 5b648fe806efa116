#include <gtest/gtest.h>

#include "app/SettingsValue.h"

namespace plk {
namespace {

TEST(SettingsInteger, DecimalWithSign) {
    EXPECT_EQ(ParseSettingsInteger("3", 0), 3);
    EXPECT_EQ(ParseSettingsInteger("-120", 0), -120);
    EXPECT_EQ(ParseSettingsInteger("+7", 0), 7);
    EXPECT_EQ(ParseSettingsInteger("0", 9), 0);
    EXPECT_EQ(ParseSettingsInteger("2147483647", 0), 2147483647);
    EXPECT_EQ(ParseSettingsInteger("-2147483648", 0), INT32_MIN);
}

TEST(SettingsInteger, HexWithDollarOrZeroX) {
    EXPECT_EQ(ParseSettingsInteger("$10", 0), 16);
    EXPECT_EQ(ParseSettingsInteger("$ff", 0), 255);
    EXPECT_EQ(ParseSettingsInteger("0x1A", 0), 26);
    EXPECT_EQ(ParseSettingsInteger("0X1a", 0), 26);
    EXPECT_EQ(ParseSettingsInteger("$FFFFFFFF", 0), -1);  // 32-bit pattern
}

TEST(SettingsInteger, HexLeadingZerosDoNotCountAgainstTheWidth) {
    EXPECT_EQ(ParseSettingsInteger("0x000000000000001F", 0), 31);
    EXPECT_EQ(ParseSettingsInteger("$0000000000FF", 0), 255);
    EXPECT_EQ(ParseSettingsInteger("$000000000000", 7), 0);
    EXPECT_EQ(ParseSettingsInteger("0x00000000FFFFFFFF", 0), -1);
    EXPECT_EQ(ParseSettingsInteger("0x000100000000", 7), 7) << "beyond 32 bits";
}

TEST(SettingsInteger, ZeroXOfTwoCharactersIsNotHex) {
    // "0x" alone is not long enough to be hex, and it is no decimal either.
    EXPECT_EQ(ParseSettingsInteger("0x", 5), 5);
    EXPECT_EQ(ParseSettingsInteger("0X", 5), 5);
    EXPECT_EQ(ParseSettingsInteger("$", 5), 5);
}

TEST(SettingsInteger, GarbageGivesTheDefault) {
    for (const char* text : {"", "abc", "12abc", "1.5", " 3", "--1", "-", "0xZZ", "$12G", "1e3",
                             "2147483648", "-2147483649", "99999999999999999999", "$123456789"})
        EXPECT_EQ(ParseSettingsInteger(text, 42), 42) << '"' << text << '"';
}

TEST(SettingsBool, AnyNonZeroNumberIsTrue) {
    EXPECT_TRUE(ParseSettingsBool("1", false));
    EXPECT_TRUE(ParseSettingsBool("-1", false));
    EXPECT_TRUE(ParseSettingsBool("7", false));
    EXPECT_TRUE(ParseSettingsBool("$10", false));
    EXPECT_FALSE(ParseSettingsBool("0", true));
    EXPECT_FALSE(ParseSettingsBool("0x0", true));
    EXPECT_FALSE(ParseSettingsBool("$0", true));
}

TEST(SettingsBool, GarbageGivesTheDefault) {
    EXPECT_TRUE(ParseSettingsBool("yes", true));
    EXPECT_FALSE(ParseSettingsBool("true", false));
    EXPECT_TRUE(ParseSettingsBool("", true));
}

}  // namespace
}  // namespace plk
