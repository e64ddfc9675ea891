// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "lists/format/FormatNumber.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

struct PatternCase {
    const char* name;
    double value;
    const char* pattern;
    const char* expected;
};

class FormatNumberPattern : public ::testing::TestWithParam<PatternCase> { };

TEST_P(FormatNumberPattern, GivesHandWorkedText)
{
    const PatternCase& c = GetParam();
    EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected) << c.value << " with \"" << c.pattern << "\"";
}

INSTANTIATE_TEST_SUITE_P(Cases, FormatNumberPattern,
    ::testing::Values(PatternCase{"HalfUpHundredths", 1.005, "0.00", "1.01"},
        PatternCase{"HalfUpUnits", 2.5, "0", "3"}, PatternCase{"NegativeHalfAwayFromZero", -2.5, "0", "-3"},
        PatternCase{"EighthToHundredths", 0.125, "0.00", "0.13"},
        PatternCase{"BelowHalfStays", 0.124999, "0.00", "0.12"},
        PatternCase{"SevenDecimals", 1, "0.0000000", "1.0000000"},
        PatternCase{"NegativeRoundsToZeroKeepsSign", -0.04, "0.0", "-0.0"},
        PatternCase{"NegativeZeroHasNoSign", -0.0, "0.0", "0.0"},
        PatternCase{"CarryIntoNewDigit", 9.96, "0.0", "10.0"},
        PatternCase{"ExponentFourIntegerDigits", 12345.678, "0000E+00", "1235E+01"},
        PatternCase{"ExponentOneIntegerDigit", 12345.678, "0.00E+00", "1.23E+04"},
        PatternCase{"ExponentCarryShiftsExponent", 9999.6, "0000E+00", "1000E+01"},
        PatternCase{"ExponentSmallValue", 0.00012345, "0.00E+00", "1.23E-04"},
        PatternCase{"ExponentMinusOnlyWhenNegative", 12345.678, "0.0E-00", "1.2E04"},
        PatternCase{"ExponentZero", 0, "0000E+00", "0000E+00"},
        PatternCase{"ExponentNegativeValue", -0.5, "0.0e+0", "-5.0e-1"},
        PatternCase{"ExponentThreeDigits", 1.5e-100, "0.0E+000", "1.5E-100"},
        PatternCase{"Grouping", 1234567.891, "#,##0.00", "1,234,567.89"},
        PatternCase{"GroupingPaddedZeros", 5, "0,000", "0,005"},
        PatternCase{"ScaleByThousand", 1234567, "#,##0,", "1,235"},
        PatternCase{"Percent", 0.256, "0.0%", "25.6%"},
        PatternCase{"HashSuppressesLeadingZero", 0.5, "#.##", ".5"},
        PatternCase{"PointWithoutDecimals", 1, "0.##", "1."},
        PatternCase{"HashKeepsInnerZero", 1.05, "0.#0", "1.05"},
        PatternCase{"MoreDigitsThanPlaceholders", 12.5, ".00", "12.50"},
        PatternCase{"PlaceholdersFilledFromRight", 1234, "00-00", "12-34"},
        PatternCase{"QuotedLiteral", -1234.5, "\"x=\"0", "-x=1235"},
        PatternCase{"EscapedLiteral", 3, "0\\m", "3m"},
        PatternCase{"NegativeSection", -5, "0.0;(0.0)", "(5.0)"},
        PatternCase{"PositiveIgnoresNegativeSection", 5, "0.0;(0.0)", "5.0"},
        PatternCase{"ZeroSection", 0, "0.0;-0.0;\\z\\e\\r\\o", "zero"},
        PatternCase{"EmptyNegativeSectionUsesFirst", -5, "0.0;;x", "-5.0"},
        PatternCase{"LargeValueAllDigits", 1e20, "0", "100000000000000000000"},
        PatternCase{"NamedFixed", 3.14159, "Fixed", "3.14"},
        PatternCase{"NamedStandard", 1234.5, "standard", "1,234.50"},
        PatternCase{"NamedScientific", 1234.5, "Scientific", "1.23E+03"},
        PatternCase{"GeneralNumber", 0.1, "General Number", ".1"},
        PatternCase{"NotANumber", std::numeric_limits<double>::quiet_NaN(), "0.0", "NaN"},
        PatternCase{"Infinity", -std::numeric_limits<double>::infinity(), "0.0", "-Inf"}),
    [](const auto& info) { return std::string(info.param.name); });

