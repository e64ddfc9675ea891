// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/format/FormatNumber.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace teska {

namespace {

// A non-negative decimal number 0.D1D2...Dn x 10^point; count 0 is zero.
// The shortest form of a double has at most 17 digits, and rounding never
// adds digits, so the buffer is fixed.
struct Decimal {
    char digits[24];
    int count = 0;
    int point = 0;

    char At(int index) const { return index >= 0 && index < count ? digits[index] : '0'; }
    bool IsZero() const { return count == 0; }
};

template <typename Real> Decimal ToDecimal(Real magnitude)
{
    Decimal d;
    if (magnitude == 0)
        return d;
    char buffer[48];
    const auto result
        = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    const char* p = buffer;
    const char* end = result.ptr;
    while (p != end && *p != 'e') {
        if (*p >= '0' && *p <= '9' && d.count < static_cast<int>(sizeof d.digits))
            d.digits[d.count++] = *p;
        ++p;
    }
    int exponent = 0;
    if (p != end) {
        ++p; // 'e'
        const bool negative = *p == '-';
        ++p; // sign
        for (; p != end; ++p)
            exponent = exponent * 10 + (*p - '0');
        if (negative)
            exponent = -exponent;
    }
    d.point = exponent + 1;
    while (d.count > 0 && d.digits[d.count - 1] == '0')
        --d.count;
    return d;
}

// Keeps the first \p keep digits, rounding half away from zero.
void RoundTo(Decimal& d, int keep)
{
    if (keep >= d.count)
        return;
    if (keep < 0) {
        d.count = 0;
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.count = keep;
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9')
            --i;
        if (i < 0) {
            d.digits[0] = '1';
            d.count = 1;
            d.point += 1;
        } else {
            ++d.digits[i];
            d.count = i + 1;
        }
    }
    while (d.count > 0 && d.digits[d.count - 1] == '0')
        --d.count;
}

void AppendExponent(std::string& out, int exponent, int minDigits, bool alwaysSign)
{
    if (exponent < 0)
        out += '-';
    else if (alwaysSign)
        out += '+';
    char buffer[12];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, exponent < 0 ? -exponent : exponent);
    for (int n = static_cast<int>(result.ptr - buffer); n < minDigits; ++n)
        out += '0';
    // The digits stand even when no "0" asks for them: "0E+#" writes 1E+0.
    out.append(buffer, result.ptr);
}

// The Str$ form: at most \p precision significant digits; exponent form when
// the exponent of the first digit is \p precision or more, or -4 or less.
std::string GeneralForm(Decimal d, bool negative, int precision)
{
    RoundTo(d, precision);
    std::string out;
    if (d.IsZero())
        return "0";
    out.reserve(static_cast<std::size_t>(d.count) + 8);
    if (negative)
        out += '-';
    const int exponent = d.point - 1;
    if (exponent >= precision || exponent <= -4) {
        out += d.digits[0];
        if (d.count > 1) {
            out += '.';
            out.append(d.digits + 1, static_cast<std::size_t>(d.count - 1));
        }
        out += 'E';
        AppendExponent(out, exponent, 2, true);
    } else if (d.point > 0) {
        for (int i = 0; i < d.point; ++i)
            out += d.At(i);
        if (d.count > d.point) {
            out += '.';
            out.append(d.digits + d.point, static_cast<std::size_t>(d.count - d.point));
        }
    } else {
        out += '.';
        out.append(static_cast<std::size_t>(-d.point), '0');
        out.append(d.digits, static_cast<std::size_t>(d.count));
    }
    return out;
}

bool SpecialValue(double value, std::string& out)
{
    if (std::isnan(value)) {
        out = "NaN";
        return true;
    }
    if (std::isinf(value)) {
        out = value < 0 ? "-Inf" : "Inf";
        return true;
    }
    return false;
}

// Splits the pattern into its sections at the ";" outside quotes and escapes.
int SplitSections(std::string_view pattern, std::string_view (&sections)[4])
{
    int n = 0;
    std::size_t start = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (quoted) {
            quoted = c != '"';
        } else if (c == '"') {
            quoted = true;
        } else if (c == '\\') {
            ++i;
        } else if (c == ';' && n < 3) {
            sections[n++] = pattern.substr(start, i - start);
            start = i + 1;
        }
    }
    sections[n++] = pattern.substr(start);
    return n;
}

