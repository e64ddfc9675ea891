// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every input file read and written back, and the layouts checked against
// files and records written out by hand.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>

#include "project/input/InputFiles.h"
#include "project/io/FieldReader.h"
#include "project/io/RecordFile.h"
#include "suite/Errors.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

// The bytes written again from what the reader of a kind of file read.
template <class T>
std::string Again(const std::string& bytes, T (*read)(FieldReader&), std::string (*write)(const T&))
{
    FieldReader in("F", bytes);
    return write(read(in));
}
template <class T>
std::string Again(const std::string& bytes, T (*read)(const RecordFile&), std::string (*write)(const T&))
{
    return write(read(RecordFile("F", bytes)));
}
#define AGAIN(Name) [](const std::string& bytes) { return Again<Name>(bytes, Read##Name, Write##Name); }

// Every file under tests/data/project/inputs, named after its kind, read
// and written again comes back byte for byte: reader and writer keep every
// value (limits, commas and blanks in texts, empty lists) and the layout of
// these files (the intricate ones also worked by hand below).
TEST(InputFiles, ReadAndWrittenAgainComeBackByteForByte)
{
    const std::map<std::string, std::function<std::string(const std::string&)>> again = {
        {"SupportFileP61", AGAIN(SupportFileP61)},
        {"SupportFileP71", AGAIN(SupportFileP71)},
        {"SupportFileP31", AGAIN(SupportFileP31)},
        {"PointFileP35", AGAIN(PointFileP35)},
        {"LoadFilePCF", AGAIN(LoadFilePCF)},
        {"LoadFilePCW", AGAIN(LoadFilePCW)},
        {"LoadFilePC7", AGAIN(LoadFilePC7)},
        {"LoadFilePC8", AGAIN(LoadFilePC8)},
        {"DataFileGL1", AGAIN(DataFileGL1)},
        {"TemperatureFilePT1", AGAIN(TemperatureFilePT1)},
        {"DataFilePP1", AGAIN(DataFilePP1)},
        {"DataFilePV1", AGAIN(DataFilePV1)},
        {"PileFilePL9", AGAIN(PileFilePL9)},
        {"PileFilePL3", AGAIN(PileFilePL3)},
        {"PileFilePIL", AGAIN(PileFilePIL)},
        {"DataFilePS1", AGAIN(DataFilePS1)},
        {"DataFileLDH", AGAIN(DataFileLDH)},
        {"DataFileLD1", AGAIN(DataFileLD1)},
        {"DataFileQP1", AGAIN(DataFileQP1)},
        {"DataFileQP2", AGAIN(DataFileQP2)},
        {"DataFileQP3", AGAIN(DataFileQP3)},
        {"LoadFilePC1", AGAIN(LoadFilePC1)},
        {"LoadFileP41", AGAIN(LoadFileP41)},
        {"SlabFileP21", AGAIN(SlabFileP21)},
        {"SoilFileBAU", AGAIN(SoilFileBAU)},
    };
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(test::dataPath("project/inputs"))) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        ASSERT_TRUE(again.count(name.substr(0, name.find('.'))));
        const std::string bytes = test::readFile(entry.path().string());
        EXPECT_EQ(again.at(name.substr(0, name.find('.')))(bytes), bytes);
        ++files;
    }
    EXPECT_EQ(files, 28u);
}

// --------------------------------------------------- layouts worked by hand

TEST(InputLayout, PILBlocksRunToTheEndOfTheFile)
{
    // One pile; then two blocks, the second with no entries; trailing blank
    // lines end the file.
    FieldReader in("P.PIL",
        "1, 0.5, 1.5, 2\n7\n3,4,1,2,3,4,5,6,7\nPile A, bored\n8.5\n"
        "1,2,3,4,2,0.25,0.75\n5,6,7,8,0\n\n\n");
    const PileFilePIL file = ReadPileFilePIL(in);
    ASSERT_EQ(file.Piles.size(), 1u);
    EXPECT_EQ(file.Piles[0].Line, "Pile A, bored");
    EXPECT_EQ(file.Piles[0].LastValue, 8.5f);
    ASSERT_EQ(file.Blocks.size(), 2u);
    EXPECT_EQ(file.Blocks[0].Entries, (std::vector<float>{0.25f, 0.75f}));
    EXPECT_EQ(file.Blocks[1].Values, (std::array<float, 4>{5, 6, 7, 8}));
    EXPECT_TRUE(file.Blocks[1].Entries.empty());
}

