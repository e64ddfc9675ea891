// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/format/FormatNumber.h"

#include <charconv>
#include <cmath>

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

} // namespace

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
