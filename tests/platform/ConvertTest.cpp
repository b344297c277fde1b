// Settings text to Booleans and numbers, with the reader's default for text that does not convert.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

#include "platform/Convert.h"

namespace {

TEST(ConvertTest, BooleansAcceptDigitsWordsInAnyCaseAndOtherNumbers)
{
    const struct {
        std::string_view text;
        bool fallback;
        bool expected;
    } cases[] = {
        {"1", false, true},     {"0", true, false},      {"True", false, true},
        {"FALSE", true, false}, {"tRuE", false, true},   {" false\t", true, false},
        {"-1", false, true},    {"7", false, true},      {"0.0", true, false},
        {"", true, true},       {"", false, false},      {"yes", true, true},
        {"yes", false, false},  {"Truee", false, false}, {"1 0", true, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::ToBoolean(c.text, c.fallback), c.expected) << '"' << c.text << '"';
    }
}

TEST(ConvertTest, Int16RoundsHalvesToEvenAndFallsBackOutsideItsRange)
{
    const struct {
        std::string_view text;
        std::int16_t expected;
    } cases[] = {
        {"50", 50},       {"  -7 ", -7},      {"+12", 12},     {"10.5", 10},
        {"11.5", 12},     {"-2.5", -2},       {"2.4999", 2},   {"1e2", 100},
        {"32767", 32767}, {"-32768", -32768}, {"32767.5", -1}, {"-32768.5", -32768},
        {"32768", -1},    {"-32769", -1},     {"abc", -1},     {"", -1},
        {"12abc", -1},    {"&H10", -1},       {"1,000", -1},   {"1e", -1},
        {".5", 0},        {"5.", 5},          {"-", -1},       {".", -1},
        {"1 2", -1},      {"inf", -1},        {"nan", -1},     {"1e99999", -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::ToInt16(c.text, -1), c.expected) << '"' << c.text << '"';
    }
}

TEST(ConvertTest, Int32CoversItsRangeAndRoundsLikeInt16)
{
    const struct {
        std::string_view text;
        std::int32_t expected;
    } cases[] = {
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", 99},
        {"2147483646.5", 2147483646},
        {"2147483647.5", 99},
        {"40000", 40000},
        {"0.5", 0},
        {"1.5", 2},
        {"99999999999999999999", 99},
        {"x", 99},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::ToInt32(c.text, 99), c.expected) << '"' << c.text << '"';
    }
}

TEST(ConvertTest, SingleAndDoubleReadDecimalAndExponentNotation)
{
    EXPECT_EQ(platform::ToDouble("0.1", 7), 0.1);
    EXPECT_EQ(platform::ToDouble(" -2.5E-3 ", 7), -0.0025);
    EXPECT_EQ(platform::ToDouble("1e308", 7), 1e308);
    EXPECT_EQ(platform::ToDouble("1e309", 7), 7);
    EXPECT_EQ(platform::ToDouble("1e-400", 7), 7);
    EXPECT_EQ(platform::ToDouble("0x10", 7), 7);
    EXPECT_EQ(platform::ToSingle("2", 9.0F), 2.0F);
    EXPECT_EQ(platform::ToSingle("0.1", 9.0F), 0.1F);
    EXPECT_EQ(platform::ToSingle("3.4e38", 9.0F), 3.4e38F);
    EXPECT_EQ(platform::ToSingle("1e39", 9.0F), 9.0F);
    EXPECT_EQ(platform::ToSingle("1e-45", 9.0F), std::numeric_limits<float>::denorm_min());
    EXPECT_EQ(platform::ToSingle("1e-50", 9.0F), 9.0F);
    EXPECT_EQ(platform::ToSingle("", 9.0F), 9.0F);
}

TEST(ConvertTest, NumbersWriteAsTheShortestTextThatReadsBack)
{
    EXPECT_EQ(platform::NumberText(0.1), "0.1");
    EXPECT_EQ(platform::NumberText(1.5), "1.5");
    EXPECT_EQ(platform::NumberText(-3.0), "-3");
    EXPECT_EQ(platform::NumberText(2.1F), "2.1");
    EXPECT_EQ(platform::NumberText(std::numeric_limits<double>::infinity()), std::nullopt);
    EXPECT_EQ(platform::NumberText(std::nan("")), std::nullopt);

    // Ten steps of 0.1 down from 1.0 leave a tiny remainder, which must survive a round trip.
    double speed = 1.0;
    for (int i = 0; i < 10; ++i) {
        speed -= 0.1;
    }
    const double samples[] = {
        speed, 0.1 + 0.2, 1e16, 123456789.125, 5e-324, -0.0, std::numeric_limits<double>::max()};
    for (const double value : samples) {
        const auto text = platform::NumberText(value);
        ASSERT_TRUE(text.has_value());
        const auto back = platform::ParseDouble(*text);
        ASSERT_TRUE(back.has_value()) << *text;
        EXPECT_EQ(std::signbit(*back), std::signbit(value));
        EXPECT_EQ(*back, value) << *text;
    }
    const float singles[] = {0.1F, 1.0F / 3.0F, std::numeric_limits<float>::denorm_min(),
                             std::numeric_limits<float>::max()};
    for (const float value : singles) {
        const auto text = platform::NumberText(value);
        ASSERT_TRUE(text.has_value());
        EXPECT_EQ(platform::ParseSingle(*text), value) << *text;
    }
}

TEST(ConvertTest, BooleansWriteAsWords)
{
    EXPECT_EQ(platform::BooleanText(true), "True");
    EXPECT_EQ(platform::BooleanText(false), "False");
}

} // namespace