bool IsPlaceholder(char c)
{
    return c == '0' || c == '#';
}

bool IsExponentStart(std::string_view s, std::size_t i)
{
    return (s[i] == 'E' || s[i] == 'e') && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-');
}

// What the first pass learns about one section.
struct SectionShape {
    int integerPlaceholders = 0;
    int firstIntegerZero = -1; // index of the first "0" among the integer placeholders
    int fractionPlaceholders = 0;
    int lastFractionZero = -1; // a "#" before it shows its digit like a "0"
    bool hasPoint = false;
    bool grouping = false;
    int scaleCommas = 0;
    int percents = 0;
    bool exponent = false;
    int exponentZeros = 0;
    int exponentPlaceholders = 0; // "0" and "#" after E+/E-
};

// True when a digit placeholder follows \p from before the decimal point or
// the exponent: a "," there groups thousands, else it scales by 1000.
bool IntegerPlaceholderFollows(std::string_view s, std::size_t from)
{
    for (std::size_t j = from; j < s.size(); ++j) {
        const char c = s[j];
        if (c == '"') {
            while (++j < s.size() && s[j] != '"') { }
        } else if (c == '\\') {
            ++j;
        } else if (c == '.'
            || ((c == 'E' || c == 'e') && j + 1 < s.size() && (s[j + 1] == '+' || s[j + 1] == '-'))) {
            return false;
        } else if (c == '0' || c == '#') {
            return true;
        }
    }
    return false;
}

SectionShape Analyse(std::string_view s)
{
    SectionShape shape;
    bool inExponent = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') {
            while (++i < s.size() && s[i] != '"') { }
        } else if (c == '\\') {
            ++i;
        } else if (c == '%') {
            ++shape.percents; // anywhere, also after the exponent
        } else if (inExponent) {
            if (c == '0')
                ++shape.exponentZeros;
            if (IsPlaceholder(c))
                ++shape.exponentPlaceholders;
        } else if (IsPlaceholder(c)) {
            if (shape.hasPoint) {
                if (c == '0')
                    shape.lastFractionZero = shape.fractionPlaceholders;
                ++shape.fractionPlaceholders;
            } else {
                if (c == '0' && shape.firstIntegerZero < 0)
                    shape.firstIntegerZero = shape.integerPlaceholders;
                ++shape.integerPlaceholders;
            }
        } else if (c == '.' && !shape.hasPoint) {
            shape.hasPoint = true;
        } else if (c == ',' && !shape.hasPoint) {
            std::size_t j = i;
            while (j < s.size() && s[j] == ',')
                ++j;
            if (shape.integerPlaceholders > 0) {
                if (IntegerPlaceholderFollows(s, j))
                    shape.grouping = true;
                else
                    shape.scaleCommas += static_cast<int>(j - i);
            }
            i = j - 1;
        } else if (IsExponentStart(s, i) && !shape.exponent) {
            shape.exponent = true;
            inExponent = true;
            ++i;
        }
    }
    return shape;
}

