// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// FormatNumber: every number of a list is written through this routine with
// a pattern in the notation of the VB run time's Format$.
//
// Pattern characters (C locale: "." and "," always):
//   0        digit placeholder, shows a digit or a zero
//   #        digit placeholder, shows a digit or nothing (leading integer
//            zeros, trailing decimal zeros)
//   .        the decimal point (the first one; later ones are literal)
//   ,        between integer placeholders: thousands grouping; directly left
//            of the decimal point or of the end of the integer placeholders:
//            divides the value by 1000 per comma
//   %        multiplies by 100 and prints "%"
//   E+ E- e+ e-   exponent form; the digit placeholders that follow set the
//            minimum exponent digits; "+" prints the sign always, "-" only
//            for negative exponents. The mantissa is scaled so that its
//            integer part fills the integer placeholders:
//            12345.678 "0000E+00" -> "1235E+01", "0.00E+00" -> "1.23E+04"
//   "text"   literal text; \c is the literal character c; any other
//            character is printed as it stands
//   ;        separates sections positive;negative;zero. The negative section
//            prints the absolute value without a sign; an empty or absent
//            section falls back to the first one (with a leading "-" for a
//            negative value). The zero section is chosen when the value is 0.
// The names "Fixed", "Standard", "Percent", "Scientific" and "General Number"
// stand for their usual patterns.
//
// Rounding: halves away from zero, on the shortest decimal form of the value
// (std::to_chars round trip), so 1.005f with "0.00" gives "1.01", 2.5 with
// "0" gives "3", -2.5 gives "-3", 0.125 with "0.00" gives "0.13".
// A negative value that rounds to zero keeps its sign: -0.04 "0.0" -> "-0.0"
// (as the run time does). The minus sign stands at the very start of the
// result: -5 "x=0" -> "-x=5". Negative zero prints as zero.
//
// Empty pattern: the value as a single in the run time's Str$ form without
// the leading blank: at most 7 significant digits, no trailing zeros, no
// leading zero before the point; exponent form when the decimal exponent of
// the first digit is 7 or more or -4 or less:
//   0.5 -> ".5", -0.5 -> "-.5", 1234567 -> "1234567",
//   12345678 -> "1.234568E+07", 0.001 -> ".001", 0.0001 -> "1E-04".
//
// Not-a-number and infinities print "NaN", "Inf" and "-Inf".
// No allocation besides the result string.

#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>

namespace teska {

std::string FormatNumber(double value, std::string_view pattern);
// A single is rounded on its own shortest decimal form (1.005f is "1.005").
std::string FormatNumber(float value, std::string_view pattern);
// Room for the text of a number written without a string of its own; one
// NumberText serves any number of calls (a list's rows).
struct NumberText {
    static constexpr std::size_t Room = 64;
    char buffer[Room];
    std::string general; // the text when no fast path covers the pattern
    bool ascii = false; // the text is known to be ASCII (one byte a character)
};
// The text of FormatNumber(value, pattern), valid until the next call with
// the same \p room.
std::string_view FormatNumber(float value, std::string_view pattern, NumberText& room);
// A pattern looked at once for the numbers of a whole column: whether a fast
// path formats with it is found here, not per number. It refers to the
// pattern's text, which must outlive it.
class NumberPattern {
public:
    explicit NumberPattern(std::string_view pattern)
        : text_(pattern)
        , fast_(FastPathOf(pattern))
    { }
    std::string_view Text() const { return text_; }

    // The fast path of a pattern: 0 to 9 the decimals of "0" ... "0.000000000".
    static constexpr int None = -1;
    static constexpr int FourDigitExponent = 10; // "0000E+00"
    static constexpr int Plain = 11; // the empty pattern
    static int FastPathOf(std::string_view pattern);

private:
    friend std::string_view FormatNumber(float value, const NumberPattern& pattern, NumberText& room);
    std::string_view text_;
    int fast_;
};
std::string_view FormatNumber(float value, const NumberPattern& pattern, NumberText& room);
// The single that the text of FormatNumber(value, "") reads back as (seven
// significant digits, halves away from zero), computed without the text:
// the rounded digits times a power of ten that a single holds exactly, one
// correctly rounded step. False where these exact steps do not reach (zero
// is covered; infinities, not-a-numbers, subnormals and exponents beyond
// ten are not): the text then decides.
bool PlainSingleReadBack(float value, float& result);
// The same text by the general routine alone, without the fast paths for the
// common patterns ("0", "0.0" ... "0.000000000", "0000E+00", ""); for tests
// that hold the fast paths against it.
std::string FormatNumberGeneral(float value, std::string_view pattern);
// Whole numbers (16- and 32-bit values of the files) are exact as doubles.
template <std::integral T> std::string FormatNumber(T value, std::string_view pattern)
{
    return FormatNumber(static_cast<double>(value), pattern);
}

} // namespace teska
