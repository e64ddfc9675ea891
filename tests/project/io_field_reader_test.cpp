// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "project/io/FieldReader.h"
#include "suite/Errors.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

FieldReader reader(const std::string& content)
{
    return FieldReader("T.TXT", content);
}

TEST(FieldReader, NumbersSeparatedByCommasBlanksAndLineEnds)
{
    auto in = reader("1,2 3\t4\r\n  5 ,6\n7\r8");
    for (int expected = 1; expected <= 8; ++expected)
        EXPECT_EQ(in.ReadInt16(), expected);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(in.line(), 4u);
}

TEST(FieldReader, QuotedStringHoldsCommasUnquotedIsTrimmed)
{
    auto in = reader("\"a, b\" junk,\"c\"\r\n\"open, to the line end\r\nnext");
    EXPECT_EQ(in.ReadString(), "a, b");
    EXPECT_EQ(in.ReadString(), "c");
    EXPECT_EQ(in.ReadString(), "open, to the line end");
    EXPECT_EQ(in.ReadString(), "next");
    auto unquoted = reader("  two words  ,x\t\r\n");
    EXPECT_EQ(unquoted.ReadString(), "two words");
    EXPECT_EQ(unquoted.ReadString(), "x");
}

TEST(FieldReader, EmptyFieldsAreZeroOrEmptyQuotedNumbersAreRead)
{
    auto in = reader("1,,3\r\na,,c\r\n");
    EXPECT_EQ(in.ReadInt16(), 1);
    EXPECT_EQ(in.ReadInt16(), 0);
    EXPECT_EQ(in.ReadInt16(), 3);
    EXPECT_EQ(in.ReadString(), "a");
    EXPECT_EQ(in.ReadString(), "");
    EXPECT_EQ(in.ReadString(), "c");
    auto quoted = reader("\"12\",\"\"");
    EXPECT_EQ(quoted.ReadInt16(), 12);
    EXPECT_EQ(quoted.ReadInt16(), 0);
}

TEST(FieldReader, BlankLinesSkippedForNumbersButEmptyForStrings)
{
    auto numbers = reader("1\r\n\r\n   \r\n2\r\n");
    EXPECT_EQ(numbers.ReadInt16(), 1);
    EXPECT_EQ(numbers.ReadInt16(), 2);
    EXPECT_EQ(numbers.line(), 5u);

    auto strings = reader("a\r\n\r\nb\r\n");
    EXPECT_EQ(strings.ReadString(), "a");
    EXPECT_EQ(strings.ReadString(), "");
    EXPECT_EQ(strings.ReadString(), "b");
}

TEST(FieldReader, LineInputMixedWithInput)
{
    auto in = reader("Title, with comma\r\n3, 4.5\r\n\r\nrest of line\rlast");
    EXPECT_EQ(in.LineInput(), "Title, with comma");
    EXPECT_EQ(in.ReadInt16(), 3);
    EXPECT_FLOAT_EQ(in.ReadSingle(), 4.5f);
    EXPECT_EQ(in.LineInput(), "");
    EXPECT_EQ(in.LineInput(), "rest of line");
    EXPECT_EQ(in.LineInput(), "last");
    EXPECT_TRUE(in.AtEnd());
    auto blankEnded = reader("7 Pile A, south\r\n");
    EXPECT_EQ(blankEnded.ReadInt16(), 7);
    EXPECT_EQ(blankEnded.LineInput(), "Pile A, south");
}

TEST(FieldReader, AtEndIgnoresTrailingLineEndsAndBlanks)
{
    auto in = reader("1.5\r\n2.5\r\n\r\n  \n");
    std::vector<float> values;
    while (!in.AtEnd())
        values.push_back(in.ReadSingle());
    EXPECT_EQ(values, (std::vector<float>{1.5f, 2.5f}));
    EXPECT_TRUE(reader("").AtEnd());
    EXPECT_TRUE(reader("\r\n").AtEnd());
    EXPECT_FALSE(reader(" x").AtEnd());
}

TEST(FieldReader, WholeNumbersRoundHalfToEvenWithinTheirLimits)
{
    auto in = reader("2.5 3.5 -2.5 0.5 1.5 2.4999 2.6 -0.4 1E+2 32767.4");
    const std::int16_t expected[] = {2, 4, -2, 0, 2, 2, 3, 0, 100, 32767};
    for (const auto value : expected)
        EXPECT_EQ(in.ReadInt16(), value);
    auto limits = reader("32767 -32768 2147483647 -2147483648 &HFFFF &H7FFF &HFFFFFFFF &H10");
    EXPECT_EQ(limits.ReadInt16(), 32767);
    EXPECT_EQ(limits.ReadInt16(), -32768);
    EXPECT_EQ(limits.ReadInt32(), 2147483647);
    EXPECT_EQ(limits.ReadInt32(), -2147483647 - 1);
    EXPECT_EQ(limits.ReadInt16(), -1);
    EXPECT_EQ(limits.ReadInt16(), 32767);
    EXPECT_EQ(limits.ReadInt32(), -1);
    EXPECT_EQ(limits.ReadInt32(), 16);
}

