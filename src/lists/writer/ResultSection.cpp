// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/writer/ResultSection.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <stdexcept>

#include "lists/Session.h"
#include "lists/format/FormatNumber.h"
#include "lists/format/Units.h"
#include "lists/writer/TextMeasure.h"

namespace teska {

namespace {

// Rows between two yields to the event loop and cancel checks.
constexpr std::int32_t RowsPerYield = 16384;

// A view whose counts do not fit its values is a programming error of the
// caller, caught before any value is read.
void CheckShape(const ResultRows& rows)
{
    if (rows.RowCount < 0 || rows.ColumnCount < 0
        || rows.Values.size()
            < static_cast<std::size_t>(rows.RowCount) * static_cast<std::size_t>(rows.ColumnCount)
        || (!rows.RowNumbers.empty() && rows.RowNumbers.size() < static_cast<std::size_t>(rows.RowCount)))
        throw std::logic_error("result rows: the counts do not fit the values");
}

// One row of a result table appended to the list text, each cell
// right-aligned to end at its column's end. While every cell so far fits its
// width with one byte a character, the row is a line of blanks appended at
// once and each cell is copied into its place; from the first cell that does
// not, blanks and cells follow one another.
class RowLine {
public:
    RowLine(std::string& out, std::int64_t length)
        : out_(out)
        , start_(out.size())
        , length_(length > 0 ? length : 0)
    {
        out_.append(static_cast<std::size_t>(length_), ' ');
    }

    void Put(std::int64_t width, std::string_view text, bool ascii)
    {
        const std::int64_t size = static_cast<std::int64_t>(text.size());
        if (aligned_ && ascii && size <= width && end_ + width <= length_) {
            end_ += width;
            std::memcpy(out_.data() + start_ + (end_ - size), text.data(), text.size());
            return;
        }
        if (aligned_) {
            out_.resize(start_ + static_cast<std::size_t>(end_));
            aligned_ = false;
        }
        AppendBlanks(out_, width - (ascii ? size : TextLength(text)));
        out_ += text;
    }

