// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The project file and the files read on opening: what the writers write
// reads back, hand-written files in the other forms the field rules allow,
// and every kind of bad input gives a format error naming file and line.

#include <gtest/gtest.h>

#include "project/io/FieldReader.h"
#include "project/io/RecordFile.h"
#include "project/opening/ProjectFileReader.h"
#include "project/opening/ProjectWriter.h"
#include "suite/Errors.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

using test::ScratchDir;
using test::writeFile;

TEST(ProjectFile, RoundTripsOptionsAndJobLines)
{
    ScratchDir dir;
    ProjectFileData data;
    data.ProjectType = 70000; // beyond 16 bits: these two are 32-bit
    data.AnalysisMethod = -20;
    data.Options = {1, 0, -32768, 32767, 2, 0, 1, 0, 4, 0, 3, 0, 1};
    data.JobLines = {"Office block, east wing", "", "Müller & Söhne"};
    WriteProjectFile(dir.file("A.PO1"), data);
    const ProjectFileData back = ReadProjectFile(dir.file("A.PO1"));
    EXPECT_EQ(back.ProjectType, 70000);
    EXPECT_EQ(back.AnalysisMethod, -20);
    EXPECT_EQ(back.Options, data.Options);
    EXPECT_EQ(back.JobLines, data.JobLines);

    data.JobLines.clear();
    WriteProjectFile(dir.file("B.PO1"), data);
    EXPECT_TRUE(ReadProjectFile(dir.file("B.PO1")).JobLines.empty());
}

TEST(ProjectFile, WriterRefusesWhatCannotBeReadBack)
{
    ScratchDir dir;
    ProjectFileData data;
    data.JobLines = {"a", "b", "c", "d"};
    EXPECT_THROW(WriteProjectFile(dir.file("A.PO1"), data), std::invalid_argument);
    data.JobLines = {"say \"hello\""};
    EXPECT_THROW(WriteProjectFile(dir.file("A.PO1"), data), std::invalid_argument);
    data.JobLines = {"two\nlines"};
    EXPECT_THROW(WriteProjectFile(dir.file("A.PO1"), data), std::invalid_argument);
    EXPECT_THROW(WriteJobFile(dir.file("A.AUF"), {"a\r\nb", "", ""}), std::invalid_argument);
    EXPECT_THROW(WriteDesignParameterFile(dir.file("A.P23"), {}, "x\ny"), std::invalid_argument);
    test::ExpectAccessErrorNaming(
        dir.file("missing/A.PO1"), [&] { WriteProjectFile(dir.file("missing/A.PO1"), {}); });
}

TEST(JobFile, RoundTripsThreeLinesAndMissingTrailingLinesReadAsEmpty)
{
    ScratchDir dir;
    const std::array<std::string, 3> lines = {"Hall 3, slab B", "", "  indented, \"quoted\""};
    WriteJobFile(dir.file("A.AUF"), lines);
    EXPECT_EQ(ReadJobFile(dir.file("A.AUF")), lines);
    WriteJobFile(dir.file("E.AUF"), {"", "", ""});
    EXPECT_EQ(ReadJobFile(dir.file("E.AUF")), (std::array<std::string, 3>{"", "", ""}));
    // Trailing blank lines and missing ones cannot be told apart at the end
    // of a file, so both give empty lines.
    FieldReader in("A.AUF", "Only line\n");
    EXPECT_EQ(ReadJobFile(in), (std::array<std::string, 3>{"Only line", "", ""}));
    test::ExpectAccessErrorNaming("/nonexistent/dir/A.AUF", [] { ReadJobFile("/nonexistent/dir/A.AUF"); });
}

TEST(DesignParameterFile, RoundTripsNumbersAndCode)
{
    ScratchDir dir;
    const std::array<double, 6> numbers = {1, 2.5, -3, 0, 1e6, 0.125};
    WriteDesignParameterFile(dir.file("A.P23"), numbers, "DIN 1045-1, edition 2008");
    const DesignParameterData back = ReadDesignParameterFile(dir.file("A.P23"));
    EXPECT_EQ(back.Numbers, numbers);
    EXPECT_EQ(back.DesignCode, "DIN 1045-1, edition 2008");
}

TEST(SlabMarksFile, RoundTripsRecordsEightAndNine)
{
    ScratchDir dir;
    WriteSlabMarks(dir.file("A.P21"), "J", -1.5f);
    const SlabMarks marks = ReadSlabMarks(dir.file("A.P21"));
    EXPECT_EQ(marks.SlabMark, "J");
    EXPECT_EQ(marks.Record9, -1.5f);
    // The mark stands at the start of record 8, the single at record 9.
    const std::string bytes = test::readFile(dir.file("A.P21"));
    ASSERT_EQ(bytes.size(), 9 * RecordLength);
    EXPECT_EQ(bytes.substr(7 * RecordLength, 3), std::string("\x01\x00J", 3));
}

TEST(SlabMarksFile, ShortFileNamesTheRecord)
{
    RecordWriter eight;
    eight.PutString(8, "N");
    const RecordFile file("A.P21", eight.bytes());
    try {
        ReadSlabMarks(file);
        FAIL() << "a file of eight records has no record 9";
    } catch (const FileFormatError& error) {
        EXPECT_EQ(error.file(), "A.P21");
        EXPECT_EQ(error.record(), 9u);
    }
    const RecordFile empty("A.P21", "");
    EXPECT_THROW(ReadSlabMarks(empty), FileFormatError);
}

} // namespace
} // namespace teska
