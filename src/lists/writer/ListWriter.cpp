// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/writer/ListWriter.h"

#include <algorithm>
#include <stdexcept>

#include "lists/Session.h"
#include "lists/format/FormatNumber.h"
#include "lists/page/PrintOptions.h"
#include "lists/tables/ColumnDefinitions.h"
#include "lists/writer/PageSink.h"
#include "lists/writer/TextMeasure.h"
#include "lists/writer/TextSink.h"
#include "suite/Errors.h"

namespace teska {

namespace {

constexpr const char* LineEnd = "\r\n";

bool KeyIs(const ListKey& key, long id)
{
    const long* value = std::get_if<long>(&key);
    return value && *value == id;
}

std::string Centred(const ListWriter& writer, const std::string& line)
{
    std::string out;
    AppendBlanks(out, writer.CentreIndent(TextLength(line)));
    out += line;
    return out;
}

} // namespace

ListWriter::ListWriter(Session& session, ListState& state, PageSink* sink, ProgressWindow* window)
    : m_session(session)
    , m_state(state)
    , m_sink(sink)
    , m_window(window)
{ }

void ListWriter::SetTextSink(TextSink* sink, std::size_t chunkBytes)
{
    m_textSink = sink;
    m_textChunk = chunkBytes;
}

void ListWriter::FlushText()
{
    // clear() keeps the capacity: the next chunk is written into the same
    // memory, and the row writers' references to ListText stay valid.
    if (m_textSink && !m_state.ListText.empty()) {
        m_textSink->WriteText(m_state.ListText);
        m_state.ListText.clear();
    }
}

void ListWriter::PassOnFullChunk()
{
    if (m_state.ListText.size() >= m_textChunk)
        FlushText();
}

std::string ListWriter::Text(long id) const
{
    return m_session.catalogue.LookupText(id);
}

std::string ListWriter::Title() const
{
    if (const long* id = std::get_if<long>(&m_state.CurrentListKey))
        return Text(*id);
    return std::get<std::string>(m_state.CurrentListKey);
}

bool ListWriter::HeadersSuppressed() const
{
    return m_state.OutputTarget == TargetViewData
        || (m_state.OutputTarget == TargetViewResults && IsSummarySection(m_state.CurrentListKey));
}

std::int32_t ListWriter::CentreIndent(std::int32_t length) const
{
    return DivideRoundHalfEven(
        static_cast<std::int64_t>(m_state.CharsPerLine) - m_state.LeftMargin - length, 2);
}

std::string ListWriter::SystemCaption() const
{
    const TextCatalogue& catalogue = m_session.catalogue;
    switch (m_state.ProjectType) {
    case 2:
        return catalogue.LookupText(40014, {std::string("|1"), std::string("x")});
    case 3:
        return catalogue.LookupText(40014, {std::string("|1"), std::string("y")});
    case 4:
        return Text(40015);
    case 5:
        return Text(40016);
    default:
        return {};
    }
}

void ListWriter::AppendLine(std::string_view text)
{
    m_state.ListText += text;
    m_state.ListText += LineEnd;
    ++m_state.LineOnPage;
}

void ListWriter::CommitLine()
{
    m_state.ListText += LineEnd;
    ++m_state.LineOnPage;
}

void ListWriter::AppendEmptyLines(std::int32_t n)
{
    for (std::int32_t i = 0; i < n; ++i)
        CommitLine();
}

void ListWriter::BeginSection()
{
    m_state.LineOnPage = 0;
    const std::string title = Title();
    const long messageId = IsPrintedTarget(m_state.OutputTarget) ? 157 : 90078;
    const std::string message = m_session.catalogue.LookupText(messageId, {std::string("|1"), title});
    m_session.environment.SetStatusText(message);
    if (IsPrintedTarget(m_state.OutputTarget))
        m_state.ListText.clear();
    FileServices services = m_session.services();
    ShowProgress(services, m_window, 1, true);
}

void ListWriter::EnsureLines(std::int32_t n)
{
    if (m_state.LineOnPage > static_cast<std::int32_t>(m_state.LinesPerPage) - m_state.BottomMargin - n)
        NewPage();
    m_state.ListText += LineEnd;
    m_state.ListText += LineEnd;
}

void ListWriter::KeepTogether(std::int32_t n)
{
    if (HeadersSuppressed())
        return;
    const std::int32_t bottom = static_cast<std::int32_t>(m_state.LinesPerPage) - m_state.BottomMargin;
    const std::int32_t header = m_state.TopMargin + (m_state.PrintCompanyHeader ? 2 : 0) + 3;
    if (m_state.LineOnPage + n > bottom && header + n <= bottom)
        NewPage();
}

std::int32_t ListWriter::HeadingLineCount(const TableHeading& heading) const
{
    std::int32_t lines = 2;
    for (const std::vector<HeadingEntry>& row : heading.Rows) {
        std::int32_t rowLines = 1;
        for (const HeadingEntry& entry : row) {
            const long* id = std::get_if<long>(&entry);
            const std::string text = id ? Text(*id) : std::get<std::string>(entry);
            rowLines = std::max(
                rowLines, static_cast<std::int32_t>(std::count(text.begin(), text.end(), '\n')) + 1);
        }
        lines += rowLines;
    }
    return lines;
}

void ListWriter::WriteLines(std::span<const LineItem> items)
{
    for (const LineItem& item : items) {
        if (const long* id = std::get_if<long>(&item)) {
            if (*id != 0) {
                AppendBlanks(m_state.ListText, m_state.LeftMargin);
                m_state.ListText += Text(*id);
                m_state.ListText += LineEnd;
            }
        } else {
            AppendBlanks(m_state.ListText, m_state.LeftMargin);
            m_state.ListText += std::get<std::string>(item);
            m_state.ListText += LineEnd;
        }
        ++m_state.LineOnPage;
    }
}

void ListWriter::WriteLines(std::initializer_list<LineItem> items)
{
    WriteLines(std::span<const LineItem>(items.begin(), items.size()));
}

void ListWriter::EndPage()
{
    if (IsPrintedTarget(m_state.OutputTarget)) {
        if (!m_sink)
            throw std::logic_error("ListWriter: a printed list needs a page sink");
        m_sink->PrintText(m_state.ListText);
        m_sink->NewPrinterPage();
        m_state.ListText.clear();
    } else {
        AppendEmptyLines(m_state.LinesPerPage - m_state.LineOnPage);
        PassOnFullChunk();
    }
}

void ListWriter::NewPage()
{
    EndPage();
    m_state.LineOnPage = 0;
    WritePageHeader();
}

void ListWriter::EndList()
{
    if (IsPrintedTarget(m_state.OutputTarget)) {
        if (!m_sink)
            throw std::logic_error("ListWriter: a printed list needs a page sink");
        m_sink->PrintText(m_state.ListText);
        m_sink->EndPrintJob();
        m_state.ListText.clear();
    } else {
        AppendEmptyLines(m_state.LinesPerPage - m_state.LineOnPage);
        PassOnFullChunk();
    }
}

void ListWriter::WritePageHeader()
{
    if (HeadersSuppressed())
        return;
    std::string number;
    std::int32_t numberWidth = 3;
    if (m_state.PageNumber != NoPageNumbers) {
        if (m_state.PageNumber == INT16_MAX)
            throw RuntimeError("Overflow: page number beyond 32767");
        ++m_state.PageNumber;
        number = std::to_string(m_state.PageNumber);
        numberWidth = static_cast<std::int32_t>(number.size());
    }
    const std::string title = Title();
    const std::string pageWord = Text(90006);
    std::string titleLine = title;
    AppendBlanks(titleLine,
        static_cast<std::int64_t>(m_state.CharsPerLine) - m_state.LeftMargin - TextLength(title)
            - (TextLength(pageWord) + 1) - numberWidth);
    titleLine += pageWord;
    titleLine += ' ';
    titleLine += number;

    AppendEmptyLines(m_state.TopMargin);
    if (m_state.PrintCompanyHeader)
        WriteLines({Centred(*this, m_state.CompanyLine1), Centred(*this, m_state.CompanyLine2)});
    std::string rule(static_cast<std::size_t>(std::max(0, m_state.CharsPerLine - m_state.LeftMargin)), '-');
    WriteLines({rule, titleLine, rule});
}

void ListWriter::WriteFirstPageHeader()
{
    if (HeadersSuppressed())
        return;
    WritePageHeader();
    if (!m_state.PrintJobData)
        return;
    WriteLines({Text(11) + ": " + m_state.JobLines[0], Text(12) + ": " + m_state.JobLines[1],
        Text(95) + ": " + m_state.JobLines[2], Text(90057) + ": " + m_state.ProjectBaseName});
    if (m_state.ProjectType != 1)
        WriteLines({Text(90035) + ": " + SystemCaption()});
}

void ListWriter::AddNameValueRow(const NameValueLabel& label, const std::string& symbol,
    const std::string& unit, const NameValueValue& value, const std::string& format)
{
    if (std::holds_alternative<std::monostate>(label))
        m_labels.emplace_back(std::string());
    else
        m_labels.push_back(label);
    m_symbols.push_back(symbol);
    const bool given = !std::holds_alternative<std::monostate>(value);
    const std::string* text = std::get_if<std::string>(&value);
    const bool valueNotEmpty = given && !(text && text->empty());
    m_units.push_back(unit.empty() && valueNotEmpty ? std::string("[-]") : unit);
    m_values.push_back(value);
    m_formats.push_back(format);
}

void ListWriter::FlushNameValueRows()
{
    const std::size_t count = m_labels.size();
    std::vector<std::string> labels(count), symbols(count), values(count);
    std::vector<bool> given(count);
    std::int32_t labelWidth = 0, symbolWidth = 0, unitWidth = 0, valueWidth = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (const long* id = std::get_if<long>(&m_labels[i]))
            labels[i] = Text(*id);
        else
            labels[i] = std::get<std::string>(m_labels[i]);
        const NameValueValue& value = m_values[i];
        given[i] = !std::holds_alternative<std::monostate>(value);
        if (const double* d = std::get_if<double>(&value))
            values[i] = FormatNumber(*d, m_formats[i]);
        else if (const float* f = std::get_if<float>(&value))
            values[i] = FormatNumber(*f, m_formats[i]);
        else if (const std::string* s = std::get_if<std::string>(&value))
            values[i] = *s;
        symbols[i] = m_symbols[i] + m_state.SymbolSuffix;
        labelWidth = std::max(labelWidth, TextLength(labels[i]));
        symbolWidth = std::max(symbolWidth, TextLength(symbols[i]));
        unitWidth = std::max(unitWidth, TextLength(m_units[i]));
        valueWidth = std::max(valueWidth, TextLength(values[i]));
    }
    const std::int64_t room = static_cast<std::int64_t>(m_state.CharsPerLine) - m_state.LeftMargin
        - labelWidth - symbolWidth - unitWidth - valueWidth;
    const std::int32_t gap = static_cast<std::int32_t>(std::clamp<std::int64_t>(room, 1, 8));

