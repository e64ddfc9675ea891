// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Result files of any content through their readers: column files, the
// counted node areas, square matrices, the punching file and the beam file.
// Only FileFormatError may come out, naming the file; what is read agrees
// with its counts (one value per counted item, a matrix of order equal to
// the node count, every punching point naming one of the types), and no
// count is allocated beyond what the file can hold.
//
// Layout of an input: byte 0 the file kind (taken modulo 5: 0 column file,
// 1 .PL4, 2 matrix, 3 .PPU, 4 .GH1), byte 1 the node count for the column
// file and the matrix, then the file content.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "project/io/FieldReader.h"
#include "project/results/ResultFiles.h"
#include "suite/Errors.h"

namespace {

const std::string FileName = "FUZZ.PH1";

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void readKind(unsigned kind, std::int32_t nodes, teska::FieldReader& in, std::size_t size)
{
    switch (kind % 5) {
    case 0: {
        std::vector<float> values(static_cast<std::size_t>(nodes));
        teska::ReadColumnValues(in, nodes, values.data(), 1);
        return;
    }
    case 1: {
        const std::vector<float> areas = teska::ReadCountedValues(in);
        require(2 * areas.size() <= size + 1);
        return;
    }
    case 2: {
        const std::int32_t n = teska::ReadMatrixOrder(in, nodes);
        require(n == nodes);
        std::vector<float> cells(static_cast<std::size_t>(n) * static_cast<std::size_t>(n));
        teska::ReadMatrixValues(in, n, cells.data());
        return;
    }
    case 3: {
        const teska::PunchingFile file = teska::ReadPunchingFile(in);
        require(file.Points.size() == file.Results.size());
        for (const teska::PunchingPoint& p : file.Points)
            require(p.Type >= 1 && static_cast<std::size_t>(p.Type) <= file.Types.size());
        require(14 * file.Points.size() <= size + 1);
        return;
    }
    default: {
        const std::vector<teska::BeamRecord> beams = teska::ReadBeamFile(in);
        require(7 * 2 * beams.size() <= size + 1);
        return;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::string content(reinterpret_cast<const char*>(data) + 2, size - 2);
    teska::FieldReader in(FileName, content);
    try {
        // The size bounds hold for the decoded text: a legacy 8-bit file
        // grows when it is decoded to UTF-8.
        readKind(data[0], data[1], in, in.byteSize());
    } catch (const teska::FileFormatError& error) {
        require(error.file() == FileName);
        require(!error.expectation().empty());
    }
    return 0;
}
