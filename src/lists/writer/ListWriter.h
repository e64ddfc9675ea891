// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The output routines of a list run. The writers of the data list and the
// result list never touch a printer or a window: they call these routines,
// which append lines to ListText, count them against the page raster, break
// pages, write page headers and lay out tables. At a page end the text is
// padded to the raster (view and editor targets) or the page goes to the
// PageSink (printed targets 3 and 4). With a TextSink the padded pages of
// the view and editor targets are handed on in chunks instead of staying in
// ListText.
//
// Every line ends with CR LF. Lines written through WriteLines and the table
// routines start with LeftMargin blanks; the empty lines of the top margin,
// of EnsureLines and of the page padding do not. Lengths are counted in
// characters (TextLength), so catalogue texts in any script line up.
//
// Errors: a catalogue lookup in strict mode and a page number beyond 32767
// throw RuntimeError; the list run's handler reports them.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "lists/writer/ListState.h"

namespace teska {

class PageSink;
class ProgressWindow;
class Session;
class TextSink;

// One element of WriteLines: a catalogue identifier (0 writes nothing but
// still counts a line) or a ready text.
using LineItem = std::variant<long, std::string>;

// A heading cell: a catalogue identifier, or a text that may hold line
// feeds (it then spreads over several heading lines).
using HeadingEntry = std::variant<long, std::string>;

// The heading of a table: one row of entries per heading row, each with
// ColumnCount + 1 entries (entry 0 = the row-number column).
struct TableHeading {
    int ColumnCount = 0;
    std::vector<std::vector<HeadingEntry>> Rows;
};

// What WriteTableHeading hands back to the row writer: the rule line
// (without the left margin) and the widths of columns 0..ColumnCount,
// columns 1..n already widened by the gap.
struct TableLayout {
    std::string Rule;
    std::vector<std::int32_t> Widths;
};

// A table heading as it was written once, kept for the page breaks of a
// long table: the layout, the heading's text (rules and rows, each line
// ending with CR LF) and its line count, and the closing and opening notes
// of a break.
struct WrittenHeading {
    TableLayout Layout;
    std::string Text;
    std::int32_t Lines = 0;
    std::string Closing;
    std::string Opening;
};

// The label and value of a name/value row. A missing label is stored as the
// empty text; a missing value (monostate) writes the label alone.
using NameValueLabel = std::variant<std::monostate, long, std::string>;
using NameValueValue = std::variant<std::monostate, std::string, double, float>;

// The lines at the foot of the cover page: the author line follows
// catalogue text 90, then two address lines.
inline constexpr const char* CoverAuthors = "TESKA-List developers";
inline constexpr const char* CoverAddressLine1 = "Free software under the GNU General Public License";
inline constexpr const char* CoverAddressLine2 = "version 3 or later";

// The text a streaming writer collects before it hands it on: large enough
// that a file sink writes in few system calls, small against the list.
inline constexpr std::size_t DefaultTextChunk = std::size_t(1) << 20;

class ListWriter {
public:
    // \p sink receives the pages of the printed targets (may be null for the
    // other targets); \p window shows the progress labels (may be null).
    ListWriter(
        Session& session, ListState& state, PageSink* sink = nullptr, ProgressWindow* window = nullptr);

    // Streams the text of the view and editor targets: at every page end
    // with at least \p chunkBytes of text waiting, ListText goes to \p sink
    // and is emptied (0 = at every page end). The printed targets are not
    // affected; null keeps the whole text in ListText again.
    void SetTextSink(TextSink* sink, std::size_t chunkBytes = DefaultTextChunk);
    // Hands the text still waiting in ListText to the text sink; nothing
    // without one. The list run's caller calls it once the run completed.
    void FlushText();
    bool StreamsText() const { return m_textSink != nullptr; }

    ListState& State() { return m_state; }
    const ListState& State() const { return m_state; }

