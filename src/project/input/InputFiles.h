// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The input data files of a project as the data list reads them: one plain
// struct per file holding what the file holds, in the file's own order, a
// pure reader working on an in-memory FieldReader or RecordFile, and a
// writer that returns the file's bytes (save them with SaveInputFile).
//
// Conventions of every struct here:
// - arrays are 0-based vectors: item i of the file (1-based) is element i-1;
//   the file's count is the vector's size and is written back from it;
// - counts in the files are 16-bit whole numbers; a negative or zero count
//   reads no items; a count larger than the rest of the file can hold, or
//   one beyond 16 bits, throws FileFormatError naming the file and the line
//   (text) or record (record files) before anything is allocated;
// - a title line that the data list does not use is still kept, so that a
//   file read and written again keeps its content.
//
// The opening step (announce the name, OpenListFile, read, CloseListFile,
// trap errors through ReportRuntimeError) is ReadTextInputFile /
// ReadRecordInputFile in InputOpening.h.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace teska {

class FieldReader;
class RecordFile;

struct PointXY {
    float X = 0;
    float Y = 0;
    bool operator==(const PointXY&) const = default;
};

// ---------------------------------------------------------------- supports

// .P61 (text): title line; N, M; N items of an item number and three whole
// lines; M pairs of whole numbers.
struct SupportItemP61 {
    std::int16_t ItemNumber = 0;
    std::string Text1, Text2, Text3;
    bool operator==(const SupportItemP61&) const = default;
};
struct SupportFileP61 {
    std::string Title;
    std::vector<SupportItemP61> Items; // N
    std::vector<std::array<std::int16_t, 2>> Pairs; // M
    bool operator==(const SupportFileP61&) const = default;
};

// .P71 (text): title line; N; N items of an item number and two whole lines.
struct SupportItemP71 {
    std::int16_t ItemNumber = 0;
    std::string Text1, Text2;
    bool operator==(const SupportItemP71&) const = default;
};
struct SupportFileP71 {
    std::string Title;
    std::vector<SupportItemP71> Items; // N
    bool operator==(const SupportFileP71&) const = default;
};

// .P31 (text): title line; N, P; N items of two whole numbers (a number kept
// only from this file, then the item number) and three whole lines, the
// condition texts ("F" = free); P points of two single values on one line.
struct SupportItemP31 {
    std::int16_t KeptNumber = 0;
    std::int16_t ItemNumber = 0;
    std::array<std::string, 3> Conditions;
    bool operator==(const SupportItemP31&) const = default;
};
struct SupportFileP31 {
    std::string Title;
    std::vector<SupportItemP31> Items; // N
    std::vector<PointXY> Points; // P
    bool operator==(const SupportFileP31&) const = default;
};

// .P35 (text): title line; N, P; N items of two whole numbers and three
// single values; P points of two single values on one line.
struct PointItemP35 {
    std::int16_t Number1 = 0;
    std::int16_t Number2 = 0;
    std::array<float, 3> Values{};
    bool operator==(const PointItemP35&) const = default;
};
struct PointFileP35 {
    std::string Title;
    std::vector<PointItemP35> Items; // N
    std::vector<PointXY> Points; // P
    bool operator==(const PointFileP35&) const = default;
};

// ------------------------------------------------------------------- loads

// .PCF (text): title line; K, L; K items of a whole number and three single
// values; L items of two whole numbers and one single value.
struct LoadItemPCF {
    std::int16_t Number = 0;
    std::array<float, 3> Values{};
    bool operator==(const LoadItemPCF&) const = default;
};
struct LoadGroupPCF {
    std::int16_t Number1 = 0;
    std::int16_t Number2 = 0;
    float Value = 0;
    bool operator==(const LoadGroupPCF&) const = default;
};
struct LoadFilePCF {
    std::string Title;
    std::vector<LoadItemPCF> Items; // K
    std::vector<LoadGroupPCF> Groups; // L
    bool operator==(const LoadFilePCF&) const = default;
};

// .PCW (text): title line; K; K items of a whole number and two single values.
struct LoadItemPCW {
    std::int16_t Number = 0;
    std::array<float, 2> Values{};
    bool operator==(const LoadItemPCW&) const = default;
};
struct LoadFilePCW {
    std::string Title;
    std::vector<LoadItemPCW> Items; // K
    bool operator==(const LoadFilePCW&) const = default;
};