TEST(InputLayout, PC1BlocksAndPolylinesLieWhereTheCountsPutThem)
{
    // A = 1 (records 10-15), P = 1 (records 16-17), G = 2: S = 8, so the
    // further count is record 18, Q record 19, the first polyline's count
    // record 20 and its point records 21-23, the second count record 24.
    RecordWriter out;
    const std::int16_t counts[8] = {1, 0, 0, 0, 0, 0, 2, 1};
    for (std::size_t r = 1; r <= 8; ++r)
        out.PutInt16(r, counts[r - 1]);
    out.PutInt16(9, 0);
    for (std::size_t r = 10; r <= 15; ++r)
        out.PutSingle(r, static_cast<float>(r));
    out.PutSingle(16, -1);
    out.PutSingle(17, -2);
    out.PutInt16(18, 5);
    out.PutInt16(19, 1);
    out.PutInt16(20, 1);
    out.PutSingle(21, 0.5f);
    out.PutSingle(22, 0.75f);
    out.PutSingle(23, 9);
    out.PutInt16(24, 0);
    const LoadFilePC1 file = ReadLoadFilePC1(RecordFile("L.PC1", out.bytes()));
    ASSERT_EQ(file.BlockA.size(), 1u);
    EXPECT_EQ(file.BlockA[0], (std::array<float, 6>{10, 11, 12, 13, 14, 15}));
    EXPECT_EQ(file.Points, (std::vector<PointXY>{{-1, -2}}));
    EXPECT_EQ(file.FurtherCount, 5);
    ASSERT_EQ(file.Polylines.size(), 2u);
    EXPECT_EQ(file.Polylines[0], (std::vector<PolylinePoint>{{0.5f, 0.75f, 9}}));
    EXPECT_TRUE(file.Polylines[1].empty());
    EXPECT_EQ(WriteLoadFilePC1(file), out.bytes());
    // All counts zero: the further count and Q are records 10 and 11.
    RecordWriter zeros;
    for (std::size_t r = 1; r <= 9; ++r)
        zeros.PutInt16(r, 0);
    zeros.PutInt16(10, 23);
    zeros.PutInt16(11, 4);
    const LoadFilePC1 empty = ReadLoadFilePC1(RecordFile("L.PC1", zeros.bytes()));
    EXPECT_EQ(empty.FurtherCount, 23);
    EXPECT_EQ(empty.MaxPolylinePoints, 4);
    EXPECT_TRUE(empty.Polylines.empty());
    EXPECT_TRUE(empty.Points.empty());
}

TEST(InputLayout, SavedFileHoldsTheWrittenBytes)
{
    test::ScratchDir dir;
    const std::string path = dir.file("P.PT1");
    test::writeFile(path, "old content");
    SaveInputFile(path, WriteTemperatureFilePT1({20, 1.2e-5f}));
    EXPECT_EQ(test::readFile(path), "20,1.2e-05\r\n");
    test::ExpectAccessErrorNaming(
        dir.file("missing/P.PT1"), [&] { SaveInputFile(dir.file("missing/P.PT1"), "x"); });
}

TEST(InputWriters, CountsBeyondSixteenBitsAndUnreadableTextsAreRefused)
{
    PileFilePL9 pl9;
    pl9.Pairs.resize(32768);
    EXPECT_THROW(WritePileFilePL9(pl9), std::length_error);
    pl9.Pairs.resize(32767);
    EXPECT_NO_THROW(WritePileFilePL9(pl9));
    LoadFilePC1 pc1;
    pc1.MaxPolylinePoints = 1;
    pc1.Polylines = {{{}, {}}};
    EXPECT_THROW(WriteLoadFilePC1(pc1), std::length_error);
    EXPECT_THROW(WriteLoadFileP41({{{1, std::string(127, 'x')}}}), std::length_error);
    EXPECT_NO_THROW(WriteLoadFileP41({{{1, std::string(126, 'x')}}}));
    EXPECT_THROW(WriteSupportFileP71({"two\r\nlines", {}}), std::invalid_argument);
    EXPECT_THROW(WriteSupportFileP71({"t", {{1, "a\nb", ""}}}), std::invalid_argument);
    EXPECT_THROW(WriteDataFilePP1({{"say \"hi\""}}), std::invalid_argument);
    EXPECT_NO_THROW(WriteDataFilePP1({{"commas, are fine"}}));
}

} // namespace
} // namespace teska
