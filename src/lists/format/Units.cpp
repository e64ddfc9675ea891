// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/format/Units.h"

#include <charconv>
#include <cmath>

#include "lists/format/FormatNumber.h"
#include "suite/Errors.h"
#include "suite/SuiteEnvironment.h"
#include "suite/TextCatalogue.h"

namespace teska {

namespace {

bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

} // namespace

std::string StripEnclosing(std::string_view text, std::string_view what)
{
    // Count code points; a lone byte that is not valid UTF-8 counts as one.
    std::size_t first = 1;
    while (first < text.size() && IsContinuation(static_cast<unsigned char>(text[first])))
        ++first;
    std::size_t last = text.size();
    if (last > 0) {
        --last;
        while (last > first && IsContinuation(static_cast<unsigned char>(text[last])))
            --last;
    }
    if (text.empty() || first >= text.size() || last < first)
        throw RuntimeError("The unit text " + std::string(what) + " \"" + std::string(text)
            + "\" is shorter than two characters");
    return std::string(text.substr(first, last - first));
}

UnitTexts LookupUnitTexts(const TextCatalogue& catalogue)
{
    return UnitTexts{catalogue.LookupText(75), catalogue.LookupText(76), catalogue.LookupText(77),
        catalogue.LookupText(78)};
}

double UnitFactor(const UnitSettings& u, long kind)
{
    const double l = u.LengthFactor;
    const double f = u.ForceFactor;
    switch (kind) {
    case 0:
        return f / (l * l);
    case 1:
        return f;
    case 2:
    case 10:
        return l * f;
    case 3:
        return f / (l * l * l);
    case 4:
        return f / l;
    case 5:
        return l * l * l * l;
    case 6:
        return l * l * l;
    case 7:
    case 11:
        return l * l;
    case 8:
        return u.Length2Factor * u.Length2Factor / l;
    case 9:
        return u.Force2Factor / (l * l);
    case 12:
        return l;
    default:
        return 0.0;
    }
}

std::string UnitLabel(const UnitSettings& u, const UnitTexts& t, long kind)
{
    if (kind < 0 || kind > 12)
        return "[]";
    const std::string l = StripEnclosing(u.LengthUnit, "of the length unit");
    const std::string l2 = StripEnclosing(u.Length2Unit, "of the second length unit");
    const std::string f = StripEnclosing(u.ForceUnit, "of the force unit");
    const std::string f2 = StripEnclosing(u.Force2Unit, "of the second force unit");
    const std::string t75 = StripEnclosing(t.T75, "75");
    const std::string t76 = StripEnclosing(t.T76, "76");
    std::string label;
    switch (kind) {
    case 0:
        label = f + "/" + l + t.T77;
        break;
    case 1:
        label = f + "." + l + "/" + l;
        break;
    case 2:
        label = f + "." + l;
        break;
    case 3:
        label = f + "/" + l + t.T78;
        break;
    case 4:
        label = f + "/" + l;
        break;
    case 5:
        label = l + "4";
        break;
    case 6:
        label = l + t.T78;
        break;
    case 7:
        label = l + t.T77;
        break;
    case 8:
        label = l2 + t.T77 + "/" + l;
        break;
    case 9:
        label = f2 + "/" + l + t.T77;
        break;
    case 10:
        label = f + "." + l + "/" + t75;
        break;
    case 11:
        label = l + t.T77 + "/" + t76;
        break;
    case 12:
        label = l + "/" + t76;
        break;
    }
    return "[" + label + "]";
}

std::string UnitLabel(const UnitSettings& units, const TextCatalogue& catalogue, long kind)
{
    if (kind < 0 || kind > 12)
        return "[]";
    return UnitLabel(units, LookupUnitTexts(catalogue), kind);
}

float RoundThroughText(double value, std::string_view pattern)
{
    // The plain form (the scaled columns of every result list) is read back
    // without its text where the digits allow.
    float plain = 0.0f;
    if (pattern.empty() && std::isfinite(value) && PlainSingleReadBack(static_cast<float>(value), plain))
        return plain;
    const std::string text = FormatNumber(value, pattern);
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    // from_chars takes no leading "+"; Str$ writes ".5", which it accepts.
    float result = 0.0f;
    const auto parsed = std::from_chars(begin, end, result);
    if (parsed.ec != std::errc() || parsed.ptr != end)
        return static_cast<float>(value);
    return result;
}

} // namespace teska
