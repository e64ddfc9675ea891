// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Result tables as a spreadsheet workbook (.xlsx), written with
// libxlsxwriter in its constant-memory mode: a row goes to disk as soon as
// it is complete, so a table of a million rows needs no more memory than
// the table itself.

#include <string>
#include <vector>

namespace teska {

class SheetTable;

// False when the program was built without libxlsxwriter: WriteWorkbook
// then throws.
bool WorkbookAvailable();

// One worksheet: a table (row 1 the headings, one row per table row below,
// every cell a number with its column's format, the heading row frozen),
// or a text section (one line per row in column A, in \p textFont).
struct WorkbookSheet {
    const SheetTable* table = nullptr;
    std::string title; // text sheets (tables are named by their Title)
    std::string text; // lines ending with LF or CR LF
    std::string textFont;
};

// The name of a worksheet for the list title \p title: the characters a
// sheet name cannot hold ([ ] : * ? / \) become blanks, at most 31
// characters, no apostrophe at either end, and a " (2)", " (3)", ... when
// the name is in \p taken (compared without regard to case).
std::string WorksheetName(const std::string& title, const std::vector<std::string>& taken);

// Writes \p sheets as a workbook to \p path. Throws RuntimeError with the
// reason (no file name) when the workbook cannot be written, a table is too
// large for a worksheet (1,048,575 rows below the heading, 16,384 columns),
// or the build has no libxlsxwriter.
void WriteWorkbook(const std::string& path, const std::vector<WorkbookSheet>& sheets);

} // namespace teska