// Second pass: writes the section with the prepared digits.
void Emit(
    std::string& out, std::string_view s, const SectionShape& shape, const Decimal& d, int shownExponent)
{
    const int integerDigits = d.IsZero() ? 0 : (d.point > 0 ? d.point : 0);
    // The last fraction digit that a "#" placeholder must still show.
    int lastSignificantFraction = -1;
    for (int k = shape.fractionPlaceholders - 1; k >= 0; --k) {
        if (d.At(d.point + k) != '0') {
            lastSignificantFraction = k;
            break;
        }
    }
    auto integerDigit = [&](int fromRight) { return d.At(integerDigits - 1 - fromRight); };
    auto emitIntegerDigit = [&](int fromRight) {
        out += integerDigit(fromRight);
        if (shape.grouping && fromRight > 0 && fromRight % 3 == 0)
            out += ',';
    };
    auto emitExtraIntegerDigits = [&] {
        for (int r = integerDigits - 1; r >= shape.integerPlaceholders; --r)
            emitIntegerDigit(r);
    };

    int integerIndex = 0;
    int fractionIndex = 0;
    bool pointSeen = false;
    bool inExponent = false;
    bool exponentDone = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') {
            while (++i < s.size() && s[i] != '"')
                out += s[i];
        } else if (c == '\\') {
            if (i + 1 < s.size())
                out += s[++i];
        } else if (inExponent && IsPlaceholder(c)) {
            if (!exponentDone) {
                AppendExponent(out, shownExponent, shape.exponentZeros, false);
                exponentDone = true;
            }
        } else if (IsPlaceholder(c) && !pointSeen && !inExponent) {
            if (integerIndex == 0)
                emitExtraIntegerDigits();
            const int fromRight = shape.integerPlaceholders - 1 - integerIndex;
            const bool zeroFilled = shape.firstIntegerZero >= 0 && integerIndex >= shape.firstIntegerZero;
            if (fromRight < integerDigits || zeroFilled)
                emitIntegerDigit(fromRight);
            ++integerIndex;
        } else if (IsPlaceholder(c) && pointSeen && !inExponent) {
            if (c == '0' || fractionIndex <= lastSignificantFraction
                || fractionIndex < shape.lastFractionZero)
                out += d.At(d.point + fractionIndex);
            ++fractionIndex;
        } else if (c == '.' && !pointSeen && !inExponent) {
            if (shape.integerPlaceholders == 0)
                emitExtraIntegerDigits();
            pointSeen = true;
            out += '.';
        } else if (c == ',' && !pointSeen && !inExponent) {
            // grouping and scaling are handled through the shape
        } else if (IsExponentStart(s, i) && !inExponent && shape.exponent) {
            inExponent = true;
            out += c;
            if (s[i + 1] == '+')
                out += shownExponent < 0 ? '-' : '+';
            else if (shownExponent < 0)
                out += '-';
            ++i;
            // the sign is written here; the digits follow with the placeholders,
            // or right here when none follows
            shownExponent = shownExponent < 0 ? -shownExponent : shownExponent;
            if (shape.exponentPlaceholders == 0) {
                AppendExponent(out, shownExponent, 0, false);
                exponentDone = true;
            }
        } else {
            out += c;
        }
    }
}

bool SameName(std::string_view pattern, std::string_view name)
{
    if (name.size() != pattern.size())
        return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        char a = pattern[i];
        char b = name[i];
        if (a >= 'A' && a <= 'Z')
            a = static_cast<char>(a - 'A' + 'a');
        if (b >= 'A' && b <= 'Z')
            b = static_cast<char>(b - 'A' + 'a');
        if (a != b)
            return false;
    }
    return true;
}

bool IsGeneralNumber(std::string_view pattern)
{
    return SameName(pattern, "General Number");
}

std::string_view NamedPattern(std::string_view pattern)
{
    auto same = [&](std::string_view name) { return SameName(pattern, name); };
    if (same("Fixed"))
        return "0.00";
    if (same("Standard"))
        return "#,##0.00";
    if (same("Percent"))
        return "0.00%";
    if (same("Scientific"))
        return "0.00E+00";
    return pattern;
}

template <typename Real> std::string FormatWithPattern(Real value, std::string_view pattern)
{
    pattern = NamedPattern(pattern);
    std::string_view sections[4];
    const int count = SplitSections(pattern, sections);
    const bool negative = value < 0;
    const bool zero = value == 0;
    std::string_view section = sections[0];
    bool writeSign = negative;
    if (negative && count >= 2 && !sections[1].empty()) {
        section = sections[1];
        writeSign = false;
    } else if (zero && count >= 3 && !sections[2].empty()) {
        section = sections[2];
    }

    const SectionShape shape = Analyse(section);
    Decimal d = ToDecimal(negative ? -value : value);
    d.point += 2 * shape.percents - 3 * shape.scaleCommas;
    int shownExponent = 0;
    if (shape.exponent) {
        const int significant = shape.integerPlaceholders + shape.fractionPlaceholders;
        if (!d.IsZero()) {
            RoundTo(d, significant > 0 ? significant : 1);
            shownExponent = d.point - shape.integerPlaceholders;
            d.point = shape.integerPlaceholders;
            if (significant == 0)
                d.count = 0;
        }
    } else {
        RoundTo(d, d.point + shape.fractionPlaceholders);
    }

    std::string out;
    const int integerDigits = d.point > 0 ? d.point : 0;
    out.reserve(section.size() + static_cast<std::size_t>(integerDigits + integerDigits / 3) + 8);
    if (writeSign)
        out += '-';
    Emit(out, section, shape, d, shownExponent);
    return out;
}

