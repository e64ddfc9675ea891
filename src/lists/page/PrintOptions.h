// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The print options of the page dialog, stored under the section
// "List frmPlotPage", and the page numbering rules of a print run.
//
// Stored keys (defaults when absent): "Firma" 1, "Auftrag" 1,
// "OptPageNo" True, "NoCopy" 1, "NSeite" 1. "NSeite" holds the first page
// number, or -1 when the pages are not numbered.

#include <string>

namespace teska {

class SettingsStore;

inline constexpr const char* PrintOptionsSection = "List frmPlotPage";
// PageNumber value meaning "pages are not numbered".
inline constexpr int NoPageNumbers = -2;
// Range of the first page number and of the number of copies on OK.
inline constexpr int PrintRangeMinimum = 1;
inline constexpr int PrintRangeMaximum = 32000;

struct PrintOptions {
    bool PrintCompanyHeader = true; // "Firma"
    bool PrintJobData = true; // "Auftrag"
    bool NumberPages = true; // "OptPageNo": option 0 of the page number choice
    int CopyCount = 1; // "NoCopy"
    int FirstPage = 1; // "NSeite", shown in the page number box
};

// The stored options; a stored first page number below 1 (-1 after a run
// without page numbers) is shown as 1. Unreadable values take the defaults.
PrintOptions LoadPrintOptions(const SettingsStore& settings);
// Stores the options as OK does: "NSeite" = PageNumberBeforeFirst(...) + 1.
void SavePrintOptions(SettingsStore& settings, const PrintOptions& options);

// True when \p value is accepted by OK as a first page number or a number
// of copies (1..32000).
bool InPrintRange(long value);

// PageNumber before the first page header: first page - 1, so that the
// first header shows the first page; NoPageNumbers when not numbered.
int PageNumberBeforeFirst(bool numberPages, int firstPage);
// PageNumber for the next page header; NoPageNumbers stays.
int NextPageNumber(int pageNumber);
// True when a page header carries its number.
inline bool PagesNumbered(int pageNumber)
{
    return pageNumber != NoPageNumbers;
}
// PageNumber after a run of \p pages pages. PageNumber is not reset between
// copies, so the next copy continues the numbering from here.
int PageNumberAfterPages(int pageNumber, int pages);

// The spin button of the page number and copies boxes: down stops at 1
// (\p beep set), up adds 1 without limit.
int SpinDown(int value, bool& beep);
inline int SpinUp(int value)
{
    return value + 1;
}

} // namespace teska
