// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The result files that the calculation programs leave beside the project
// file, read from an open FieldReader and written whole. All are sequential
// text: numbers separated by commas, blanks or line ends, no header line and
// no terminator; whatever follows the last value a reader needs is ignored.
//
//   .PL6            one whole number: the node count of the result mesh
//   column files    node count singles, node 1 first; the count is not in
//                   the file (.PH1 ... .PH9, .THX, .THY, .U_x, .THZ, .S_X,
//                   .S_Y, .TXY, .VAX, .VAY, .VXY, .H10 ... .H16, .QUN, .PW1,
//                   .PT2, .PT3, .PP2, .PP3, .PV1, .PV2)
//   .PL4            n, then n singles (node areas)
//   .PD1 .PD2 .PE1  n, then n x n singles, row by row
//   .PPU            punching points, see PunchingFile
//   .GH1            m, then m beam records, see BeamRecord
//
// Counts of nodes, rows, points, elements and matrix orders are 32-bit
// whole numbers; every other whole number is 16-bit. A count is checked
// against the size of its file before anything is allocated for it: every
// value takes at least two bytes (a digit and a separator), so a count that
// the file cannot hold is refused at once. Every failure throws
// FileFormatError naming the file and the line.

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace teska {

class FieldReader;

// ---- reading ---------------------------------------------------------------

// A count read from the file: a 32-bit whole number of 0 or more. \p what
// names it in the error message ("node count", "number of punching points").
std::int32_t ReadResultCount(FieldReader& in, const char* what);

// Throws FileFormatError, naming \p line (0: the reader's current line),
// unless \p count items of \p fieldsPerItem numbers each can be held by the
// reader's file (at least two bytes per number).
void CheckCountFitsFile(const FieldReader& in, std::int64_t count, std::int64_t fieldsPerItem,
    const char* what, std::size_t line = 0);

// .PL6: the node count.
std::int32_t ReadNodeCountFile(FieldReader& in);

// A column file: \p count singles into first[0], first[stride], ...
// \p count is checked against the file's size first.
void ReadColumnValues(FieldReader& in, std::int32_t count, float* first, std::size_t stride);
// The same values into a vector that grows as they are read: memory follows
// the values the file really holds, not the count announced ahead of them.
std::vector<float> ReadColumnList(FieldReader& in, std::int32_t count);

// .PL4: the count, then that many singles.
std::vector<float> ReadCountedValues(FieldReader& in);

// .PD1, .PD2, .PE1: the order n, which must equal \p nodeCount (the .PL6
// count), checked against the file's size. Then read the n x n values with
// ReadMatrixValues.
std::int32_t ReadMatrixOrder(FieldReader& in, std::int32_t nodeCount);
// n x n singles in row order into out[0 .. n*n).
void ReadMatrixValues(FieldReader& in, std::int32_t n, float* out);

// .PPU, field by field:
//   n (32-bit), t (16-bit, 0 or more)
//   n point records:  load, x, y (singles), cross-section type (16-bit, 1..t)
//   t type records:   side a, side b (singles)
//   n result records: Qp, Qo, PA, AL, Dp, Rpa (singles), then four groups
//     that the lists skip: k1 and k1 pairs of singles; k2 and k2 groups of
//     (c and c whole numbers); k3 and k3 groups of four singles; k4 and k4
//     groups of four singles (k1..k4 and c 16-bit, 0 or more).
struct PunchingPoint {
    float Load = 0, X = 0, Y = 0;
    std::int16_t Type = 1; // 1-based index into Types
};
struct CrossSectionType {
    float SideA = 0, SideB = 0;
};
struct PunchingGroups {
    std::vector<std::array<float, 2>> Pairs; // k1
    std::vector<std::vector<std::int16_t>> Lists; // k2
    std::vector<std::array<float, 4>> Quads1; // k3
    std::vector<std::array<float, 4>> Quads2; // k4
};
struct PunchingResult {
    float Qp = 0, Qo = 0, PA = 0, AL = 0, Dp = 0, Rpa = 0;
    PunchingGroups Skipped; // written by the writer; the reader leaves it empty
};
struct PunchingFile {
    std::vector<PunchingPoint> Points;
    std::vector<CrossSectionType> Types;
    std::vector<PunchingResult> Results; // one per point, same order
};
// Reads the whole file; the skipped groups are read past, not kept. A type
// number outside 1..t is refused.
PunchingFile ReadPunchingFile(FieldReader& in);

// .GH1: m (32-bit), then m records of node 1, node 2 (32-bit whole
// numbers) and five singles S1..S5: S1 normal force and torsion, S2 and S3
// the bending moments at the two ends, S4 and S5 the shear forces there.
struct BeamRecord {
    std::int32_t Node1 = 0, Node2 = 0;
    std::array<float, 5> S{};
};
std::vector<BeamRecord> ReadBeamFile(FieldReader& in);

// ---- writing ---------------------------------------------------------------
// Values are written in their shortest text that reads back as the same
// single, CR LF line ends; the file is replaced atomically. Each writer
// throws FileAccessError naming the file, and std::invalid_argument for data
// that the readers would refuse (a count out of range, a type number
// outside 1..t, a matrix row of the wrong length).

// The shortest text of a single that reads back exactly ("0.5", "1e-05").
std::string SingleText(float value);

void WriteNodeCountFile(const std::string& path, std::int32_t nodes); // .PL6
void WriteColumnFile(const std::string& path, std::span<const float> values); // one value a line
void WriteCountedFile(const std::string& path, std::span<const float> values); // .PL4
// n on the first line, then one matrix row a line; \p row(i, out) fills row
// i (0-based) into \p out, which holds n values.
void WriteMatrixFile(
    const std::string& path, std::int32_t n, const std::function<void(std::int32_t, std::span<float>)>& row);
void WriteMatrixFile(const std::string& path, std::int32_t n, std::span<const float> rowMajor);
void WritePunchingResults(const std::string& path, const PunchingFile& file); // .PPU
void WriteBeamFile(const std::string& path, std::span<const BeamRecord> beams); // .GH1

} // namespace teska