// Fast paths for the patterns the lists use most: "0", "0.0" to
// "0.000000000", "0000E+00" and the empty pattern, all for singles. The
// general routine rounds the shortest decimal form of the value; these work
// on the single's exact value and its round-trip interval instead, finding
// only as many digits of the shortest form as the rounding needs, in exact
// double and integer steps. They give up (returning false) outside the range
// these steps cover; whatever they return is the general routine's text.

constexpr double PowersOfTen[] = {
    1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18};
constexpr std::int64_t IntegerPowersOfTen[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000,
    1000000000, 10000000000, 100000000000, 1000000000000, 10000000000000, 100000000000000, 1000000000000000,
    10000000000000000, 100000000000000000, 1000000000000000000};

// Half the distance from a normal single of the biased exponent
// \p exponentField to the next single up: 2^(exponentField - 151).
double HalfUlp(std::uint32_t exponentField)
{
    const std::uint64_t bits = static_cast<std::uint64_t>(exponentField - 151 + 1023) << 52;
    double halfUlp;
    std::memcpy(&halfUlp, &bits, sizeof halfUlp);
    return halfUlp;
}

// The round-trip interval of a positive normal single: every decimal in it
// reads back as the single. Kept in units of 10^min(power, 0), where the
// single's value and the bounds are exact doubles (24 + 1 bits times 5^12 fit
// into 53 bits); candidates are counted in steps of 10^max(power, 0) units.
struct RoundTripInterval {
    double x = 0; // the value
    double lo = 0;
    double hi = 0;
    std::int64_t first = 0; // the whole units in the interval
    std::int64_t last = -1;
    std::int64_t step = 1;

    bool HoldsMultiple(std::int64_t of) const
    {
        return first <= last && (of == 1 || last / of * of >= first);
    }
};

bool MakeInterval(float value, int power, RoundTripInterval& interval)
{
    if (power < -12 || power > 15)
        return false;
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const std::uint32_t exponentField = (bits >> 23) & 0xFF;
    if (exponentField == 0 || exponentField == 0xFF)
        return false; // subnormal, infinite or not a number
    const double scale = power < 0 ? PowersOfTen[-power] : 1.0;
    interval.step = power > 0 ? IntegerPowersOfTen[power] : 1;
    interval.x = static_cast<double>(value < 0 ? -value : value) * scale;
    // Half the distance to the next single up; the one below is half as far
    // when the value is a power of two.
    const double halfUlp = HalfUlp(exponentField) * scale;
    interval.hi = interval.x + halfUlp;
    interval.lo = (bits & 0x7FFFFF) == 0 ? interval.x - halfUlp / 2 : interval.x - halfUlp;
    if (interval.hi >= 0x1p52)
        return false;
    // The bounds belong to the interval when the significand is even.
    const bool closed = (bits & 1) == 0;
    // Both bounds are positive: truncation is the floor.
    const std::int64_t loFloor = static_cast<std::int64_t>(interval.lo);
    const std::int64_t hiFloor = static_cast<std::int64_t>(interval.hi);
    const bool loWhole = static_cast<double>(loFloor) == interval.lo;
    interval.first = loFloor + (loWhole && closed ? 0 : 1);
    interval.last = hiFloor - (!closed && static_cast<double>(hiFloor) == interval.hi ? 1 : 0);
    return true;
}

enum class Shortest { Found, None, InDoubt };

