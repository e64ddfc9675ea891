// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every input file written and read back, and the layouts checked against
// files and records written out by hand.

#include <gtest/gtest.h>

#include "project/input/InputFiles.h"
#include "project/io/FieldReader.h"
#include "project/io/RecordFile.h"
#include "suite/Errors.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

template <class T, class Read> T viaText(const std::string& bytes, const Read& read)
{
    FieldReader in("P.TXT", bytes);
    return read(in);
}

template <class T, class Read> T viaRecords(const std::string& bytes, const Read& read)
{
    RecordFile in("P.REC", bytes);
    return read(in);
}

#define EXPECT_TEXT_ROUND_TRIP(Type, Name, value)                                                            \
    EXPECT_EQ(viaText<Type>(Write##Name(value), [](FieldReader& in) { return Read##Name(in); }), value)
#define EXPECT_RECORD_ROUND_TRIP(Type, Name, value)                                                          \
    EXPECT_EQ(                                                                                               \
        viaRecords<Type>(Write##Name(value), [](const RecordFile& in) { return Read##Name(in); }), value)

TEST(InputRoundTrip, SupportFiles)
{
    SupportFileP61 p61{"Supports of slab 1", {{3, "edge A", "w, Theta", "1.5"}, {-7, "", "x y", "F"}},
        {{1, 2}, {-3, 32767}}};
    EXPECT_TEXT_ROUND_TRIP(SupportFileP61, SupportFileP61, p61);
    SupportFileP71 p71{"t", {{5, "one, with comma", "two"}}};
    EXPECT_TEXT_ROUND_TRIP(SupportFileP71, SupportFileP71, p71);
    SupportFileP31 p31{
        "t", {{1, 4, {"F", "0.25", "1e-3"}}, {2, 9, {"F", "F", "F"}}}, {{0.5f, -1.25f}, {3e6f, 1.0f / 3}}};
    EXPECT_TEXT_ROUND_TRIP(SupportFileP31, SupportFileP31, p31);
    PointFileP35 p35{"", {{1, 2, {0.1f, 0.2f, -0.3f}}}, {{1, 2}, {3, 4}, {5, 6}}};
    EXPECT_TEXT_ROUND_TRIP(PointFileP35, PointFileP35, p35);
    EXPECT_TEXT_ROUND_TRIP(SupportFileP61, SupportFileP61, SupportFileP61{});
}

TEST(InputRoundTrip, LoadFiles)
{
    LoadFilePCF pcf{"Column loads", {{1, {100, 0.5f, -0.5f}}, {2, {2.5e-7f, 0, 1}}}, {{1, 2, 12.5f}}};
    EXPECT_TEXT_ROUND_TRIP(LoadFilePCF, LoadFilePCF, pcf);
    LoadFilePCW pcw{"w", {{4, {1.5f, 2.5f}}}};
    EXPECT_TEXT_ROUND_TRIP(LoadFilePCW, LoadFilePCW, pcw);
    LoadFilePC7 pc7{{1, 2, 3, 4, 5, 6, 7, 8, 9, 0.125f}};
    EXPECT_TEXT_ROUND_TRIP(LoadFilePC7, LoadFilePC7, pc7);
    LoadFilePC8 pc8{{-1, -2, -3, -4, 1e10f}};
    EXPECT_TEXT_ROUND_TRIP(LoadFilePC8, LoadFilePC8, pc8);

    LoadFilePC1 pc1;
    pc1.BlockA = {{1, 2, 3, 4, 5, 6}};
    pc1.BlockB = {{7, 8, 9, 10, 11}, {12, 13, 14, 15, 16}};
    pc1.BlockC = {{42, {0.5f, 1.5f, 2.5f}}};
    pc1.BlockD = {{1, 1, 1}};
    pc1.BlockE = {{2, 2, 2}};
    pc1.BlockF = {{6, 5, 4, 3, 2, 1}};
    pc1.Points = {{10, 20}, {30, 40}};
    pc1.FurtherCount = 17;
    pc1.MaxPolylinePoints = 3;
    pc1.Polylines = {{{0, 0, 1}, {1, 0, 2}, {1, 1, 3}}, {}, {{5, 5, -1}}};
    EXPECT_RECORD_ROUND_TRIP(LoadFilePC1, LoadFilePC1, pc1);

    LoadFileP41 p41{{{1, "Load case 1"}, {-2, ""}}};
    EXPECT_RECORD_ROUND_TRIP(LoadFileP41, LoadFileP41, p41);
}

TEST(InputRoundTrip, SlabAndSoil)
{
    SlabFileP21 p21{0.3f, 7, {1, 2, 3, 4}, "J", 0.45f, {{1, 2, 3}, {4, 5, 6}}, {0, 3, 0, 12}};
    EXPECT_RECORD_ROUND_TRIP(SlabFileP21, SlabFileP21, p21);

    SoilFileBAU bau;
    bau.Records1To3 = {1.5f, 2.5f, 3.5f};
    bau.Record5 = -2;
    BoringBAU b1{
        10, 20, "B 1", 0.5f, {{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}}, {{1, 2}, {3, 4}}, 99, {{5, 6}, {7, 8}}};
    BoringBAU b2{-3, 4, "Boring two", 1, {{11, 12, 13, 14, 15}}, {{9, 9}}, 98, {{8, 8}}};
    bau.Borings = {b1, b2};
    bau.Values = {0.25f, 0.75f};
    bau.LastValue = 12;
    bau.LastNumber = -4;
    EXPECT_RECORD_ROUND_TRIP(SoilFileBAU, SoilFileBAU, bau);
}

TEST(InputRoundTrip, OtherTextFiles)
{
    DataFileGL1 gl1{"g", {{1, 2, 3}, {4, 5, 6}}, {{1, 2, 3, 4, 5}}, true, {{0.5f, 0.25f}}};
    EXPECT_TEXT_ROUND_TRIP(DataFileGL1, DataFileGL1, gl1);
    gl1.Switch = false;
    EXPECT_TEXT_ROUND_TRIP(DataFileGL1, DataFileGL1, gl1);
    EXPECT_TEXT_ROUND_TRIP(TemperatureFilePT1, TemperatureFilePT1, (TemperatureFilePT1{15, 1e-5f}));
    EXPECT_TEXT_ROUND_TRIP(DataFilePP1, DataFilePP1, (DataFilePP1{{"Pile A", "with, comma", ""}}));
    EXPECT_TEXT_ROUND_TRIP(DataFilePV1, DataFilePV1, (DataFilePV1{{1.5f, -2, 0, 3e-8f}}));
    EXPECT_TEXT_ROUND_TRIP(DataFilePV1, DataFilePV1, DataFilePV1{});
    EXPECT_TEXT_ROUND_TRIP(PileFilePL9, PileFilePL9, (PileFilePL9{{{0.6f, 12}, {0.9f, 15}}}));
    EXPECT_TEXT_ROUND_TRIP(PileFilePL3, PileFilePL3, (PileFilePL3{{3, 1, -2}}));

    PileFilePIL pil;
    pil.Value1 = 1.5f;
    pil.Value2 = 2.5f;
    pil.Number = 3;
    pil.PileNumbers = {1, 2};
    pil.Piles = {{{1, 2}, {1, 2, 3, 4, 5, 6, 7}, "Pile one", 8}, {{3, 4}, {7, 6, 5, 4, 3, 2, 1}, "", 0}};
    pil.Blocks = {{{1, 2, 3, 4}, {0.5f, 0.25f}}, {{5, 6, 7, 8}, {}}};
    EXPECT_TEXT_ROUND_TRIP(PileFilePIL, PileFilePIL, pil);

    EXPECT_TEXT_ROUND_TRIP(DataFilePS1, DataFilePS1, (DataFilePS1{0.012f, -0.001f, 0.002f}));
    DataFileLDH ldh{{1, 2}, {{"Characteristic point", {3, 4}}, {"", {5, 6}}}};
    EXPECT_TEXT_ROUND_TRIP(DataFileLDH, DataFileLDH, ldh);
    DataFileLD1 ld1{2.5f, {1, 2, 3}, {{1, 2, 3, 4}, {5, 6, 7, 8}}, {9, 10}, "end line"};
    EXPECT_TEXT_ROUND_TRIP(DataFileLD1, DataFileLD1, ld1);
    DataFileQP1 qp1{{1, 2, 3}, {{{4, 5, 6}, 7, {8, 9, 10}}}};
    EXPECT_TEXT_ROUND_TRIP(DataFileQP1, DataFileQP1, qp1);
    DataFileQP2 qp2{{1, 2, 3}, {{4, 5, 6}, {7, 8, 9}}};
    EXPECT_TEXT_ROUND_TRIP(DataFileQP2, DataFileQP2, qp2);
    DataFileQP3 qp3{{1, 2, 3}, {{4, 5, 6, 7, 8, 9}}};
    EXPECT_TEXT_ROUND_TRIP(DataFileQP3, DataFileQP3, qp3);
}

// --------------------------------------------------- layouts worked by hand

TEST(InputLayout, P31ReadsBlankSeparatedFieldsAndLfLines)
{
    FieldReader in("S.P31", "Conditions\n2 1\n7, 4\nF\n0.5\nF\n8,5\n1\n2\n3\n1.5 2.5\n");
    const SupportFileP31 file = ReadSupportFileP31(in);
    ASSERT_EQ(file.Items.size(), 2u);
    EXPECT_EQ(file.Items[0].KeptNumber, 7);
    EXPECT_EQ(file.Items[0].ItemNumber, 4);
    EXPECT_EQ(file.Items[0].Conditions, (std::array<std::string, 3>{"F", "0.5", "F"}));
    EXPECT_EQ(file.Items[1].ItemNumber, 5);
    EXPECT_EQ(file.Items[1].Conditions[2], "3");
    ASSERT_EQ(file.Points.size(), 1u);
    EXPECT_EQ(file.Points[0], (PointXY{1.5f, 2.5f}));
}

TEST(InputLayout, PILBlocksRunToTheEndOfTheFile)
{
    // One pile; then two blocks, the second with no entries; trailing blank
    // lines end the file.
    FieldReader in("P.PIL",
        "1, 0.5, 1.5, 2\n7\n3,4,1,2,3,4,5,6,7\nPile A, bored\n8.5\n"
        "1,2,3,4,2,0.25,0.75\n5,6,7,8,0\n\n\n");
    const PileFilePIL file = ReadPileFilePIL(in);
    EXPECT_EQ(file.Value2, 1.5f);
    EXPECT_EQ(file.Number, 2);
    EXPECT_EQ(file.PileNumbers, (std::vector<std::int16_t>{7}));
    ASSERT_EQ(file.Piles.size(), 1u);
    EXPECT_EQ(file.Piles[0].Numbers, (std::array<std::int16_t, 2>{3, 4}));
    EXPECT_EQ(file.Piles[0].Values[6], 7);
    EXPECT_EQ(file.Piles[0].Line, "Pile A, bored");
    EXPECT_EQ(file.Piles[0].LastValue, 8.5f);
    ASSERT_EQ(file.Blocks.size(), 2u);
    EXPECT_EQ(file.Blocks[0].Entries, (std::vector<float>{0.25f, 0.75f}));
    EXPECT_EQ(file.Blocks[1].Values, (std::array<float, 4>{5, 6, 7, 8}));
    EXPECT_TRUE(file.Blocks[1].Entries.empty());
}

TEST(InputLayout, GL1SwitchAndSecondListOfB)
{
    FieldReader in("G.GL1", "Ground\r\n1,1\r\n1,2,3\r\n0.1,0.2,0.3,0.4,0.5\r\n#TRUE#\r\n9,10\r\n");
    const DataFileGL1 file = ReadDataFileGL1(in);
    EXPECT_EQ(file.ItemsA, (std::vector<std::array<std::int16_t, 3>>{{1, 2, 3}}));
    EXPECT_EQ(file.ItemsB[0][4], 0.5f);
    EXPECT_TRUE(file.Switch);
    EXPECT_EQ(file.ItemsB2, (std::vector<std::array<float, 2>>{{9, 10}}));
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

TEST(InputLayout, BAUBoringHeadersLieInRecordsFiveIPlusOneToFive)
{
    SoilFileBAU bau;
    bau.Borings = {{1.5f, 2.5f, "B1", 0, {{}}, {{}}, 0, {{}}}, {-4, 8, "Second", 0, {}, {}, 0, {}}};
    const RecordFile in("S.BAU", WriteSoilFileBAU(bau));
    EXPECT_EQ(in.GetInt16(4), 2);
    EXPECT_EQ(in.GetSingle(6), 1.5f);
    EXPECT_EQ(in.GetSingle(7), 2.5f);
    EXPECT_EQ(in.GetString(8), "B1");
    EXPECT_EQ(in.GetInt16(9), 1); // one layer
    EXPECT_EQ(in.GetSingle(11), -4);
    EXPECT_EQ(in.GetSingle(12), 8);
    EXPECT_EQ(in.GetString(13), "Second");
    // 5 + 2 * 5 header records, 5 + 2 layer records, 1 + 1 boring values,
    // 2 values, 2 layer records, the last value and the whole number.
    EXPECT_EQ(in.RecordCount(), 15u + 7u + 2u + 2u + 2u + 2u);
}

TEST(InputLayout, P21SlabMarkInRecordEightAndItemsFromRecordTen)
{
    SlabFileP21 p21{1, 2, {3, 4, 5, 6}, "J", 7, {{8, 9, 10}}, {11, 0}};
    const RecordFile in("S.P21", WriteSlabFileP21(p21));
    EXPECT_EQ(in.GetInt16(2), 1);
    EXPECT_EQ(in.GetSingle(3), 2);
    EXPECT_EQ(in.GetSingle(7), 6);
    EXPECT_EQ(in.GetString(8), "J");
    EXPECT_EQ(in.GetSingle(9), 7);
    EXPECT_EQ(in.GetSingle(10), 8);
    EXPECT_EQ(in.GetSingle(12), 10);
    EXPECT_EQ(in.GetInt16(13), 11);
    EXPECT_EQ(in.RecordCount(), 14u);
    EXPECT_TRUE(ReadSlabFileP21(in).MarkedJ());
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
