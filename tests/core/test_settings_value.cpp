#include <gtest/gtest.h>

#include "app/SettingsValue.h"

namespace plk {
namespace {

TEST(SettingsInteger, DecimalWithSign) {
    EXPECT_EQ(parseSettingsInteger("3", 0), 3);
    EXPECT_EQ(parseSettingsInteger("-120", 0), -120);
    EXPECT_EQ(parseSettingsInteger("+7", 0), 7);
    EXPECT_EQ(parseSettingsInteger("0", 9), 0);
    EXPECT_EQ(parseSettingsInteger("2147483647", 0), 2147483647);
    EXPECT_EQ(parseSettingsInteger("-2147483648", 0), INT32_MIN);
}

TEST(SettingsInteger, HexWithDollarOrZeroX) {
    EXPECT_EQ(parseSettingsInteger("$10", 0), 16);
    EXPECT_EQ(parseSettingsInteger("$ff", 0), 255);
    EXPECT_EQ(parseSettingsInteger("0x1A", 0), 26);
    EXPECT_EQ(parseSettingsInteger("0X1a", 0), 26);
    EXPECT_EQ(parseSettingsInteger("$FFFFFFFF", 0), -1);  // 32-bit pattern
}

TEST(SettingsInteger, HexLeadingZerosDoNotCountAgainstTheWidth) {
    EXPECT_EQ(parseSettingsInteger("0x000000000000001F", 0), 31);
    EXPECT_EQ(parseSettingsInteger("$0000000000FF", 0), 255);
    EXPECT_EQ(parseSettingsInteger("$000000000000", 7), 0);
    EXPECT_EQ(parseSettingsInteger("0x00000000FFFFFFFF", 0), -1);
    EXPECT_EQ(parseSettingsInteger("0x000100000000", 7), 7) << "beyond 32 bits";
}

TEST(SettingsInteger, ZeroXOfTwoCharactersIsNotHex) {
    // "0x" alone is not long enough to be hex, and it is no decimal either.
    EXPECT_EQ(parseSettingsInteger("0x", 5), 5);
    EXPECT_EQ(parseSettingsInteger("0X", 5), 5);
    EXPECT_EQ(parseSettingsInteger("$", 5), 5);
}

TEST(SettingsInteger, GarbageGivesTheDefault) {
    for (const char* text : {"", "abc", "12abc", "1.5", " 3", "--1", "-", "0xZZ", "$12G", "1e3",
                             "2147483648", "-2147483649", "99999999999999999999", "$123456789"})
        EXPECT_EQ(parseSettingsInteger(text, 42), 42) << '"' << text << '"';
}

TEST(SettingsBool, AnyNonZeroNumberIsTrue) {
    EXPECT_TRUE(parseSettingsBool("1", false));
    EXPECT_TRUE(parseSettingsBool("-1", false));
    EXPECT_TRUE(parseSettingsBool("7", false));
    EXPECT_TRUE(parseSettingsBool("$10", false));
    EXPECT_FALSE(parseSettingsBool("0", true));
    EXPECT_FALSE(parseSettingsBool("0x0", true));
    EXPECT_FALSE(parseSettingsBool("$0", true));
}

TEST(SettingsBool, GarbageGivesTheDefault) {
    EXPECT_TRUE(parseSettingsBool("yes", true));
    EXPECT_FALSE(parseSettingsBool("true", false));
    EXPECT_TRUE(parseSettingsBool("", true));
}

}  // namespace
}  // namespace plk