// When a multiple of the step lies in the interval, the shortest decimal form
// s is one (a shorter form would otherwise exist): a multiple of the largest
// power of ten that has a multiple there, the one closest to the value. Sets
// \p steps to s / step.
Shortest ShortestMultiple(const RoundTripInterval& in, std::int64_t& steps)
{
    // the multiples of the step in the interval: low * step to high * step
    std::int64_t low = in.first;
    std::int64_t high = in.last;
    if (in.step != 1 && low <= high) {
        low = (low + in.step - 1) / in.step;
        high /= in.step;
    }
    if (low > high)
        return Shortest::None;
    // Ten times coarser while a multiple is left (low is 1 at least).
    std::int64_t unit = 1;
    while ((low + 9) / 10 <= high / 10) {
        low = (low + 9) / 10;
        high /= 10;
        unit *= 10;
    }
    if (low != high) {
        // At most nine candidates: the last one at or below the value, or the
        // next one when that is closer; a tie goes to the even digit, as
        // std::to_chars resolves it.
        const double candidate = static_cast<double>(unit * in.step);
        while (low < high && static_cast<double>(low + 1) * candidate <= in.x)
            ++low;
        if (low < high) {
            const double toBelow = in.x - static_cast<double>(low) * candidate;
            const double toAbove = static_cast<double>(low + 1) * candidate - in.x;
            if (toAbove < toBelow || (toAbove == toBelow && low % 2 != 0))
                ++low;
        }
    }
    steps = low * unit;
    return Shortest::Found;
}

// The common case of RoundShortest, for a power of at most 0, when the value's round-trip
// interval is narrower than ten units of 10^-\p scale, in a few exact steps.
// In those units the value x and the interval's bounds are exact doubles (the
// significand times 5^scale fits into 53 bits), and the interval is x plus or
// minus half a unit-in-the-last-place. Narrower than a unit, it holds at most
// one whole unit, and when it does, that is the shortest form. When it holds
// none, the shortest form rounds like x unless the half unit h lies in the
// interval too; then the shortest form has one decimal more: the tenth
// nearest to x, which is h itself when x is less than a twentieth from it.
// Powers of two (an interval lopsided below) and ties are left to
// RoundShortest. False when it cannot tell.
bool NearestWhole(float magnitude, int scale, std::int64_t& rounded)
{
    if (scale < 0 || scale > 11)
        return false;
    std::uint32_t bits;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const std::uint32_t exponentField = bits >> 23;
    if (exponentField == 0 || exponentField == 0xFF || (bits & 0x7FFFFF) == 0)
        return false;
    double halfUlp = HalfUlp(exponentField) * PowersOfTen[scale];
    if (halfUlp >= 5)
        return false;
    const double x = static_cast<double>(magnitude) * PowersOfTen[scale];
    // The bounds belong to the interval when the significand is even.
    const bool closed = (bits & 1) == 0;
    auto inside = [&](double v) {
        const double distance = v < x ? x - v : v - x; // exact
        return closed ? distance <= halfUlp : distance < halfUlp;
    };
    const std::int64_t whole = static_cast<std::int64_t>(x);
    if (halfUlp >= 0.5) {
        // Wider than a unit, narrower than ten: a multiple of ten in it is
        // the only one and the shortest form; else the whole unit nearest to
        // x is (it is inside), a tie left to RoundShortest.
        const std::int64_t ten = static_cast<std::int64_t>(x + halfUlp) / 10 * 10;
        if (inside(static_cast<double>(ten))) {
            rounded = ten;
            return true;
        }
        const double fraction = x - static_cast<double>(whole);
        if (fraction == 0.5)
            return false;
        rounded = whole + (fraction > 0.5 ? 1 : 0);
        return true;
    }
    const double wholeUnits = static_cast<double>(whole);
    if (inside(wholeUnits)) {
        rounded = whole;
        return true;
    }
    if (inside(wholeUnits + 1)) {
        rounded = whole + 1;
        return true;
    }
    const double half = wholeUnits + 0.5;
    if (x > half || !inside(half)) {
        rounded = whole + (x > half ? 1 : 0);
        return true;
    }
    // x below h, both in the interval: every tenth between them is too. In
    // tenths (exact for scale + 1 <= 12) h is 10 * whole + 5.
    const double tenths = static_cast<double>(magnitude) * PowersOfTen[scale + 1];
    const double below = static_cast<double>(10 * whole + 5) - tenths;
    if (below == 0.5)
        return false;
    rounded = whole + (below < 0.5 ? 1 : 0);
    return true;
}

