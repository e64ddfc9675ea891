// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "suite/CatalogueParser.h"

#include <unordered_map>

#include "suite/Errors.h"
#include "suite/TextDecoding.h"

namespace teska {

namespace {

// Resolves \n, \t and \\; \p error receives a description of a bad escape.
std::string unescape(std::string_view text, std::string& error)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (i + 1 == text.size()) {
            error = "a backslash at the end of the text (write \\\\ for a backslash)";
            return {};
        }
        const char next = text[++i];
        if (next == 'n')
            out += '\n';
        else if (next == 't')
            out += '\t';
        else if (next == '\\')
            out += '\\';
        else {
            error = std::string("unknown escape \\") + next + " (only \\n, \\t and \\\\ are known)";
            return {};
        }
    }
    return out;
}

bool isBlank(std::string_view line)
{
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace

CatalogueContent ParseCatalogue(std::string_view bytes, const std::string& fileName)
{
    CatalogueContent content;
    std::unordered_map<long, std::size_t> firstLine;
    const std::vector<std::string> lines = SplitLines(DecodeSuiteText(bytes));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t lineNumber = i + 1;
        const std::string_view line = lines[i];
        auto bad = [&](const std::string& what) { throw FileFormatError(fileName, lineNumber, 0, 0, what); };
        if (isBlank(line) || line[0] == '#')
            continue;
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos)
            bad("expected an identifier or @key, a tab and the text");
        std::string error;
        const std::string text = unescape(line.substr(tab + 1), error);
        if (!error.empty())
            bad(error);
        if (line[0] == '@') {
            const std::string key(line.substr(1, tab - 1));
            if (key.empty() || key.find_first_of(" ") != std::string::npos)
                bad("expected a header key after '@'");
            content.header[key] = text;
            continue;
        }
        const std::string_view digits = line.substr(0, tab);
        if (digits.empty() || digits.size() > 9
            || digits.find_first_not_of("0123456789") != std::string_view::npos)
            bad("expected a whole-number identifier of 1 to 9 digits before the tab");
        long id = 0;
        for (const char c : digits)
            id = id * 10 + (c - '0');
        const auto [it, inserted] = firstLine.emplace(id, lineNumber);
        if (!inserted)
            bad("identifier " + std::to_string(id) + " is already defined on line "
                + std::to_string(it->second));
        content.texts.emplace(id, text);
    }
    return content;
}

} // namespace teska
