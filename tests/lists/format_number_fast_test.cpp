// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The fast paths of FormatNumber for the common patterns against the general
// routine, character for character, over ten million singles per pattern:
// arbitrary bit patterns, the magnitudes of result lists, decimal fractions
// at and next to rounding ties, and magnitudes across the whole range.

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <utility>

#include "lists/format/FormatNumber.h"

namespace teska {
namespace {

constexpr int ValuesPerPattern = 10'000'000;

float NextValue(std::mt19937_64& random)
{
    const std::uint64_t r = random();
    const int kind = static_cast<int>(r & 7);
    const std::uint32_t high = static_cast<std::uint32_t>(r >> 32);
    const float sign = (r & 8) ? -1.0f : 1.0f;
    switch (kind) {
    case 0: { // any bit pattern: subnormals, infinities, not-a-numbers too
        float v;
        std::memcpy(&v, &high, sizeof v);
        return v;
    }
    case 1: // the moments and forces of a result list
        return sign * static_cast<float>(high % 100'000'000) / 10000.0f;
    case 2: // a decimal fraction with one digit more than two or four decimals hold
    case 3: {
        static constexpr double Scales[] = {10, 100, 1000, 1e4, 1e5, 1e6, 1e7, 1e8};
        const double scale = Scales[(r >> 4) & 7];
        const double digits = static_cast<double>(high % 20'000'000);
        return sign * static_cast<float>((digits + (kind == 2 ? 0.5 : 0.0)) / scale);
    }
    case 4: { // a neighbour of such a fraction
        float v = static_cast<float>(static_cast<double>(high % 2'000'000) * 2 + 1) / 2000.0f;
        v = std::nextafter(v, (r & 16) ? 0.0f : 1e30f);
        return sign * v;
    }
    case 5: { // whole numbers and halves, also past the 7 digits of the plain form
        const double whole = static_cast<double>(high % 200'000'000);
        return sign * static_cast<float>((r & 16) ? whole : whole + 0.5);
    }
    default: { // magnitudes from 1e-12 to 1e20
        const double exponent = -12.0 + 32.0 * static_cast<double>(high) / 4294967296.0;
        return sign * static_cast<float>(std::pow(10.0, exponent));
    }
    }
}

void CompareWithGeneralRoutine(const char* pattern, std::uint64_t seed, int count)
{
    std::mt19937_64 random(seed);
    int mismatches = 0;
    for (int i = 0; i < count; ++i) {
        const float value = NextValue(random);
        const std::string fast = FormatNumber(value, pattern);
        const std::string general = FormatNumberGeneral(value, pattern);
        if (fast != general && ++mismatches <= 10)
            ADD_FAILURE() << std::hexfloat << value << std::defaultfloat << " (" << value << ") with \""
                          << pattern << "\": " << fast << " instead of " << general;
    }
    EXPECT_EQ(mismatches, 0) << "with \"" << pattern << "\"";
}

TEST(FormatNumberFastPath, EveryFastPatternAsTheGeneralRoutine)
{
    // The default slots over all the values; the other patterns the fast
    // path takes with fewer.
    const std::pair<const char*, int> patterns[] = {{"0.0", ValuesPerPattern}, {"0.00", ValuesPerPattern},
        {"0.0000", ValuesPerPattern}, {"0000E+00", ValuesPerPattern}, {"", ValuesPerPattern}, {"0", 500'000},
        {"0.000", 500'000}, {"0.0000000", 500'000}, {"0.000000000", 500'000}};
    std::uint64_t seed = 0;
    for (const auto& [pattern, count] : patterns)
        CompareWithGeneralRoutine(pattern, ++seed, count);
}

// The scaled columns read the plain text back as a single without writing
// it: the same single (bit for bit) as reading the general routine's text.
TEST(FormatNumberFastPath, PlainReadBackAsTheGeneralText)
{
    std::mt19937_64 random(99);
    int mismatches = 0, covered = 0;
    for (int i = 0; i < 2'000'000; ++i) {
        const float value = NextValue(random);
        float fast = 0.0f;
        if (!PlainSingleReadBack(value, fast))
            continue;
        ++covered;
        const std::string text = FormatNumberGeneral(value, "");
        float read = 0.0f;
        const auto parsed = std::from_chars(text.data(), text.data() + text.size(), read);
        if ((parsed.ec != std::errc() || std::memcmp(&fast, &read, sizeof fast) != 0) && ++mismatches <= 10)
            ADD_FAILURE() << std::hexfloat << value << ": " << fast << " instead of " << read << " (" << text
                          << ")";
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(covered, 1'500'000); // the values of result lists take the short way
}

} // namespace
} // namespace teska
