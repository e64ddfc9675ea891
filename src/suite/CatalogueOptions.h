// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The option number of a LookupText call and the substitution of the markers
// "|1", "|2", "|3". An option is the sum of a form (a multiple of 16) and
// text flags (1, 2, 4, 8); data/catalogue/README.md lists them.

#include <string>

namespace teska {

enum CatalogueOptionFlag : long {
    OptionCapitalise = 1, // first letter upper case (menu and button captions)
    OptionEllipsis = 2, // "..." appended (a command that opens a dialog)
    OptionStripColon = 4, // a trailing colon and the blanks before it removed
    OptionUpperCase = 8, // the whole text in upper case
};

enum CatalogueOptionForm : long {
    FormPlain = 0, // values inserted as they are
    FormHeading = 16, // column caption: capitalised, no trailing colon
    FormQuotedValues = 32, // each value in double quotation marks
    FormBracketedValues = 48, // each value in parentheses
};

// \p text with every "|1".."|3" replaced by values[0..2] (dressed by the
// form), then the flags applied. Negative options and forms above 48 count
// as 0; "|" followed by anything else stays as it is.
std::string ApplyCatalogueOption(const std::string& text, const std::string (&values)[3], long option);

// Upper case of ASCII and Latin-1 letters in UTF-8 text; other characters
// (Arabic has no case) are kept.
std::string UpperCaseUtf8(const std::string& text);
// The first letter (after leading blanks) in upper case.
std::string CapitaliseUtf8(const std::string& text);

} // namespace teska