// Sets \p rounded to the shortest decimal form s of the positive normal
// single \p value, divided by 10^power and rounded half away from zero;
// false when the value is out of the range these exact steps cover.
bool RoundShortest(float value, int power, std::int64_t& rounded)
{
    if (power <= 0 && NearestWhole(value < 0 ? -value : value, -power, rounded))
        return true;
    RoundTripInterval in;
    if (!MakeInterval(value, power, in))
        return false;
    std::int64_t s = 0;
    switch (ShortestMultiple(in, s)) {
    case Shortest::Found:
        rounded = s;
        return true;
    case Shortest::InDoubt:
        return false;
    case Shortest::None:
        break;
    }
    // s lies strictly between two multiples of the step; unless a half step
    // lies in the interval as well, every point of it rounds alike.
    bool halfInside = false;
    if (in.step == 1) {
        const std::int64_t whole = static_cast<std::int64_t>(in.x);
        const double half = static_cast<double>(whole) + 0.5;
        halfInside = in.lo <= half && half <= in.hi;
        if (!halfInside) {
            rounded = whole + (in.x >= half ? 1 : 0);
            return true;
        }
    } else if (!in.HoldsMultiple(in.step / 2)) {
        const std::int64_t whole = static_cast<std::int64_t>(in.x);
        rounded = whole / in.step + (whole % in.step >= in.step / 2 ? 1 : 0);
        return true;
    }
    // The half step is a multiple of a tenth step, so s is one: find it one
    // decimal finer and round that.
    RoundTripInterval finer;
    if (!MakeInterval(value, power - 1, finer) || ShortestMultiple(finer, s) != Shortest::Found)
        return false;
    rounded = (s + 5) / 10;
    return true;
}

// The decimal exponent of the first digit of the positive single \p value,
// for 1e-9 <= value < 1e18; false outside.
bool DecimalExponent(float value, int& exponent)
{
    const double v = value;
    if (v >= 1.0) {
        if (v >= 1e18)
            return false;
        // From the binary exponent b (2^b <= v < 2^(b + 1)): floor(b log10 2)
        // or one more.
        std::uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        const int binary = static_cast<int>((bits >> 23) & 0xFF) - 127;
        const int e = (binary * 78913) >> 18;
        exponent = v >= PowersOfTen[e + 1] ? e + 1 : e;
        return true;
    }
    if (v < 1e-9)
        return false;
    // The same estimate from below (the shift floors a negative product);
    // v * 10^k is exact for k <= 12, so the comparison is.
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const int binary = static_cast<int>((bits >> 23) & 0xFF) - 127;
    const int e = (binary * 78913) >> 18;
    exponent = v * PowersOfTen[-(e + 1)] >= 1.0 ? e + 1 : e;
    return true;
}

// The text of a fast path: a sign, up to 20 digits, point and exponent.
// The text of a fast path (a sign, up to 20 digits, point and exponent) ends
// at TextEnd, with room behind it to copy a whole short string at once.
using Buffer = char[NumberText::Room];
constexpr std::size_t TextEnd = 48;
static_assert(TextEnd + 16 <= NumberText::Room);

// "00" to "99".
constexpr char DigitPairs[]
    = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";

// Writes the digits of \p n right-aligned ending at \p end, at least \p
// minDigits of them; returns the start.
char* PutDigits(char* end, std::uint64_t n, int minDigits)
{
    char* p = end;
    while (n >= 100) {
        const char* pair = DigitPairs + 2 * (n % 100);
        *--p = pair[1];
        *--p = pair[0];
        n /= 100;
        minDigits -= 2;
    }
    if (n >= 10) {
        *--p = DigitPairs[2 * n + 1];
        *--p = DigitPairs[2 * n];
        minDigits -= 2;
    } else {
        *--p = static_cast<char>('0' + n);
        minDigits -= 1;
    }
    for (; minDigits > 0; --minDigits)
        *--p = '0';
    return p;
}

template <int Decimals> bool FastFixed(float value, Buffer& buffer, std::string_view& text)
{
    char* const end = buffer + TextEnd;
    std::int64_t n = 0;
    if (value != 0 && !RoundShortest(value, -Decimals, n))
        return false;
    char* p = end;
    std::uint64_t digits = static_cast<std::uint64_t>(n);
    if constexpr (Decimals > 0) {
        constexpr std::uint64_t Unit = static_cast<std::uint64_t>(IntegerPowersOfTen[Decimals]);
        p = PutDigits(p, digits % Unit, Decimals);
        digits /= Unit;
        *--p = '.';
    }
    p = PutDigits(p, digits, 1);
    if (value < 0)
        *--p = '-';
    text = std::string_view(p, static_cast<std::size_t>(end - p));
    return true;
}