// .PC1 (record file). Records 1-8: the counts A, B, C, D, E, F, G, P;
// record 9 unused; from record 10 the blocks A (6 values), B (5), C (a whole
// number and 3 values), D (3), E (3), the P points (x, y), F (6), one value
// per record; then the further count and Q; then the G polylines.
// Polyline layout: its point count n in a record of its own, followed by
// x, y and value of each point (3n records); the next polyline starts in the
// record after. Every polyline has at most Q points.
struct LoadItemPC1C {
    std::int16_t Number = 0;
    std::array<float, 3> Values{};
    bool operator==(const LoadItemPC1C&) const = default;
};
struct PolylinePoint {
    float X = 0;
    float Y = 0;
    float Value = 0;
    bool operator==(const PolylinePoint&) const = default;
};
struct LoadFilePC1 {
    std::vector<std::array<float, 6>> BlockA;
    std::vector<std::array<float, 5>> BlockB;
    std::vector<LoadItemPC1C> BlockC;
    std::vector<std::array<float, 3>> BlockD;
    std::vector<std::array<float, 3>> BlockE;
    std::vector<std::array<float, 6>> BlockF;
    std::vector<PointXY> Points; // P, the shared point list
    std::int16_t FurtherCount = 0;
    std::int16_t MaxPolylinePoints = 0; // Q
    std::vector<std::vector<PolylinePoint>> Polylines; // G
    bool operator==(const LoadFilePC1&) const = default;
};

// .PC7 (text): ten single values. .PC8 (text): five single values.
struct LoadFilePC7 {
    std::array<float, 10> Values{};
    bool operator==(const LoadFilePC7&) const = default;
};
struct LoadFilePC8 {
    std::array<float, 5> Values{};
    bool operator==(const LoadFilePC8&) const = default;
};

// .P41 (record file): record 1 the item count N; then per item two records,
// a whole number and a string.
struct LoadItemP41 {
    std::int16_t Number = 0;
    std::string Text;
    bool operator==(const LoadItemP41&) const = default;
};
struct LoadFileP41 {
    std::vector<LoadItemP41> Items;
    bool operator==(const LoadFileP41&) const = default;
};

// ------------------------------------------------------------ slab and soil

// .P21 (record file): record 1 a single value; record 2 N; record 3 a single
// value; records 4-7 single values; record 8 the slab mark ("J" switches on
// Tk and Tf); record 9 a single value; from record 10 N items of three single
// values; then one whole number per element up to the last record (the
// element count is 32-bit, the file's record count bounds it).
struct SlabFileP21 {
    float Record1 = 0;
    float Record3 = 0;
    std::array<float, 4> Records4To7{};
    std::string SlabMark;
    float Record9 = 0;
    std::vector<std::array<float, 3>> Items; // N
    std::vector<std::int16_t> ElementNumbers; // one per element
    bool MarkedJ() const { return SlabMark == "J"; }
    bool operator==(const SlabFileP21&) const = default;
};

// .BAU (record file), one value per record: records 1-3 single values,
// record 4 the boring count B, record 5 a single value; B headers of five
// records (X, Y, name, layer count L, a single value); then for each boring
// its L layers of 5 values; for each boring L entries of 2 values; for each
// boring one value; two values; for each boring L entries of 2 values; one
// value and a whole number. Boring i's header lies in records 5i+1 to 5i+5.
struct BoringBAU {
    float X = 0;
    float Y = 0;
    std::string Name;
    float HeaderValue = 0;
    std::vector<std::array<float, 5>> Layers; // L
    std::vector<std::array<float, 2>> LayerEntries;
    float Value = 0;
    std::vector<std::array<float, 2>> LayerEntries2;
    bool operator==(const BoringBAU&) const = default;
};
struct SoilFileBAU {
    std::array<float, 3> Records1To3{};
    float Record5 = 0;
    std::vector<BoringBAU> Borings; // B
    std::array<float, 2> Values{};
    float LastValue = 0;
    std::int16_t LastNumber = 0;
    bool operator==(const SoilFileBAU&) const = default;
};

// -------------------------------------------------- the other text files

// .GL1: title line; A, B; A items of three whole numbers; B items of five
// single values; a Boolean switch; B items of two single values.
struct DataFileGL1 {
    std::string Title;
    std::vector<std::array<std::int16_t, 3>> ItemsA; // A
    std::vector<std::array<float, 5>> ItemsB; // B
    bool Switch = false;
    std::vector<std::array<float, 2>> ItemsB2; // B, same count as ItemsB
    bool operator==(const DataFileGL1&) const = default;
};

// .PT1: DT and AlfaT.
struct TemperatureFilePT1 {
    float DT = 0;
    float AlfaT = 0;
    bool operator==(const TemperatureFilePT1&) const = default;
};

// .PP1: N, then N strings. Count is N as the file has it (the section
// writes it as it stands); a negative N reads no texts.
struct DataFilePP1 {
    std::vector<std::string> Texts;
    std::int16_t Count = 0;
    bool operator==(const DataFilePP1& other) const { return Texts == other.Texts; }
};