// Published cases of the run time's numeric formatting. "Wine
// varformat.c" are rows of test_VarFormat in Wine's oleaut32 tests, which
// Wine checks against Windows; the "VBA docs" rows are the examples of the
// Format function's reference; the "rule" rows work the documented rules
// for the pattern classes that user files bring (a "#" before a later "0"
// in the fraction, "," that groups or scales, exponent digits without
// placeholders, "%" anywhere).
struct PublishedCase {
    const char* source;
    double value;
    const char* pattern;
    const char* expected;
};

TEST(FormatNumberPublished, MatchesThePublishedTables)
{
    const PublishedCase cases[] = {
        {"Wine varformat.c", 1, "#00000000", "00000001"},
        {"Wine varformat.c", 1, "000###", "000001"},
        {"Wine varformat.c", 1, "#00##00#0", "00000001"},
        {"Wine varformat.c", 1, "1#####0000", "10001"},
        {"Wine varformat.c", 1, "##abcdefghijklmnopqrstuvwxyz", "1abcdefghijklmnopqrstuvwxyz"},
        {"Wine varformat.c", 100000, "#,###,###,###", "100,000"},
        {"Wine varformat.c", 1, "0,000,000,000", "0,000,000,001"},
        {"Wine varformat.c", 123456789, "#,#.#", "123,456,789."},
        {"Wine varformat.c", 123456789, "###, ###, ###", "123, 456, 789"},
        {"Wine varformat.c", 1, "#;-#", "1"},
        {"Wine varformat.c", -1, "#;-#", "-1"},
        {"Wine varformat.c", 1.23456789, "0#.0#0#0#0#0", "01.234567890"},
        {"Wine varformat.c", 1.2, "0#.0#0#0#0#0", "01.200000000"},
        {"Wine varformat.c", 9.87654321, "#0.#0#0#0#0#", "9.87654321"},
        {"Wine varformat.c", 9.8, "#0.#0#0#0#0#", "9.80000000"},
        {"Wine varformat.c", 8e-08, "#0.#0#0#0#0#0", "0.0000000800"},
        {"Wine varformat.c", 0.00010705, "#0.##########", "0.00010705"},
        {"Wine varformat.c", 17, "#0", "17"},
        {"Wine varformat.c", 4711, "#0", "4711"},
        {"Wine varformat.c", 17, "#00", "17"},
        {"Wine varformat.c", 100, "0##", "100"},
        {"Wine varformat.c", 17, "#000", "017"},
        {"Wine varformat.c", 17, "#0.00", "17.00"},
        {"Wine varformat.c", 17, "#0000.00", "0017.00"},
        {"Wine varformat.c", 17, "#.00", "17.00"},
        {"Wine varformat.c", 1.7, "#.00", "1.70"},
        {"Wine varformat.c", 0.17, "#.00", ".17"},
        {"Wine varformat.c", 17, "#3", "173"},
        {"Wine varformat.c", 17, "#33", "1733"},
        {"Wine varformat.c", 17, "#3.33", "173.33"},
        {"Wine varformat.c", 17, "#3333.33", "173333.33"},
        {"Wine varformat.c", 17, "#.33", "17.33"},
        {"Wine varformat.c", 0.17, "#.33", ".33"},
        {"Wine varformat.c", 1.7, "0.0000E-000", "1.7000E000"},
        {"Wine varformat.c", 1.7, "0.0000e-1", "1.7000e01"},
        {"Wine varformat.c", 86.936849, "#0.000000000000e-000", "86.936849000000e000"},
        {"Wine varformat.c", 1.7, "#0", "2"},
        {"Wine varformat.c", 1.7, "#.33", "2.33"},
        {"Wine varformat.c", 1.7, "#3", "23"},
        {"Wine varformat.c", 1.73245, "0.0000E+000", "1.7325E+000"},
        {"Wine varformat.c", 9.9999999, "#0.000000", "10.000000"},
        {"Wine varformat.c", 1.7, "0.0000e+0#", "1.7000e+0"},
        {"Wine varformat.c", 100.0001, "0.0000E+0", "1.0000E+2"},
        {"Wine varformat.c", 1000001, "0.0000e+1", "1.0000e+61"},
        {"Wine varformat.c", 1.000001e+27, "0.0000e+0", "1.0000e+27"},
        {"Wine varformat.c", 4.500001e+45, "#000.0000e+0", "4500.0010e+42"},
        {"Wine varformat.c", 1e-15, "##00.0000e-0", "1000.0000e-18"},
        {"Wine varformat.c", 3.17e-13, "0000.0000e-0", "3170.0000e-16"},
        {"Wine varformat.c", 2.1e-14, "00##.0000e-0", "2100.0000e-17"},
        {"Wine varformat.c", 1.0001e-27, "##00.0000e-0", "1000.1000e-30"},
        {"Wine varformat.c", 47.11, ".0000E+0", ".4711E+2"},
        {"Wine varformat.c", 3.0401e-13, "#####.####e-0%", "30401.e-15%"},
        {"Wine varformat.c", 1.57, "0.00", "1.57"},
        {"Wine varformat.c", -1.57, "0.00", "-1.57"},
        {"Wine varformat.c", -1.57, "#.##", "-1.57"},
        {"Wine varformat.c", -0.1, ".#", "-.1"},
        {"Wine varformat.c", 0.099, "#.#", ".1"},
        {"Wine varformat.c", 0.0999, "#.##", ".1"},
        {"Wine varformat.c", 0.0099, "#.##", ".01"},
        {"Wine varformat.c", 0.0049, "#.##", "."},
        {"Wine varformat.c", 0.0094, "#.##", ".01"},
        {"Wine varformat.c", 0.00099, "#.##", "."},
        {"Wine varformat.c", 0.0995, "#.##", ".1"},
        {"Wine varformat.c", 8.0995, "#.##", "8.1"},
        {"Wine varformat.c", 1.0, "#,##0.00", "1.00"},
        {"Wine varformat.c", 0.0995, "#.###", ".1"},
        {"VBA docs, user-defined numeric formats", 5, "0.00E+00", "5.00E+00"},
        {"VBA docs, user-defined numeric formats", -5, "0.00E+00", "-5.00E+00"},
        {"VBA docs, user-defined numeric formats", 0.5, "0.00E+00", "5.00E-01"},
        {"VBA docs, user-defined numeric formats", 0, "0.00E+00", "0.00E+00"},
        {"VBA docs, user-defined numeric formats", 5, "0.00E-00", "5.00E00"},
        {"VBA docs, user-defined numeric formats", -5, "0.00E-00", "-5.00E00"},
        {"VBA docs, user-defined numeric formats", 0.5, "0.00E-00", "5.00E-01"},
        {"VBA docs, user-defined numeric formats", 5, "0%", "500%"},
        {"VBA docs, user-defined numeric formats", 0.5, "0%", "50%"},
        {"VBA docs, user-defined numeric formats", -5, "0.00%", "-500.00%"},
        {"VBA docs, user-defined numeric formats", 0.5, "#,##0", "1"},
        {"VBA docs, user-defined numeric formats", 0.5, "#,##0.00", "0.50"},
        {"VBA docs, user-defined numeric formats", -5, "$#,##0;($#,##0)", "($5)"},
        {"VBA docs, Format function", 5459.4, "##,##0.00", "5,459.40"},
        {"VBA docs, Format function", 334.9, "###0.00", "334.90"},
        {"VBA docs, Format function", 5, "0.00%", "500.00%"},
        {"rule: # before a later 0 in the fraction", 2.5, "0.#0", "2.50"},
        {"rule: # before a later 0 in the fraction", 2.5, "0.#0#", "2.50"},
        {"rule: , followed by digits groups", 1234, "0,0", "1,234"},
        {"rule: , followed by digits groups", 1234567, "0,,000", "1,234,567"},
        {"rule: , before the point scales", 1234567, "0,.0", "1234.6"},
        {"rule: , before the point scales", 1234567890, "0,,", "1235"},
        {"rule: exponent digits without placeholders", 1234, "0.0E+", "1.2E+3"},
        {"rule: exponent digits without placeholders", 1.5, "0.0E+", "1.5E+0"},
        {"rule: exponent with # only", 1.5, "0.0E-##", "1.5E0"},
        {"rule: exponent with # only", 0.015, "0.0E-#", "1.5E-2"},
        {"rule: literal after exponent stays", 1234, "0.0E+00 m", "1.2E+03 m"},
        {"rule: literal after exponent stays", 1234, "0.0E+ m", "1.2E+3 m"},
        {"rule: % after the exponent scales first", 0.5, "0.0E+00%", "5.0E+01%"},
        {"rule: % before the exponent", 0.0123, "0%.0E+0", "1%.2E+0"},
    };
    for (const PublishedCase& c : cases)
        EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected)
            << c.value << " with \"" << c.pattern << "\" (" << c.source << ")";
}