// The first \p Count significant digits of the nonzero single \p value,
// rounded: \p n (10^(Count - 1) to 10^Count - 1) and the decimal exponent of
// its first digit.
template <int Count> bool SignificantDigits(float value, std::int64_t& n, int& exponent)
{
    if (!DecimalExponent(value < 0 ? -value : value, exponent)
        || !RoundShortest(value, exponent - (Count - 1), n))
        return false;
    constexpr std::int64_t First = IntegerPowersOfTen[Count - 1];
    if (n == 10 * First) { // rounded up to a digit more
        n = First;
        ++exponent;
    }
    return n >= First && n < 10 * First;
}

// "0000E+00": four digits, the exponent with sign and at least two digits.
bool FastFourDigitExponent(float value, Buffer& buffer, std::string_view& text)
{
    if (value == 0) {
        std::memcpy(buffer, "0000E+00", 8);
        text = std::string_view(buffer, 8);
        return true;
    }
    int exponent = 0;
    std::int64_t n = 0;
    if (!SignificantDigits<4>(value, n, exponent))
        return false;
    char* const end = buffer + TextEnd;
    int shown = exponent - 3;
    char* p = PutDigits(end, static_cast<std::uint64_t>(shown < 0 ? -shown : shown), 2);
    *--p = shown < 0 ? '-' : '+';
    *--p = 'E';
    p = PutDigits(p, static_cast<std::uint64_t>(n), 4);
    if (value < 0)
        *--p = '-';
    text = std::string_view(p, static_cast<std::size_t>(end - p));
    return true;
}

// The seven digits of \p n (1000000 to 9999999) at \p out.
void PutSevenDigits(char* out, std::uint32_t n)
{
    const std::uint32_t high = n / 10000; // 100 to 999
    const std::uint32_t low = n % 10000;
    out[0] = static_cast<char>('0' + high / 100);
    std::memcpy(out + 1, DigitPairs + 2 * (high % 100), 2);
    std::memcpy(out + 3, DigitPairs + 2 * (low / 100), 2);
    std::memcpy(out + 5, DigitPairs + 2 * (low % 100), 2);
}

// The empty pattern: the Str$ form with 7 significant digits (GeneralForm).
bool FastPlainSingle(float value, Buffer& buffer, std::string_view& text)
{
    if (value == 0) {
        buffer[0] = '0';
        text = std::string_view(buffer, 1);
        return true;
    }
    int exponent = 0;
    std::int64_t n = 0;
    if (!SignificantDigits<7>(value, n, exponent))
        return false;
    char* const digits = buffer + 8;
    PutSevenDigits(digits, static_cast<std::uint32_t>(n));
    if (exponent >= 0 && exponent < 7) {
        // 1 to 9999999: the whole part moved one left for the point when a
        // fraction digit other than 0 is left.
        const int whole = exponent + 1;
        int count = 7;
        while (count > whole && digits[count - 1] == '0')
            --count;
        char* p = digits;
        if (count > whole) {
            for (int i = 0; i < whole; ++i)
                digits[i - 1] = digits[i];
            digits[whole - 1] = '.';
            --p;
        }
        if (value < 0)
            *--p = '-';
        text = std::string_view(p, static_cast<std::size_t>(digits + count - p));
        return true;
    }
    int count = 7;
    while (digits[count - 1] == '0')
        --count;
    char* p = buffer + 16;
    char* const start = p;
    if (value < 0)
        *p++ = '-';
    if (exponent >= 7 || exponent <= -4) {
        *p++ = digits[0];
        if (count > 1) {
            *p++ = '.';
            for (int i = 1; i < count; ++i)
                *p++ = digits[i];
        }
        *p++ = 'E';
        *p++ = exponent < 0 ? '-' : '+';
        const int shown = exponent < 0 ? -exponent : exponent;
        *p++ = static_cast<char>('0' + shown / 10);
        *p++ = static_cast<char>('0' + shown % 10);
    } else { // 1E-03 to 1: a point and the zeros after it
        *p++ = '.';
        for (int i = exponent + 1; i < 0; ++i)
            *p++ = '0';
        for (int i = 0; i < count; ++i)
            *p++ = digits[i];
    }
    text = std::string_view(start, static_cast<std::size_t>(p - start));
    return true;
}

