// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/SpreadsheetFormat.h"

#include <charconv>
#include <vector>

namespace teska {

namespace {

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// The sections of a pattern, split at the semicolons outside quotes and
// escapes.
std::vector<std::string_view> Sections(std::string_view pattern)
{
    std::vector<std::string_view> out;
    std::size_t start = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '"')
            quoted = !quoted;
        else if (c == '\\' && !quoted)
            ++i;
        else if (c == ';' && !quoted) {
            out.push_back(pattern.substr(start, i - start));
            start = i + 1;
        }
    }
    out.push_back(pattern.substr(start));
    return out;
}

bool IsExponentAt(std::string_view s, std::size_t i)
{
    return (s[i] == 'E' || s[i] == 'e') && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-');
}

// One section in spreadsheet notation.
std::string Section(std::string_view s)
{
    // An exponent form with several integer placeholders: one integer digit,
    // the others moved behind the point.
    int integerPlaceholders = 0;
    bool exponent = false;
    bool point = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '"') {
            const std::size_t close = s.find('"', i + 1);
            i = close == std::string_view::npos ? s.size() : close;
        } else if (s[i] == '\\')
            ++i;
        else if (s[i] == '.')
            point = true;
        else if ((s[i] == '0' || s[i] == '#') && !point && !exponent)
            ++integerPlaceholders;
        else if (IsExponentAt(s, i))
            exponent = true;
    }
    const int moved = exponent && integerPlaceholders > 1 ? integerPlaceholders - 1 : 0;

    std::string out;
    bool pointSeen = false;
    bool inExponent = false;
    bool movedPending = false; // the moved digits wait for the point
    int integerSeen = 0;
    const auto placeMoved = [&] {
        if (movedPending) {
            out += '.';
            out.append(static_cast<std::size_t>(moved), '0');
            movedPending = false;
        }
    };
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') {
            const std::size_t close = s.find('"', i + 1);
            const std::size_t end = close == std::string_view::npos ? s.size() : close;
            out += '"';
            out.append(s.substr(i + 1, end - i - 1));
            out += '"';
            i = end;
        } else if (c == '\\') {
            if (i + 1 < s.size()) {
                out += '\\';
                out += s[++i];
            }
        } else if (c == '0' || c == '#') {
            if (moved > 0 && !pointSeen && !inExponent) {
                if (++integerSeen == 1) {
                    out += '0';
                    movedPending = true;
                }
                continue;
            }
            out += c;
        } else if (c == '.' && !pointSeen && !inExponent) {
            pointSeen = true;
            if (movedPending)
                placeMoved();
            else
                out += '.';
        } else if (c == ',' && !pointSeen && !inExponent) {
            // Grouping or scaling; after the point a comma is printed.
            out += ',';
        } else if (c == '%') {
            out += '%';
        } else if (IsExponentAt(s, i)) {
            placeMoved();
            pointSeen = true;
            out += c;
            out += s[++i];
            inExponent = true;
        } else {
            out += '\\';
            out += c;
        }
    }
    return out;
}

} // namespace

std::string SpreadsheetNumberFormat(std::string_view pattern)
{
    if (pattern.empty() || SameName(pattern, "General Number"))
        return "General";
    if (SameName(pattern, "Fixed"))
        pattern = "0.00";
    else if (SameName(pattern, "Standard"))
        pattern = "#,##0.00";
    else if (SameName(pattern, "Percent"))
        pattern = "0.00%";
    else if (SameName(pattern, "Scientific"))
        pattern = "0.00E+00";

    const std::vector<std::string_view> sections = Sections(pattern);
    const std::string positive = Section(sections[0]);
    // Always a negative section: a spreadsheet leaves out the sign of a
    // negative value that rounds to zero, the list writes "-0.0".
    if (sections.size() == 1)
        return positive + ";-" + positive;
    std::string out = positive + ';';
    out += sections[1].empty() ? "-" + positive : Section(sections[1]);
    if (sections.size() >= 3)
        out += ';' + (sections[2].empty() ? positive : Section(sections[2]));
    return out;
}

double SpreadsheetValue(float value)
{
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    double out = value;
    std::from_chars(buffer, written.ptr, out);
    return out;
}

} // namespace teska