    std::string& out = m_state.ListText;
    for (std::size_t i = 0; i < count; ++i) {
        // A long table goes on after a page break instead of running past
        // the bottom margin.
        KeepTogether(1);
        AppendBlanks(out, m_state.LeftMargin);
        out += labels[i];
        if (given[i]) {
            AppendBlanks(out, labelWidth + gap - TextLength(labels[i]));
            out += symbols[i];
            AppendBlanks(out, symbolWidth - TextLength(symbols[i]));
            if (!values[i].empty()) {
                out += ' ';
                out += m_units[i];
                AppendBlanks(out, unitWidth - TextLength(m_units[i]));
                out += " = ";
                out += values[i];
            }
        }
        CommitLine();
    }
    m_labels.clear();
    m_symbols.clear();
    m_units.clear();
    m_values.clear();
    m_formats.clear();
}

TableLayout ListWriter::WriteTableHeading(const TableHeading& heading)
{
    const std::size_t columns = static_cast<std::size_t>(std::max(0, heading.ColumnCount)) + 1;
    std::vector<std::vector<std::string>> cells;
    for (const std::vector<HeadingEntry>& row : heading.Rows) {
        std::vector<std::vector<std::string>> pieces(columns);
        std::size_t lines = 1;
        for (std::size_t j = 0; j < columns; ++j) {
            std::string text;
            if (j < row.size()) {
                if (const long* id = std::get_if<long>(&row[j]))
                    text = Text(*id);
                else
                    text = std::get<std::string>(row[j]);
            }
            std::size_t start = 0;
            while (true) {
                const std::size_t feed = text.find('\n', start);
                std::string piece
                    = text.substr(start, feed == std::string::npos ? std::string::npos : feed - start);
                if (!piece.empty() && piece.back() == '\r')
                    piece.pop_back();
                pieces[j].push_back(std::move(piece));
                if (feed == std::string::npos)
                    break;
                start = feed + 1;
            }
            lines = std::max(lines, pieces[j].size());
        }
        for (std::size_t line = 0; line < lines; ++line) {
            std::vector<std::string> cellRow(columns);
            for (std::size_t j = 0; j < columns; ++j)
                if (line < pieces[j].size())
                    cellRow[j] = std::move(pieces[j][line]);
            cells.push_back(std::move(cellRow));
        }
    }

    TableLayout layout;
    layout.Widths.assign(columns, 0);
    std::int64_t sum = 0;
    for (std::size_t j = 0; j < columns; ++j) {
        for (const std::vector<std::string>& row : cells)
            layout.Widths[j] = std::max(layout.Widths[j], TextLength(row[j]));
        sum += layout.Widths[j];
    }
    std::int32_t gap = 1;
    if (heading.ColumnCount > 0) {
        const std::int32_t share = DivideRoundHalfEven(
            static_cast<std::int64_t>(m_state.CharsPerLine) - m_state.LeftMargin - sum, heading.ColumnCount);
        gap = std::clamp(share, 1, 6);
    }
    std::int64_t ruleLength = layout.Widths[0];
    for (std::size_t j = 1; j < columns; ++j) {
        layout.Widths[j] += gap;
        ruleLength += layout.Widths[j];
    }
    layout.Rule.assign(static_cast<std::size_t>(ruleLength), '-');

    WriteLines({layout.Rule});
    std::string& out = m_state.ListText;
    for (const std::vector<std::string>& row : cells) {
        AppendBlanks(out,
            static_cast<std::int64_t>(m_state.LeftMargin) + layout.Widths[0] - TextLength(row[0])
                + LamAlefCount(row[0]));
        out += row[0];
        for (std::size_t j = 1; j < columns; ++j) {
            AppendBlanks(out, layout.Widths[j] - TextLength(row[j]) + LamAlefCount(row[j]));
            out += row[j];
        }
        CommitLine();
    }
    WriteLines({layout.Rule});
    return layout;
}

