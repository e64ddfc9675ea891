// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor text streamed through a text sink, as teska-report writes it:
// the pieces join to the very text the writer keeps without a sink (whose
// pages the writer tests check line by line), each piece is made of whole
// pages, and the printed targets are not touched.

#include "lists/writer_fixture_test.h"

#include "lists/writer/ResultSection.h"
#include "lists/writer/TextSink.h"

namespace teska::test {
namespace {

class RecordingTextSink : public TextSink {
public:
    void WriteText(std::string_view text) override { pieces.emplace_back(text); }
    std::vector<std::string> pieces;
};

class StreamTest : public WriterTest {
protected:
    StreamTest()
    {
        // 25 rows of two moments: the 12-line page holds a few rows, so
        // every section runs over several pages with continued tables.
        for (int r = 1; r <= 25; ++r) {
            values.push_back(static_cast<float>(r) * 1.25f);
            values.push_back(-static_cast<float>(r));
        }
        columns.ColumnCount = 2;
        columns.ColumnCaptionIds = {80079L, 90077L, 90077L};
        columns.ColumnSymbols = {"No.", "mx", "my"};
        columns.ColumnUnits = {std::string("[-]"), 1L, std::string("[kN]")};
        formats.valueFormat = "0.00";
    }

    // Two sections of the moments table, as a list run over two keys.
    std::string WriteList(TextSink* text, std::size_t chunk)
    {
        state.ListText.clear();
        state.PageNumber = 0;
        writer->SetTextSink(text, chunk);
        for (int section = 0; section < 2; ++section) {
            ResultRows rows;
            std::vector<float> copy = values;
            rows.Values = copy;
            rows.ColumnCount = 2;
            rows.RowCount = 25;
            EXPECT_TRUE(WriteResultSection(*writer, rows, columns, formats));
        }
        writer->FlushText();
        return state.ListText;
    }

    std::vector<float> values;
    ColumnDefinition columns;
    ResultFormats formats;
};

TEST_F(StreamTest, PiecesJoinToTheWholeTextInWholePagesAndPrintingIsNotStreamed)
{
    const std::string whole = WriteList(nullptr, 0);
    const std::size_t pages = SplitLines(whole).size() / 12;
    ASSERT_GE(pages, 6u) << "the list should run over several pages";
    ASSERT_EQ(SplitLines(whole).size(), pages * 12) << "the text keeps the page raster";

    struct Case {
        std::size_t chunk;
        std::size_t pieces; // 0 = not fixed
    };
    // 0: every page on its own; 1000 bytes: a few pages each; 1 MiB:
    // nothing before FlushText.
    for (const Case c : {Case{0, pages}, Case{1000, 0}, Case{DefaultTextChunk, 1}}) {
        SCOPED_TRACE(c.chunk);
        RecordingTextSink text;
        EXPECT_EQ(WriteList(&text, c.chunk), "") << "streamed text must leave ListText";
        std::string joined;
        for (const std::string& piece : text.pieces)
            joined += piece;
        EXPECT_EQ(joined, whole);
        if (c.pieces != 0) {
            EXPECT_EQ(text.pieces.size(), c.pieces);
        } else {
            EXPECT_GT(text.pieces.size(), 1u);
        }
        for (std::size_t i = 0; i < text.pieces.size(); ++i) {
            const std::size_t lines = SplitLines(text.pieces[i]).size();
            EXPECT_TRUE(lines > 0 && lines % 12 == 0) << "piece " << i << " has " << lines << " lines";
            if (i + 1 < text.pieces.size()) {
                EXPECT_GE(text.pieces[i].size(), c.chunk) << "piece " << i;
            }
        }
    }
    EXPECT_TRUE(sink.calls.empty());

    // The printed targets still go to the page sink only.
    state.OutputTarget = TargetPrintResults;
    RecordingTextSink text;
    WriteList(&text, 0);
    EXPECT_TRUE(text.pieces.empty());
    ASSERT_FALSE(sink.printed.empty());
    EXPECT_EQ(sink.calls.back(), 'E');
}

} // namespace
} // namespace teska::test