// .PV1: one single value per table row, up to the end of the file.
struct DataFilePV1 {
    std::vector<float> Values;
    bool operator==(const DataFilePV1&) const = default;
};

// .PL9: N, then N pairs of single values.
struct PileFilePL9 {
    std::vector<std::array<float, 2>> Pairs;
    bool operator==(const PileFilePL9&) const = default;
};

// .PL3: one whole number per pile, up to the end of the file.
struct PileFilePL3 {
    std::vector<std::int16_t> Numbers;
    bool operator==(const PileFilePL3&) const = default;
};

// .PIL: the pile count NP, two single values and a whole number; NP whole
// numbers; NP piles of two whole numbers, seven single values, a whole line
// and one single value; then blocks up to the end of the file, each four
// single values, an entry count n and n single values.
struct PileEntryPIL {
    std::array<std::int16_t, 2> Numbers{};
    std::array<float, 7> Values{};
    std::string Line;
    float LastValue = 0;
    bool operator==(const PileEntryPIL&) const = default;
};
struct PileBlockPIL {
    std::array<float, 4> Values{};
    std::vector<float> Entries;
    bool operator==(const PileBlockPIL&) const = default;
};
struct PileFilePIL {
    float Value1 = 0;
    float Value2 = 0;
    std::int16_t Number = 0;
    std::vector<std::int16_t> PileNumbers; // NP
    std::vector<PileEntryPIL> Piles; // NP
    std::vector<PileBlockPIL> Blocks;
    bool operator==(const PileFilePIL&) const = default;
};

// .PS1: w_o, Theta_o x, Theta_o y on one line.
struct DataFilePS1 {
    float Wo = 0;
    float ThetaOx = 0;
    float ThetaOy = 0;
    bool operator==(const DataFilePS1&) const = default;
};

// .LDH: two single values; then, up to the end of the file, items of a whole
// line followed by two single values.
struct LineItemLDH {
    std::string Line;
    std::array<float, 2> Values{};
    bool operator==(const LineItemLDH&) const = default;
};
struct DataFileLDH {
    std::array<float, 2> Values{};
    std::vector<LineItemLDH> Items;
    bool operator==(const DataFileLDH&) const = default;
};

// .LD1: a count N, a single value, a count M; N single values; M lines of four
// single values; two single values and a whole line.
struct DataFileLD1 {
    float Value = 0;
    std::vector<float> Values; // N
    std::vector<std::array<float, 4>> Rows; // M
    std::array<float, 2> EndValues{};
    std::string EndLine;
    bool operator==(const DataFileLD1&) const = default;
};

// .QP1, .QP2, .QP3: a count N and three single values; then N items:
// .QP2 three single values, .QP3 two groups of three, .QP1 three single
// values, a whole number and three more.
struct QpItemQP1 {
    std::array<float, 3> First{};
    std::int16_t Number = 0;
    std::array<float, 3> Second{};
    bool operator==(const QpItemQP1&) const = default;
};
struct DataFileQP1 {
    std::array<float, 3> Head{};
    std::vector<QpItemQP1> Items;
    bool operator==(const DataFileQP1&) const = default;
};
struct DataFileQP2 {
    std::array<float, 3> Head{};
    std::vector<std::array<float, 3>> Items;
    bool operator==(const DataFileQP2&) const = default;
};
struct DataFileQP3 {
    std::array<float, 3> Head{};
    std::vector<std::array<float, 6>> Items;
    bool operator==(const DataFileQP3&) const = default;
};

// ------------------------------------------------------- readers, writers

SupportFileP61 ReadSupportFileP61(FieldReader& in);
SupportFileP71 ReadSupportFileP71(FieldReader& in);
SupportFileP31 ReadSupportFileP31(FieldReader& in);
PointFileP35 ReadPointFileP35(FieldReader& in);
LoadFilePCF ReadLoadFilePCF(FieldReader& in);
LoadFilePCW ReadLoadFilePCW(FieldReader& in);
LoadFilePC1 ReadLoadFilePC1(const RecordFile& in);
LoadFilePC7 ReadLoadFilePC7(FieldReader& in);
LoadFilePC8 ReadLoadFilePC8(FieldReader& in);
LoadFileP41 ReadLoadFileP41(const RecordFile& in);
SlabFileP21 ReadSlabFileP21(const RecordFile& in);
SoilFileBAU ReadSoilFileBAU(const RecordFile& in);
DataFileGL1 ReadDataFileGL1(FieldReader& in);
TemperatureFilePT1 ReadTemperatureFilePT1(FieldReader& in);
DataFilePP1 ReadDataFilePP1(FieldReader& in);
DataFilePV1 ReadDataFilePV1(FieldReader& in);
PileFilePL9 ReadPileFilePL9(FieldReader& in);
PileFilePL3 ReadPileFilePL3(FieldReader& in);
PileFilePIL ReadPileFilePIL(FieldReader& in);
DataFilePS1 ReadDataFilePS1(FieldReader& in);
DataFileLDH ReadDataFileLDH(FieldReader& in);
DataFileLD1 ReadDataFileLD1(FieldReader& in);
DataFileQP1 ReadDataFileQP1(FieldReader& in);
DataFileQP2 ReadDataFileQP2(FieldReader& in);
DataFileQP3 ReadDataFileQP3(FieldReader& in);