std::string ListWriter::ClosingNote() const
{
    const std::string closing = Text(90033);
    std::string line;
    AppendBlanks(line, static_cast<std::int64_t>(m_state.CharsPerLine) - TextLength(closing));
    line += closing;
    return line;
}

std::string ListWriter::OpeningNote() const
{
    std::string line;
    AppendBlanks(line, m_state.LeftMargin);
    line += Text(90034);
    return line;
}

WrittenHeading ListWriter::WriteKeptTableHeading(const TableHeading& heading)
{
    // The heading's lines are appended in one piece: nothing in between
    // passes the text on or starts a page.
    const std::size_t start = m_state.ListText.size();
    const std::int32_t firstLine = m_state.LineOnPage;
    WrittenHeading written;
    written.Layout = WriteTableHeading(heading);
    written.Text.assign(m_state.ListText, start);
    written.Lines = m_state.LineOnPage - firstLine;
    written.Closing = ClosingNote();
    written.Opening = OpeningNote();
    return written;
}

void ListWriter::ContinueTable(const WrittenHeading& heading)
{
    if (HeadersSuppressed())
        return;
    AppendLine(heading.Closing);
    NewPage();
    AppendLine(heading.Opening);
    m_state.ListText += heading.Text;
    m_state.LineOnPage += heading.Lines;
}

