// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "suite/CatalogueOptions.h"

#include <cstdint>

namespace teska {

namespace {

// Upper-cases the character that starts at \p i (ASCII or a two-byte Latin-1
// letter), appends it to \p out and returns the length of the character.
std::size_t appendUpper(const std::string& text, std::size_t i, std::string& out)
{
    const auto c = static_cast<std::uint8_t>(text[i]);
    if (c >= 'a' && c <= 'z') {
        out += static_cast<char>(c - 'a' + 'A');
        return 1;
    }
    if (c == 0xC3 && i + 1 < text.size()) {
        const auto d = static_cast<std::uint8_t>(text[i + 1]);
        // U+00E0..U+00FE except U+00F7 (division sign) map down by 0x20.
        if (d >= 0xA0 && d <= 0xBE && d != 0xB7) {
            out += static_cast<char>(0xC3);
            out += static_cast<char>(d - 0x20);
            return 2;
        }
    }
    std::size_t length = 1;
    if (c >= 0xF0)
        length = 4;
    else if (c >= 0xE0)
        length = 3;
    else if (c >= 0xC0)
        length = 2;
    if (i + length > text.size())
        length = text.size() - i;
    out.append(text, i, length);
    return length;
}

std::string stripColon(std::string text)
{
    std::size_t end = text.find_last_not_of(" \t");
    if (end != std::string::npos && text[end] == ':') {
        text.erase(end);
        const std::size_t last = text.find_last_not_of(" \t");
        text.erase(last == std::string::npos ? 0 : last + 1);
    }
    return text;
}

bool endsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

std::string UpperCaseUtf8(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();)
        i += appendUpper(text, i, out);
    return out;
}

std::string CapitaliseUtf8(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t\n");
    if (first == std::string::npos)
        return text;
    std::string out = text.substr(0, first);
    const std::size_t length = appendUpper(text, first, out);
    out.append(text, first + length, std::string::npos);
    return out;
}

std::string ApplyCatalogueOption(const std::string& text, const std::string (&values)[3], long option)
{
    if (option < 0 || option >= 64)
        option = 0;
    const long form = option & 0x30;
    const long flags = option & 0x0F;

    std::string out;
    out.reserve(text.size() + values[0].size() + values[1].size() + values[2].size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '|' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '3') {
            const std::string& value = values[text[i + 1] - '1'];
            if (form == FormQuotedValues)
                out += '"' + value + '"';
            else if (form == FormBracketedValues)
                out += '(' + value + ')';
            else
                out += value;
            ++i;
            continue;
        }
        out += text[i];
    }

    if (form == FormHeading)
        out = CapitaliseUtf8(stripColon(std::move(out)));
    if (flags & OptionStripColon)
        out = stripColon(std::move(out));
    if (flags & OptionUpperCase)
        out = UpperCaseUtf8(out);
    else if (flags & OptionCapitalise)
        out = CapitaliseUtf8(out);
    if ((flags & OptionEllipsis) && !endsWith(out, "...") && !endsWith(out, "\xE2\x80\xA6"))
        out += "...";
    return out;
}

} // namespace teska