struct StrCase {
    const char* name;
    float value;
    const char* expected;
};

class FormatNumberEmptyPattern : public ::testing::TestWithParam<StrCase> { };

TEST_P(FormatNumberEmptyPattern, WritesSingleInStrForm)
{
    EXPECT_EQ(FormatNumber(GetParam().value, ""), GetParam().expected);
    // A double goes through single precision first.
    EXPECT_EQ(FormatNumber(static_cast<double>(GetParam().value), ""), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FormatNumberEmptyPattern,
    ::testing::Values(StrCase{"Half", 0.5f, ".5"}, StrCase{"NegativeHalf", -0.5f, "-.5"},
        StrCase{"SevenDigits", 1234567.f, "1234567"}, StrCase{"EightDigits", 12345678.f, "1.234568E+07"},
        StrCase{"TenMillion", 1e7f, "1E+07"}, StrCase{"TenThousandth", 0.0001f, "1E-04"},
        StrCase{"Thousandth", 0.001f, ".001"}, StrCase{"Zero", 0.f, "0"}, StrCase{"NegativeZero", -0.f, "0"},
        StrCase{"OneTenthIsShort", 0.1f, ".1"}, StrCase{"RoundsToSevenDigits", 3.14159265f, "3.141593"},
        StrCase{"LargeSingle", 3.4e38f, "3.4E+38"}, StrCase{"Whole", -42.f, "-42"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatNumberSingle, RoundsOnTheSinglesShortestForm)
{
    // 1.005f is 1.00499999523 in binary; its shortest form "1.005" rounds up.
    EXPECT_EQ(FormatNumber(1.005f, "0.00"), "1.01");
    // As a double 1.005f has a longer shortest form that rounds down.
    EXPECT_EQ(FormatNumber(static_cast<double>(1.005f), "0.00"), "1.00");
    EXPECT_EQ(FormatNumber(short{-7}, "0.0"), "-7.0");
}

// The slow reference: fixed patterns "0", "0.0..0" and "#,##0.0..0" and
// exponent patterns "0..0[.0..0]E+00", done on a plain digit string with
// school-book addition of a half unit.
std::string AddHalfUnitAndCut(std::string digits, int keep)
{
    // digits: integer string without point; keep first 'keep' digits rounded.
    if (keep < 0)
        return "";
    if (static_cast<int>(digits.size()) <= keep)
        return digits;
    const bool up = digits[keep] >= '5';
    digits.resize(keep);
    if (up) {
        int i = keep - 1;
        for (; i >= 0; --i) {
            if (digits[i] == '9') {
                digits[i] = '0';
            } else {
                ++digits[i];
                break;
            }
        }
        if (i < 0)
            digits.insert(digits.begin(), '1');
    }
    return digits;
}

std::string ReferenceFixed(double value, int decimals, bool grouping)
{
    char buffer[400];
    const auto r
        = std::to_chars(buffer, buffer + sizeof buffer, value < 0 ? -value : value, std::chars_format::fixed);
    std::string text(buffer, r.ptr);
    const std::size_t point = text.find('.');
    std::string integer = point == std::string::npos ? text : text.substr(0, point);
    std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    std::string all = integer + fraction;
    const int keep = static_cast<int>(integer.size()) + decimals;
    std::string rounded = AddHalfUnitAndCut(all, keep);
    while (static_cast<int>(rounded.size()) < keep)
        rounded += '0';
    std::string intPart = rounded.substr(0, rounded.size() - decimals);
    std::string fracPart = rounded.substr(rounded.size() - decimals);
    while (intPart.size() > 1 && intPart[0] == '0')
        intPart.erase(0, 1);
    if (intPart.empty())
        intPart = "0";
    if (grouping)
        for (int i = static_cast<int>(intPart.size()) - 3; i > 0; i -= 3)
            intPart.insert(static_cast<std::size_t>(i), ",");
    std::string out = value < 0 ? "-" : "";
    out += intPart;
    if (decimals > 0)
        out += "." + fracPart;
    return out;
}

std::string ReferenceExponent(double value, int integerDigits, int decimals)
{
    char buffer[400];
    const auto r
        = std::to_chars(buffer, buffer + sizeof buffer, value < 0 ? -value : value, std::chars_format::fixed);
    std::string text(buffer, r.ptr);
    const std::size_t point = text.find('.');
    std::string integer = point == std::string::npos ? text : text.substr(0, point);
    std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    std::string all = integer + fraction;
    // Position of the first nonzero digit decides the exponent.
    const std::size_t first = all.find_first_not_of('0');
    int exponent = static_cast<int>(integer.size()) - static_cast<int>(first) - integerDigits;
    std::string digits = all.substr(first);
    std::string rounded = AddHalfUnitAndCut(digits, integerDigits + decimals);
    if (static_cast<int>(rounded.size()) > integerDigits + decimals) {
        rounded.pop_back();
        ++exponent;
    }
    while (static_cast<int>(rounded.size()) < integerDigits + decimals)
        rounded += '0';
    std::string out = value < 0 ? "-" : "";
    out += rounded.substr(0, integerDigits);
    if (decimals > 0)
        out += "." + rounded.substr(integerDigits);
    out += exponent < 0 ? "E-" : "E+";
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10)
        out += "0";
    out += std::to_string(magnitude);
    return out;
}

double RandomValue(std::mt19937_64& rng)
{
    std::uniform_int_distribution<int> kind(0, 3);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    std::uniform_int_distribution<int> scale(-8, 12);
    switch (kind(rng)) {
    case 0: // values with few decimals, many of them halves
        return std::uniform_int_distribution<int>(-200000, 200000)(rng) / 8.0;
    case 1:
        return std::uniform_int_distribution<int>(-99999, 99999)(rng) / 1000.0;
    default:
        return unit(rng) * std::pow(10.0, scale(rng));
    }
}

TEST(FormatNumberReference, FixedPatternsMatchDigitStringArithmetic)
{
    std::mt19937_64 rng(20261206);
    for (int i = 0; i < 20000; ++i) {
        const double value = RandomValue(rng);
        const int decimals = std::uniform_int_distribution<int>(0, 7)(rng);
        const bool grouping = i % 3 == 0;
        std::string pattern = grouping ? "#,##0" : "0";
        if (decimals > 0)
            pattern += "." + std::string(static_cast<std::size_t>(decimals), '0');
        if (value == 0)
            continue;
        ASSERT_EQ(FormatNumber(value, pattern), ReferenceFixed(value, decimals, grouping))
            << value << " with " << pattern;
    }
}

TEST(FormatNumberReference, ExponentPatternsMatchDigitStringArithmetic)
{
    std::mt19937_64 rng(7);
    for (int i = 0; i < 20000; ++i) {
        const double value = RandomValue(rng);
        if (value == 0)
            continue;
        const int integerDigits = std::uniform_int_distribution<int>(1, 4)(rng);
        const int decimals = std::uniform_int_distribution<int>(0, 4)(rng);
        std::string pattern(static_cast<std::size_t>(integerDigits), '0');
        if (decimals > 0)
            pattern += "." + std::string(static_cast<std::size_t>(decimals), '0');
        pattern += "E+00";
        ASSERT_EQ(FormatNumber(value, pattern), ReferenceExponent(value, integerDigits, decimals))
            << value << " with " << pattern;
    }
}

TEST(FormatNumberReference, EmptyPatternReadsBackWithinSevenDigits)
{
    std::mt19937_64 rng(99);
    for (int i = 0; i < 20000; ++i) {
        const float value = static_cast<float>(RandomValue(rng));
        const std::string text = FormatNumber(value, "");
        ASSERT_EQ(text.find(' '), std::string::npos);
        float back = 0;
        const auto r = std::from_chars(text.data(), text.data() + text.size(), back);
        ASSERT_EQ(r.ptr, text.data() + text.size()) << text;
        // Seven significant digits: relative error at most half a unit in the 7th digit.
        ASSERT_LE(std::fabs(back - value), std::fabs(value) * 5.1e-7f + 1e-38f) << value << " -> " << text;
    }
}

} // namespace
} // namespace teska
