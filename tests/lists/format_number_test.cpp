// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>
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

// The first \p keep digits of \p digits, rounded half up.
std::string AddHalfUnitAndCut(std::string digits, std::size_t keep)
{
    if (digits.size() <= keep)
        return digits + std::string(keep - digits.size(), '0');
    const bool up = digits[keep] >= '5';
    digits.resize(keep);
    std::size_t i = keep;
    for (; up && i > 0 && digits[i - 1] == '9'; --i)
        digits[i - 1] = '0';
    if (up && i == 0)
        digits.insert(digits.begin(), '1');
    else if (up)
        ++digits[i - 1];
    return digits;
}

// The exact digits of |value| and how many of them stand before the point.
std::pair<std::string, std::size_t> ExactDigits(double value)
{
    char buffer[400];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed);
    std::string text(buffer, r.ptr);
    const std::size_t point = std::min(text.find('.'), text.size());
    return {text.erase(point, 1), point};
}

std::string ReferenceFixed(double value, std::size_t decimals, bool grouping)
{
    const auto [all, integerDigits] = ExactDigits(value);
    const std::string rounded = AddHalfUnitAndCut(all, integerDigits + decimals);
    std::string integer = rounded.substr(0, rounded.size() - decimals);
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size() - 1));
    for (std::size_t i = integer.size(); grouping && i > 3; i -= 3)
        integer.insert(i - 3, ",");
    const std::string fraction = rounded.substr(rounded.size() - decimals);
    return (value < 0 ? "-" : "") + integer + (decimals > 0 ? "." + fraction : "");
}

std::string ReferenceExponent(double value, std::size_t integerDigits, std::size_t decimals)
{
    const auto [all, pointAt] = ExactDigits(value);
    const std::size_t first = all.find_first_not_of('0');
    int exponent = static_cast<int>(pointAt) - static_cast<int>(first) - static_cast<int>(integerDigits);
    std::string rounded = AddHalfUnitAndCut(all.substr(first), integerDigits + decimals);
    if (rounded.size() > integerDigits + decimals) {
        rounded.pop_back();
        ++exponent;
    }
    const std::string magnitude = std::to_string(std::abs(exponent));
    return (value < 0 ? "-" : "") + rounded.substr(0, integerDigits)
        + (decimals > 0 ? "." + rounded.substr(integerDigits) : "") + (exponent < 0 ? "E-" : "E+")
        + (magnitude.size() < 2 ? "0" : "") + magnitude;
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

// Random values in fixed and exponent patterns against the digit-string
// arithmetic, and the empty pattern read back within seven digits.
TEST(FormatNumberReference, RandomValuesMatchDigitStringArithmetic)
{
    std::mt19937_64 rng(20261206);
    for (int i = 0; i < 20000; ++i) {
        const double value = RandomValue(rng);
        if (value == 0)
            continue;
        const std::size_t decimals = std::uniform_int_distribution<std::size_t>(0, 7)(rng);
        const bool grouping = i % 3 == 0;
        const std::string fraction = decimals > 0 ? "." + std::string(decimals, '0') : "";
        const std::string fixed = (grouping ? "#,##0" : "0") + fraction;
        ASSERT_EQ(FormatNumber(value, fixed), ReferenceFixed(value, decimals, grouping))
            << value << " with " << fixed;
        const std::size_t integerDigits = std::uniform_int_distribution<std::size_t>(1, 4)(rng);
        const std::string exponent = std::string(integerDigits, '0')
            + fraction.substr(0, std::min<std::size_t>(fraction.size(), 5)) + "E+00";
        ASSERT_EQ(FormatNumber(value, exponent),
            ReferenceExponent(value, integerDigits, std::min<std::size_t>(decimals, 4)))
            << value << " with " << exponent;
    }
    std::mt19937_64 again(99);
    for (int i = 0; i < 20000; ++i) {
        const float value = static_cast<float>(RandomValue(again));
        const std::string text = FormatNumber(value, "");
        float back = 0;
        const auto r = std::from_chars(text.data(), text.data() + text.size(), back);
        ASSERT_EQ(r.ptr, text.data() + text.size()) << text;
        // Seven significant digits: relative error at most half a unit in the 7th digit.
        ASSERT_LE(std::fabs(back - value), std::fabs(value) * 5.1e-7f + 1e-38f) << value << " -> " << text;
    }
}

} // namespace
} // namespace teska