// The same readers filling \p file in place (emptied first): when a fault
// throws, \p file keeps what was read up to it, as the data list shows it.
// Item arrays are sized by their count before their items are read.
void ReadLoadFilePCF(FieldReader& in, LoadFilePCF& file);
void ReadLoadFilePCW(FieldReader& in, LoadFilePCW& file);
void ReadLoadFilePC7(FieldReader& in, LoadFilePC7& file);
void ReadLoadFilePC8(FieldReader& in, LoadFilePC8& file);
void ReadDataFileGL1(FieldReader& in, DataFileGL1& file);
void ReadTemperatureFilePT1(FieldReader& in, TemperatureFilePT1& file);
void ReadDataFilePP1(FieldReader& in, DataFilePP1& file);
void ReadDataFilePV1(FieldReader& in, DataFilePV1& file);
void ReadPileFilePL9(FieldReader& in, PileFilePL9& file);
void ReadPileFilePL3(FieldReader& in, PileFilePL3& file);
void ReadPileFilePIL(FieldReader& in, PileFilePIL& file);
void ReadDataFilePS1(FieldReader& in, DataFilePS1& file);
void ReadDataFileLDH(FieldReader& in, DataFileLDH& file);
void ReadDataFileLD1(FieldReader& in, DataFileLD1& file);
void ReadDataFileQP1(FieldReader& in, DataFileQP1& file);
void ReadSupportFileP61(FieldReader& in, SupportFileP61& file);
void ReadSupportFileP71(FieldReader& in, SupportFileP71& file);
void ReadSupportFileP31(FieldReader& in, SupportFileP31& file);
void ReadPointFileP35(FieldReader& in, PointFileP35& file);

// Writers: the bytes of the file (text files with CRLF line ends, numbers in
// their shortest exact form, strings quoted). A count that does not fit in 16
// bits, or a string longer than a record holds, throws std::length_error; a
// whole line holding a line end, or a quoted string holding a quote, throws
// std::invalid_argument, since the readers could not get them back.
std::string WriteSupportFileP61(const SupportFileP61& data);
std::string WriteSupportFileP71(const SupportFileP71& data);
std::string WriteSupportFileP31(const SupportFileP31& data);
std::string WritePointFileP35(const PointFileP35& data);
std::string WriteLoadFilePCF(const LoadFilePCF& data);
std::string WriteLoadFilePCW(const LoadFilePCW& data);
std::string WriteLoadFilePC1(const LoadFilePC1& data);
std::string WriteLoadFilePC7(const LoadFilePC7& data);
std::string WriteLoadFilePC8(const LoadFilePC8& data);
std::string WriteLoadFileP41(const LoadFileP41& data);
std::string WriteSlabFileP21(const SlabFileP21& data);
std::string WriteSoilFileBAU(const SoilFileBAU& data);
std::string WriteDataFileGL1(const DataFileGL1& data);
std::string WriteTemperatureFilePT1(const TemperatureFilePT1& data);
std::string WriteDataFilePP1(const DataFilePP1& data);
std::string WriteDataFilePV1(const DataFilePV1& data);
std::string WritePileFilePL9(const PileFilePL9& data);
std::string WritePileFilePL3(const PileFilePL3& data);
std::string WritePileFilePIL(const PileFilePIL& data);
std::string WriteDataFilePS1(const DataFilePS1& data);
std::string WriteDataFileLDH(const DataFileLDH& data);
std::string WriteDataFileLD1(const DataFileLD1& data);
std::string WriteDataFileQP1(const DataFileQP1& data);
std::string WriteDataFileQP2(const DataFileQP2& data);
std::string WriteDataFileQP3(const DataFileQP3& data);

// Writes \p bytes to \p path through a temporary file renamed over the
// target; throws FileAccessError.
void SaveInputFile(const std::string& path, const std::string& bytes);

} // namespace teska