bool FastForm(float value, int kind, Buffer& buffer, std::string_view& text)
{
    switch (kind) {
    case 0:
        return FastFixed<0>(value, buffer, text);
    case 1:
        return FastFixed<1>(value, buffer, text);
    case 2:
        return FastFixed<2>(value, buffer, text);
    case 3:
        return FastFixed<3>(value, buffer, text);
    case 4:
        return FastFixed<4>(value, buffer, text);
    case 5:
        return FastFixed<5>(value, buffer, text);
    case 6:
        return FastFixed<6>(value, buffer, text);
    case 7:
        return FastFixed<7>(value, buffer, text);
    case 8:
        return FastFixed<8>(value, buffer, text);
    case 9:
        return FastFixed<9>(value, buffer, text);
    case NumberPattern::FourDigitExponent:
        return FastFourDigitExponent(value, buffer, text);
    case NumberPattern::Plain:
        return FastPlainSingle(value, buffer, text);
    default:
        return false;
    }
}

} // namespace

int NumberPattern::FastPathOf(std::string_view pattern)
{
    const std::size_t size = pattern.size();
    if (size == 0)
        return Plain;
    if (pattern[0] != '0')
        return None;
    if (size == 1)
        return 0; // "0"
    if (size == 8 && pattern == "0000E+00")
        return FourDigitExponent;
    // "0.0" to "0.000000000": the number of decimals
    if (size < 3 || size > 11 || pattern[1] != '.')
        return None;
    for (std::size_t i = 2; i < size; ++i)
        if (pattern[i] != '0')
            return None;
    return static_cast<int>(size - 2);
}

std::string FormatNumber(double value, std::string_view pattern)
{
    std::string special;
    if (SpecialValue(value, special))
        return special;
    if (pattern.empty())
        return FormatNumber(static_cast<float>(value), pattern);
    if (IsGeneralNumber(pattern))
        return GeneralForm(ToDecimal(std::fabs(value)), value < 0, 15);
    return FormatWithPattern(value, pattern);
}

std::string FormatNumber(float value, std::string_view pattern)
{
    Buffer buffer{};
    std::string_view text;
    if (FastForm(value, NumberPattern::FastPathOf(pattern), buffer, text)) {
        if (text.size() < 16) {
            // one fixed-size copy into the string's own short buffer
            std::string out(text.data(), 15);
            out.resize(text.size());
            return out;
        }
        return std::string(text);
    }
    return FormatNumberGeneral(value, pattern);
}

std::string_view FormatNumber(float value, std::string_view pattern, NumberText& room)
{
    return FormatNumber(value, NumberPattern(pattern), room);
}

std::string_view FormatNumber(float value, const NumberPattern& pattern, NumberText& room)
{
    std::string_view text;
    if (FastForm(value, pattern.fast_, room.buffer, text)) {
        room.ascii = true;
        return text;
    }
    room.general = FormatNumberGeneral(value, pattern.Text());
    room.ascii = false;
    return room.general;
}

bool PlainSingleReadBack(float value, float& result)
{
    if (value == 0) {
        result = 0.0f; // the text is "0", also for a negative zero
        return true;
    }
    // 10^k for k <= 10 is exact as a single (5^10 < 2^24), and so is every
    // seven-digit n: n * 10^k and n / 10^k are then one correctly rounded
    // operation, the single that the decimal text reads back as.
    static constexpr float Powers[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
    std::int64_t n = 0;
    int exponent = 0;
    if (!SignificantDigits<7>(value, n, exponent))
        return false;
    const int power = exponent - 6;
    if (power < -10 || power > 10)
        return false;
    const float digits = static_cast<float>(n);
    const float magnitude = power < 0 ? digits / Powers[-power] : digits * Powers[power];
    result = value < 0 ? -magnitude : magnitude;
    return true;
}

std::string FormatNumberGeneral(float value, std::string_view pattern)
{
    std::string special;
    if (SpecialValue(value, special))
        return special;
    if (pattern.empty())
        return GeneralForm(ToDecimal(std::fabs(value)), value < 0, 7);
    if (IsGeneralNumber(pattern))
        return GeneralForm(ToDecimal(std::fabs(value)), value < 0, 15);
    return FormatWithPattern(value, pattern);
}

} // namespace teska