    // The blanks that no cell reached are not part of the row.
    void Finish()
    {
        if (aligned_ && end_ != length_)
            out_.resize(start_ + static_cast<std::size_t>(end_));
    }

private:
    std::string& out_;
    std::size_t start_;
    std::int64_t length_;
    std::int64_t end_ = 0;
    bool aligned_ = true;
};

} // namespace

bool CheckNonzeroRows(ListWriter& writer, ResultRows& rows, std::int32_t analysisMethod)
{
    CheckShape(rows);
    if (analysisMethod != 22) {
        const std::int32_t oldCount = rows.RowCount;
        const std::int32_t tested = std::min<std::int32_t>(3, rows.ColumnCount);
        const std::size_t width = static_cast<std::size_t>(rows.ColumnCount);
        std::vector<std::int32_t> numbers;
        std::int32_t kept = 0;
        for (std::int32_t r = 1; r <= oldCount; ++r) {
            bool allZero = true;
            for (std::int32_t c = 1; c <= tested; ++c)
                if (rows.Value(r, c) != 0.0f)
                    allZero = false;
            if (allZero)
                continue;
            ++kept;
            if (kept != r) {
                float* to = rows.Values.data() + static_cast<std::size_t>(kept - 1) * width;
                const float* from = rows.Values.data() + static_cast<std::size_t>(r - 1) * width;
                std::copy(from, from + width, to);
            }
            numbers.push_back(rows.RowNumber(r));
        }
        rows.RowNumbers = std::move(numbers);
        rows.RowCount = kept;
    }
    if (rows.RowCount > 0)
        return false;
    Session& session = writer.SessionRef();
    session.host.warning(writer.Title(), session.catalogue.LookupText(90079));
    return true;
}

TableHeading ResultTableHeading(
    const ColumnDefinition& columns, const TextCatalogue& catalogue, const UnitSettings& units)
{
    TableHeading heading;
    heading.ColumnCount = columns.ColumnCount;
    const std::size_t count = static_cast<std::size_t>(std::max(0, columns.ColumnCount)) + 1;
    std::vector<HeadingEntry> captions(count, std::string()), symbols(count, std::string()),
        unitRow(count, std::string());
    for (std::size_t j = 0; j < count; ++j) {
        if (j < columns.ColumnCaptionIds.size())
            captions[j] = columns.ColumnCaptionIds[j];
        if (j < columns.ColumnSymbols.size())
            symbols[j] = columns.ColumnSymbols[j];
        if (j < columns.ColumnUnits.size()) {
            if (const long* kind = std::get_if<long>(&columns.ColumnUnits[j]))
                unitRow[j] = UnitLabel(units, catalogue, *kind);
            else
                unitRow[j] = std::get<std::string>(columns.ColumnUnits[j]);
        }
    }
    heading.Rows = {std::move(captions), std::move(symbols), std::move(unitRow)};
    return heading;
}

bool WriteResultSection(
    ListWriter& writer, ResultRows& rows, const ColumnDefinition& columns, const ResultFormats& formats)
{
    ListState& state = writer.State();
    if (CheckNonzeroRows(writer, rows, state.AnalysisMethod))
        return false;
    Session& session = writer.SessionRef();
    const TableHeading heading = ResultTableHeading(columns, session.catalogue, session.environment.Units());

    writer.BeginSection();
    writer.WriteFirstPageHeader();
    const WrittenHeading written = writer.WriteKeptTableHeading(heading);
    const TableLayout& layout = written.Layout;

    const std::int32_t printed = std::min(rows.ColumnCount, std::max(0, columns.ColumnCount));
    const bool continues = writer.WritesContinuation();
    std::string& out = writer.LineBuffer();
    // The whole table stays in the text unless it is streamed page by page.
    if (!IsPrintedTarget(state.OutputTarget) && !writer.StreamsText())
        out.reserve(out.size()
            + static_cast<std::size_t>(rows.RowCount) * static_cast<std::size_t>(state.CharsPerLine + 2));

    // The columns' widths, the first with the left margin; their sum is the
    // length of a row whose cells all fit.
    std::vector<std::int64_t> widths(static_cast<std::size_t>(printed) + 1, 0);
    std::int64_t rowLength = 0;
    for (std::size_t c = 0; c < widths.size(); ++c) {
        widths[c] = c < layout.Widths.size() ? layout.Widths[c] : 0;
        if (c == 0)
            widths[c] += state.LeftMargin;
        rowLength += std::max<std::int64_t>(widths[c], 0);
    }

    const NumberPattern valuePattern(formats.valueFormat);
    const NumberPattern secondPattern(formats.secondFormat);
    char number[24];
    NumberText cellText;
    for (std::int32_t r = 1; r <= rows.RowCount; ++r) {
        if (r % RowsPerYield == 0) {
            session.host.processEvents();
            if (session.tools.RunStopped())
                return true;
        }
        // Room for this row and a closing note above the bottom margin.
        if (continues && state.LineOnPage > state.LinesPerPage - state.BottomMargin - 2)
            writer.ContinueTable(written);

        RowLine line(out, rowLength);
        const auto [end, error] = std::to_chars(number, number + sizeof number, rows.RowNumber(r));
        (void)error;
        line.Put(widths[0], std::string_view(number, static_cast<std::size_t>(end - number)), true);
        for (std::int32_t c = 1; c <= printed; ++c) {
            const float value = rows.Value(r, c);
            const std::int64_t width = widths[static_cast<std::size_t>(c)];
            if (formats.nodeNumberColumns && c <= 2) {
                const auto [nodeEnd, nodeError]
                    = std::to_chars(number, number + sizeof number, std::llround(static_cast<double>(value)));
                (void)nodeError;
                line.Put(width, std::string_view(number, static_cast<std::size_t>(nodeEnd - number)), true);
                continue;
            }
            const bool second = formats.secondFrom > 0 && c >= formats.secondFrom;
            const std::string_view cell
                = FormatNumber(value, second ? secondPattern : valuePattern, cellText);
            line.Put(width, cell, cellText.ascii);
        }
        line.Finish();
        writer.CommitLine();
    }
    writer.EndList();
    return true;
}

} // namespace teska