    // Starts a section: LineOnPage 0, the progress message 157 (printed) or
    // 90078 with the title, and for printed output an empty ListText.
    void BeginSection();
    // Makes room for a block of \p n lines: a new page when LineOnPage >
    // LinesPerPage - BottomMargin - n, then two empty lines that are NOT
    // counted (the caller counts its block, these two included).
    void EnsureLines(std::int32_t n);
    // Keeps a block of \p n lines on one page: a new page when the block
    // would run past the bottom margin and fits on a fresh page. Unlike
    // EnsureLines it writes no empty lines; nothing happens for the targets
    // without page headers (as ContinueTable).
    void KeepTogether(std::int32_t n);
    // One line per item: LeftMargin blanks + the text (a nonzero identifier
    // is looked up); an item 0 writes nothing; every item counts one line.
    void WriteLines(std::span<const LineItem> items);
    void WriteLines(std::initializer_list<LineItem> items);
    // Ends the page (printed: to the sink; else padded to LinesPerPage) and
    // writes the next page header.
    void NewPage();
    // Ends the last page: printed: to the sink, then the print job ends and
    // ListText is emptied; else padded to LinesPerPage and kept.
    void EndList();

    // The page header: top margin, company lines when PrintCompanyHeader,
    // rule, title with the page word and number at the right edge, rule.
    // Nothing for target 1 nor for target 2 with a summary section.
    void WritePageHeader();
    // The page header and, when PrintJobData, the job data block.
    void WriteFirstPageHeader();

    void AddNameValueRow(const NameValueLabel& label, const std::string& symbol, const std::string& unit,
        const NameValueValue& value, const std::string& format);
    // Writes the collected rows as an aligned table (gap 1..8) and empties it;
    // a row that would run past the bottom margin starts a new page.
    void FlushNameValueRows();
    std::size_t PendingNameValueRows() const { return m_labels.size(); }

    // Writes rule, heading rows (cells right-aligned, gap 1..6, one extra
    // blank per lam-alef pair) and rule; returns rule and widths.
    TableLayout WriteTableHeading(const TableHeading& heading);
    // The lines WriteTableHeading writes for \p heading: two rules and the
    // heading rows, each spread over the line feeds of its texts.
    std::int32_t HeadingLineCount(const TableHeading& heading) const;
    // WriteTableHeading, keeping what it wrote for ContinueTable.
    WrittenHeading WriteKeptTableHeading(const TableHeading& heading);
    // Breaks a table across a page: closing note 90033 at the right edge,
    // new page, opening note 90034, the heading written before repeated as
    // text. Skipped for target 1 and for target 2 with a summary section.
    void ContinueTable(const WrittenHeading& heading);
    // True when ContinueTable writes anything for the current target and key.
    bool WritesContinuation() const { return !HeadersSuppressed(); }

    // The title block under a section's first page header and on the cover.
    void WriteTitleBlock();
    // The cover page of a list (section 90045).
    void WriteCoverPage();

    // Appends one line: LeftMargin is NOT added; counts one line.
    void AppendLine(std::string_view text);
    // Appends \p n empty lines, each counted.
    void AppendEmptyLines(std::int32_t n);
    // The line being built by a row writer: append to it, then CommitLine
    // adds CR LF and counts it. Avoids a temporary string per line.
    std::string& LineBuffer() { return m_state.ListText; }
    void CommitLine();

    // Centring blanks for a line of \p length characters.
    std::int32_t CentreIndent(std::int32_t length) const;
    // The text of CurrentListKey (the key itself for a text key).
    std::string Title() const;
    // The system caption by ProjectType (2, 3: 40014 with "x"/"y"; 4: 40015;
    // 5: 40016; other types: empty).
    std::string SystemCaption() const;
    // True for target 1 and for target 2 with a summary section.
    bool HeadersSuppressed() const;

    Session& SessionRef() { return m_session; }

private:
    void EndPage();
    // After a completed page: the waiting text to the text sink once a
    // chunk is full.
    void PassOnFullChunk();
    void WriteAnalysisDescription();
    std::string Text(long id) const;
    // The notes of a table's page break: 90033 at the right edge, 90034
    // after the left margin.
    std::string ClosingNote() const;
    std::string OpeningNote() const;

    Session& m_session;
    ListState& m_state;
    PageSink* m_sink;
    ProgressWindow* m_window;
    TextSink* m_textSink = nullptr;
    std::size_t m_textChunk = DefaultTextChunk;

    std::vector<NameValueLabel> m_labels;
    std::vector<std::string> m_symbols;
    std::vector<std::string> m_units;
    std::vector<NameValueValue> m_values;
    std::vector<std::string> m_formats;
};

// Drops the rows of a result table whose first three values are all zero
// (unless AnalysisMethod is 22) and warns when none remains; see
// ResultSection.h.

} // namespace teska
