// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "lists/format/FormatNumber.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

// The hand-worked and published cases of tests/data/lists/format_number.tsv.
TEST(FormatNumber, GivesTheTextOfEveryCaseInTheTable)
{
    const auto table = test::TableRows("lists/format_number.tsv", 5);
    ASSERT_FALSE(table.empty());
    int cases = 0;
    for (const std::vector<std::string>& f : table) {
        ++cases;
        const std::string& pattern = f[2];
        const std::string where = f[1] + " with \"" + pattern + "\" (" + f[4] + ")";
        if (f[0] == "d") {
            EXPECT_EQ(FormatNumber(std::strtod(f[1].c_str(), nullptr), pattern), f[3]) << where;
            continue;
        }
        const float single = std::strtof(f[1].c_str(), nullptr);
        if (f[0] == "fd") {
            EXPECT_EQ(FormatNumber(static_cast<double>(single), pattern), f[3]) << where;
            continue;
        }
        EXPECT_EQ(FormatNumber(single, pattern), f[3]) << where;
        // A double with the empty pattern goes through single precision.
        if (pattern.empty()) {
            EXPECT_EQ(FormatNumber(static_cast<double>(single), pattern), f[3]) << where;
        }
    }
    EXPECT_GT(cases, 150);
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