void ListWriter::WriteAnalysisDescription()
{
    if (m_state.AnalysisMethod == 15)
        return;
    WriteLines({m_session.catalogue.LookupText(140148, {4L}), m_state.AnalysisDescription[0],
        m_state.AnalysisDescription[1], std::string()});
}

void ListWriter::WriteTitleBlock()
{
    const ListKey& key = m_state.CurrentListKey;
    if (m_state.OutputTarget == TargetViewData)
        return;
    if (m_state.OutputTarget == TargetViewResults
        && (KeyIs(key, 140019) || KeyIs(key, 90050) || KeyIs(key, 400165)))
        return;
    const std::string language
        = m_session.catalogue.LookupText(91, {std::string("|1"), m_session.catalogue.LanguageName()});
    WriteLines({Centred(*this, Text(m_state.AnalysisMethod == 15 ? 160004 : 160005)),
        Centred(*this, Text(90167)), Centred(*this, language)});
    if (KeyIs(key, 90045))
        return;
    WriteLines({std::string(), std::string()});
    if (m_state.AnalysisMethod != 0)
        WriteAnalysisDescription();
    else
        WriteLines({std::string(), std::string()});
}

void ListWriter::WriteCoverPage()
{
    BeginSection();
    const std::int32_t spacing = DivideRoundHalfEven(static_cast<std::int64_t>(m_state.LinesPerPage) - 16, 5);
    const std::string frame(
        static_cast<std::size_t>(std::max(0, m_state.CharsPerLine - m_state.LeftMargin)), '*');

    AppendEmptyLines(spacing);
    WriteLines({frame});
    WriteTitleBlock();
    WriteLines({frame});

    AppendEmptyLines(spacing);
    const std::string job[] = {Text(11) + ": " + m_state.JobLines[0], Text(12) + ": " + m_state.JobLines[1],
        Text(95) + ": " + m_state.JobLines[2], Text(90057) + ": " + m_state.ProjectBaseName,
        Text(90035) + " : " + SystemCaption()};
    std::int32_t widest = 0;
    for (const std::string& line : job)
        widest = std::max(widest, TextLength(line));
    const std::int32_t indent = CentreIndent(widest);
    for (const std::string& line : job) {
        std::string shifted;
        AppendBlanks(shifted, indent);
        shifted += line;
        WriteLines({shifted});
    }

    AppendEmptyLines(spacing);
    WriteAnalysisDescription();

    AppendEmptyLines(spacing);
    WriteLines({Centred(*this, Text(90) + " " + CoverAuthors), Centred(*this, CoverAddressLine1),
        Centred(*this, CoverAddressLine2)});
}

} // namespace teska