TEST(FieldReader, RealFormsAndSinglesRoundedToNearestFloat)
{
    auto in = reader("1,-1.5,.5,1E+05,1D+05,-2.5e-3,+7,5.,1d2,#TRUE#");
    const double expected[] = {1, -1.5, 0.5, 1e5, 1e5, -2.5e-3, 7, 5, 100, -1};
    for (const double value : expected)
        EXPECT_DOUBLE_EQ(in.ReadDouble(), value);
    auto singles = reader("0.1 1E-50 -1E-50");
    EXPECT_EQ(singles.ReadSingle(), 0.1f);
    EXPECT_EQ(singles.ReadSingle(), 0.0f); // underflow reads as zero
    EXPECT_EQ(singles.ReadSingle(), 0.0f);
}

TEST(FieldReader, Booleans)
{
    auto in = reader("#TRUE#,#false#,True,FALSE,0,-1,2.5,\"True\"");
    const bool expected[] = {true, false, true, false, false, true, true, true};
    for (const bool value : expected)
        EXPECT_EQ(in.ReadBool(), value);
}

TEST(FieldReader, Windows1252IsDecodedValidUtf8StaysBomIsSkipped)
{
    // 0xC4 A-umlaut, 0x80 euro sign, 0x96 en dash, 0xB2 superscript two.
    auto in = reader("\xC4rger \x80,\x96 m\xB2\r\n");
    EXPECT_EQ(in.ReadString(), "\xC3\x84rger \xE2\x82\xAC");
    EXPECT_EQ(in.LineInput(), "\xE2\x80\x93 m\xC2\xB2");
    auto utf8 = reader("\xEF\xBB\xBF\xC3\xA4,5");
    EXPECT_EQ(utf8.ReadString(), "\xC3\xA4");
    EXPECT_EQ(utf8.ReadInt16(), 5);
}

TEST(FieldReader, FromFileReadsAndNamesMissingFile)
{
    test::ScratchDir dir;
    test::writeFile(dir.file("A.P61"), "4\r\n");
    EXPECT_EQ(FieldReader::FromFile(dir.file("A.P61")).ReadInt16(), 4);
    test::ExpectAccessErrorNaming(dir.file("NONE.P61"), [&] { FieldReader::FromFile(dir.file("NONE.P61")); });
    EXPECT_THROW(FieldReader::FromFile(dir.dir()), FileAccessError);
}

// Malformed input: which read fails, and the message the user reads.
TEST(FieldWriter, WritesAtomicallyOnCloseAndReadsBack)
{
    test::ScratchDir dir;
    const std::string path = dir.file("PAGELAYO.LST");
    test::writeFile(path, "old");
    {
        FieldWriter out(path);
        out.PrintLine("Page layout");
        out.WriteFields({FieldWriter::Quote("a, b"), FieldWriter::Number(-1.5), FieldWriter::Number(66)});
        EXPECT_EQ(test::readFile(path), "old"); // nothing replaced before Close
        out.Close();
    }
    EXPECT_EQ(test::readFile(path), "Page layout\r\n\"a, b\",-1.5,66\r\n");
    auto in = FieldReader::FromFile(path);
    EXPECT_EQ(in.LineInput(), "Page layout");
    EXPECT_EQ(in.ReadString(), "a, b");
    EXPECT_EQ(in.ReadSingle(), -1.5f);
    EXPECT_EQ(in.ReadInt16(), 66);
}

TEST(FieldWriter, DestructorWithoutCloseKeepsOldFileAndLeavesNoTemporary)
{
    test::ScratchDir dir;
    const std::string path = dir.file("X.LST");
    test::writeFile(path, "old");
    {
        FieldWriter out(path);
        out.PrintLine("new");
    }
    EXPECT_EQ(test::readFile(path), "old");
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 1u);
}

TEST(FieldWriter, UnwritableFolderFailsAtOnce)
{
    test::ScratchDir dir;
    test::ExpectAccessErrorNaming(
        dir.file("no/such/folder/X.LST"), [&] { FieldWriter(dir.file("no/such/folder/X.LST")); });
}

} // namespace
} // namespace teska
