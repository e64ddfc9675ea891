// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/Workbook.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>

#include "export/SheetTable.h"
#include "export/SpreadsheetFormat.h"
#include "suite/Errors.h"

#ifdef TESKA_HAVE_XLSXWRITER
#include <xlsxwriter.h>
#endif

namespace teska {

namespace {

// Characters in UTF-8 text (continuation bytes are not counted).
std::size_t CharacterCount(const std::string& text)
{
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The first \p n characters of UTF-8 \p text.
std::string FirstCharacters(const std::string& text, std::size_t n)
{
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && seen++ == n)
            return text.substr(0, i);
    }
    return text;
}

// Worksheet limits.
constexpr std::int64_t kMaxRows = 1048576;
constexpr std::int64_t kMaxColumns = 16384;
constexpr std::size_t kMaxNameCharacters = 31;
// Rows whose texts size a column besides its heading.
constexpr std::int32_t kSizingRows = 200;

} // namespace

std::string WorksheetName(const std::string& title, const std::vector<std::string>& taken)
{
    std::string base;
    for (const char c : title) {
        const bool forbidden = c == '[' || c == ']' || c == ':' || c == '*' || c == '?' || c == '/'
            || c == '\\' || static_cast<unsigned char>(c) < 0x20;
        base += forbidden ? ' ' : c;
    }
    const auto trim = [](std::string& s) {
        while (!s.empty() && (s.back() == ' ' || s.back() == '\''))
            s.pop_back();
        std::size_t lead = 0;
        while (lead < s.size() && (s[lead] == ' ' || s[lead] == '\''))
            ++lead;
        s.erase(0, lead);
    };
    trim(base);
    if (base.empty())
        base = "Sheet";
    for (int n = 1;; ++n) {
        const std::string suffix = n == 1 ? std::string() : " (" + std::to_string(n) + ")";
        std::string name = FirstCharacters(base, kMaxNameCharacters - suffix.size());
        trim(name);
        name += suffix;
        const bool used = std::any_of(
            taken.begin(), taken.end(), [&](const std::string& t) { return Lower(t) == Lower(name); });
        if (!used)
            return name;
    }
}

#ifdef TESKA_HAVE_XLSXWRITER

bool WorkbookAvailable()
{
    return true;
}

namespace {

struct WorkbookCloser {
    void operator()(lxw_workbook* workbook) const { workbook_close(workbook); }
};

void Check(lxw_error error, const char* what)
{
    if (error != LXW_NO_ERROR)
        throw RuntimeError(std::string(what) + ": " + lxw_strerror(error));
}

void WriteTable(lxw_workbook* book, lxw_worksheet* sheet, const SheetTable& table)
{
    const std::int32_t columns = table.ColumnCount();
    const std::int32_t rows = table.RowCount();
    if (columns > kMaxColumns)
        throw RuntimeError("the table '" + table.Title() + "' has " + std::to_string(columns)
            + " columns, more than a worksheet holds (16384)");
    if (rows >= kMaxRows)
        throw RuntimeError("the table '" + table.Title() + "' has " + std::to_string(rows)
            + " rows, more than a worksheet holds below its heading (1048575)");

    lxw_format* heading = workbook_add_format(book);
    format_set_text_wrap(heading);
    format_set_bold(heading);
    format_set_align(heading, LXW_ALIGN_CENTER);
    format_set_align(heading, LXW_ALIGN_VERTICAL_TOP);
    // One format per pattern; most tables have one or two.
    std::map<std::string, lxw_format*> byPattern;
    std::vector<lxw_format*> formats(static_cast<std::size_t>(columns));
    for (std::int32_t c = 0; c < columns; ++c) {
        const std::string code = SpreadsheetNumberFormat(table.Pattern(c));
        lxw_format*& format = byPattern[code];
        if (!format) {
            format = workbook_add_format(book);
            format_set_num_format(format, code.c_str());
        }
        formats[static_cast<std::size_t>(c)] = format;
    }

    // Widths: the heading's longest line or the texts of the first rows,
    // whichever is wider, and a character to spare.
    std::size_t headingLines = 1;
    for (std::int32_t c = 0; c < columns; ++c) {
        const std::string text = table.Heading(c);
        std::size_t widest = 0, lines = 0, start = 0;
        while (start <= text.size()) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            widest = std::max(widest, CharacterCount(text.substr(start, end - start)));
            ++lines;
            start = end + 1;
        }
        headingLines = std::max(headingLines, lines);
        for (std::int32_t r = 1; r <= std::min(rows, kSizingRows); ++r)
            widest = std::max(widest, table.Text(r, c).size());
        const auto column = static_cast<lxw_col_t>(c);
        Check(worksheet_set_column(
                  sheet, column, column, static_cast<double>(std::max<std::size_t>(widest, 4) + 2), nullptr),
            "column width");
        Check(worksheet_write_string(sheet, 0, column, text.c_str(), heading), "heading");
    }
    Check(worksheet_set_row(sheet, 0, 15.0 * static_cast<double>(headingLines), nullptr), "heading height");
    worksheet_freeze_panes(sheet, 1, 0);

