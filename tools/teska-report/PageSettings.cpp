// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PageSettings.h"

#include <string>

namespace teska::report {

ListPageSettings ResolvePageSettings(const ReportOptions& options, const PageLayout& storedLayout,
    const PrintOptions& stored, int measuredLines, int measuredChars)
{
    ListPageSettings s;
    const int lines = options.lines.value_or(measuredLines);
    const int chars = options.chars.value_or(measuredChars);
    if (lines < 1 || lines > 32767 || chars < 1 || chars > 32767)
        throw UsageError{"page size " + std::to_string(lines) + " lines by " + std::to_string(chars)
            + " characters is not usable"};
    s.LinesPerPage = static_cast<std::int16_t>(lines);
    s.CharsPerLine = static_cast<std::int16_t>(chars);

    s.Layout = storedLayout;
    if (options.margins) {
        const std::vector<int>& m = *options.margins;
        s.Layout.LeftMargin = static_cast<std::int16_t>(m.at(0));
        s.Layout.TopMargin = static_cast<std::int16_t>(m.at(1));
        s.Layout.BottomMargin = static_cast<std::int16_t>(m.at(2));
    }
    // The page dialog accepts a left margin up to CharsPerLine - 1 and top and
    // bottom margins up to LinesPerPage - 1; the same limits hold here.
    if (s.Layout.LeftMargin >= s.CharsPerLine)
        throw UsageError{"left margin " + std::to_string(s.Layout.LeftMargin)
            + " leaves no room on a line of " + std::to_string(s.CharsPerLine) + " characters"};
    if (s.Layout.TopMargin >= s.LinesPerPage || s.Layout.BottomMargin >= s.LinesPerPage)
        throw UsageError{
            "top or bottom margin leaves no room on a page of " + std::to_string(s.LinesPerPage) + " lines"};

    const bool numbered = options.noPageNumbers ? false : (options.firstPage ? true : stored.NumberPages);
    const int first = options.firstPage.value_or(stored.FirstPage);
    s.PageNumber = static_cast<std::int16_t>(PageNumberBeforeFirst(numbered, first));
    s.CopyCount = static_cast<std::int16_t>(options.copies.value_or(stored.CopyCount));
    s.PrintCompanyHeader = options.company.value_or(stored.PrintCompanyHeader);
    s.PrintJobData = options.jobData.value_or(stored.PrintJobData);
    return s;
}

} // namespace teska::report
