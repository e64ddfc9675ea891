// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The number format of a spreadsheet cell that shows a value as FormatNumber
// does with a list pattern, so that an exported number keeps its value and
// shows the list's digits.

#include <string>
#include <string_view>

namespace teska {

// The spreadsheet format code (OOXML/ODF notation) for the FormatNumber
// \p pattern:
//   - "" and "General Number" become "General"; the named patterns
//     ("Fixed", "Standard", "Percent", "Scientific") their patterns;
//   - 0 # , . % E+ E- "text" and \c keep their meaning; a second decimal
//     point and every other character become escaped literals (a
//     spreadsheet reads letters such as d, m, y, h, s as date codes);
//   - a comma after the decimal point is a printed comma (before it,
//     grouping or scaling by 1000 as in a spreadsheet);
//   - sections: an empty or missing negative section becomes "-" and the
//     positive section (the list writes a minus sign there, also for a
//     value that rounds to zero; a spreadsheet would write nothing), an
//     empty zero section the positive section;
//   - a pattern ending in a decimal point ("#.") shows the point in Excel
//     but not in LibreOffice, which leaves a trailing point out;
//   - an exponent pattern with more than one integer placeholder (the list
//     fills them all: "0000E+00" gives "1235E+01") has no equal in a
//     spreadsheet, which steps its exponents by the placeholder count; it
//     becomes one integer digit with the same number of significant digits
//     ("0.000E+00"), so the same digits show in the usual place.
std::string SpreadsheetNumberFormat(std::string_view pattern);

// The value a single-precision list value is stored with: the double
// nearest to its shortest decimal form, so that 1.005f is 1.005 (not
// 1.00499999523) and rounds in the spreadsheet as it does in the list.
double SpreadsheetValue(float value);

} // namespace teska