    for (std::int32_t r = 1; r <= rows; ++r)
        for (std::int32_t c = 0; c < columns; ++c) {
            const lxw_error error = worksheet_write_number(sheet, static_cast<lxw_row_t>(r),
                static_cast<lxw_col_t>(c), table.Value(r, c), formats[static_cast<std::size_t>(c)]);
            if (error != LXW_NO_ERROR)
                Check(error, "cell");
        }
}

void WriteText(lxw_workbook* book, lxw_worksheet* sheet, const WorkbookSheet& source)
{
    lxw_format* font = workbook_add_format(book);
    if (!source.textFont.empty())
        format_set_font_name(font, source.textFont.c_str());
    std::size_t widest = 10;
    lxw_row_t row = 0;
    std::size_t start = 0;
    const std::string& text = source.text;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (row >= kMaxRows)
            throw RuntimeError(
                "the section '" + source.title + "' has more lines than a worksheet holds (1048576)");
        widest = std::max(widest, CharacterCount(line));
        if (!line.empty())
            Check(worksheet_write_string(sheet, row, 0, line.c_str(), font), "text line");
        ++row;
        start = end + 1;
    }
    Check(
        worksheet_set_column(sheet, 0, 0, static_cast<double>(std::min<std::size_t>(widest, 250) + 1), font),
        "column width");
}

} // namespace

void WriteWorkbook(const std::string& path, const std::vector<WorkbookSheet>& sheets)
{
    std::uint64_t cells = 0;
    for (const WorkbookSheet& s : sheets)
        if (s.table)
            cells += static_cast<std::uint64_t>(s.table->RowCount())
                * static_cast<std::uint64_t>(s.table->ColumnCount());
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    // A workbook of tens of millions of cells outgrows the plain zip format.
    options.use_zip64 = cells > 20'000'000 ? LXW_TRUE : LXW_FALSE;
    std::unique_ptr<lxw_workbook, WorkbookCloser> book(workbook_new_opt(path.c_str(), &options));
    if (!book)
        throw RuntimeError("the workbook cannot be created");
    std::vector<std::string> names;
    for (const WorkbookSheet& s : sheets) {
        const std::string name = WorksheetName(s.table ? s.table->Title() : s.title, names);
        names.push_back(name);
        lxw_worksheet* sheet = workbook_add_worksheet(book.get(), name.c_str());
        if (!sheet)
            throw RuntimeError("the worksheet '" + name + "' cannot be added");
        if (s.table)
            WriteTable(book.get(), sheet, *s.table);
        else
            WriteText(book.get(), sheet, s);
    }
    const lxw_error closed = workbook_close(book.release());
    if (closed != LXW_NO_ERROR)
        throw RuntimeError(std::string("the workbook cannot be written: ") + lxw_strerror(closed));
}

#else

bool WorkbookAvailable()
{
    return false;
}

void WriteWorkbook(const std::string&, const std::vector<WorkbookSheet>&)
{
    throw RuntimeError("spreadsheet export is not available: the program was built without libxlsxwriter");
}

#endif

} // namespace teska
