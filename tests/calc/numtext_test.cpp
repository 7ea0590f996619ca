#include "calc/numtext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace termika {
namespace {

struct ParseCase {
    const char* text;
    const char* sep;
    std::optional<double> expected;
};

class ParseNumber : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumber, ReadsOnlyWellFormedNumbers) {
    const ParseCase& c = GetParam();
    const std::optional<double> got = parseNumber(c.text, c.sep);
    ASSERT_EQ(got.has_value(), c.expected.has_value()) << "text '" << c.text << "'";
    if (got) {
        EXPECT_DOUBLE_EQ(*got, *c.expected) << "text '" << c.text << "'";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseNumber,
    testing::Values(ParseCase{"1000", ",", 1000.0}, ParseCase{"1000,5", ",", 1000.5},
                    ParseCase{"1000.5", ",", std::nullopt}, ParseCase{"1000.5", ".", 1000.5},
                    ParseCase{"1000,5", ".", std::nullopt}, ParseCase{"12a", ",", std::nullopt},
                    ParseCase{"-", ",", std::nullopt}, ParseCase{"+", ",", std::nullopt},
                    ParseCase{"", ",", std::nullopt}, ParseCase{"   ", ",", std::nullopt},
                    ParseCase{"  12 ", ",", 12.0}, ParseCase{"1 2", ",", std::nullopt},
                    ParseCase{"-7,25", ",", -7.25}, ParseCase{"+3", ",", 3.0},
                    ParseCase{"1,5E3", ",", 1500.0}, ParseCase{"2e-3", ",", 0.002},
                    ParseCase{"1e", ",", std::nullopt}, ParseCase{"1e+", ",", std::nullopt},
                    ParseCase{"1 000", ",", std::nullopt}, ParseCase{"1.000,5", ",", std::nullopt},
                    ParseCase{"1,000,5", ",", std::nullopt}, ParseCase{",5", ",", 0.5},
                    ParseCase{"5,", ",", 5.0}, ParseCase{",", ",", std::nullopt},
                    ParseCase{"00", ",", 0.0}, ParseCase{"0,0", ",", 0.0},
                    ParseCase{"inf", ",", std::nullopt}, ParseCase{"nan", ",", std::nullopt},
                    ParseCase{"0x10", ",", std::nullopt}, ParseCase{"1e999", ",", std::nullopt},
                    ParseCase{"--1", ",", std::nullopt}, ParseCase{"1-", ",", std::nullopt},
                    // Whole numbers on both sides of 15 digits, and a long number with a comma.
                    ParseCase{"-123456789012345", ",", -123456789012345.0},
                    ParseCase{"12345678901234567890", ",", 12345678901234567890.0},
                    ParseCase{" +0000000000000000000000000000000000000000000000000000000000000001,"
                              "50000000000000000000000000000000000000000000000000000000000000000"
                              "e-1 ",
                              ",", 0.15}));

TEST(NormaliseTypedUg, PointAndCommaBothBecomeTheRegionalSeparator) {
    EXPECT_EQ(normaliseTypedUg("1.1", ","), "1,1");
    EXPECT_EQ(normaliseTypedUg("1,1", ","), "1,1");
    EXPECT_EQ(normaliseTypedUg("1,1", "."), "1.1");
    EXPECT_EQ(normaliseTypedUg("1.x", ","), "1,x");
}

struct FormatCase {
    double value;
    const char* fixed2;
    const char* general;
};

class FormatNumber : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumber, WithCommaSeparator) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatFixed2(c.value, ","), c.fixed2) << c.value;
    EXPECT_EQ(formatGeneral(c.value, ","), c.general) << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatNumber,
    testing::Values(FormatCase{0.125, "0,13", "0,125"}, FormatCase{1.005, "1,01", "1,005"},
                    FormatCase{1.3438955, "1,34", "1,3438955"}, FormatCase{1200, "1200,00", "1200"},
                    FormatCase{1000.5, "1000,50", "1000,5"}, FormatCase{0, "0,00", "0"},
                    FormatCase{2.6, "2,60", "2,6"}, FormatCase{1.1, "1,10", "1,1"},
                    FormatCase{999.995, "1000,00", "999,995"}, FormatCase{0.005, "0,01", "0,005"},
                    FormatCase{0.004, "0,00", "0,004"}, FormatCase{-1.005, "-1,01", "-1,005"},
                    FormatCase{-0.001, "0,00", "-0,001"}, FormatCase{0.0001, "0,00", "0,0001"},
                    FormatCase{0.00001, "0,00", "1E-5"},
                    FormatCase{1e15, "1000000000000000,00", "1E15"},
                    FormatCase{123456789012345, "123456789012345,00", "123456789012345"},
                    FormatCase{0.1 + 0.2, "0,30", "0,3"},
                    FormatCase{2.5e20, "250000000000000000000,00", "2,5E20"}));

TEST(FormatNumber, UsesTheGivenSeparator) {
    EXPECT_EQ(formatFixed2(1.3438955, "."), "1.34");
    EXPECT_EQ(formatGeneral(1000.5, "."), "1000.5");
}

TEST(FormatNumber, GeneralFormReadsBackToTheSameValue) {
    for (double v : {1000.5, 0.1, 1.0 / 3.0, 2199.0, 1e-3}) {
        const auto back = parseNumber(formatGeneral(v, ","), ",");
        ASSERT_TRUE(back.has_value());
        EXPECT_NEAR(*back, v, std::fabs(v) * 1e-14);
    }
}

} // namespace
} // namespace termika
