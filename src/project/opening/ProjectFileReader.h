// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Readers of the project file (.PO1) and of the files read when a project
// opens (.AUF, .PPU, .P23, .P21 records 8-9), the counterparts of
// ProjectWriter.h. Every failure throws FileFormatError naming the file and
// the line (text) or record (.P21); a file that cannot be read throws
// FileAccessError.

#include <array>
#include <string>

#include "project/opening/ProjectWriter.h"

namespace teska {

class FieldReader;
class RecordFile;

// The first line of every project file.
inline constexpr const char* kProjectSignature = "TESKA-PO1";

ProjectFileData ReadProjectFile(const std::string& path);
ProjectFileData ReadProjectFile(FieldReader& in);

std::array<std::string, 3> ReadJobFile(const std::string& path); // .AUF
std::array<std::string, 3> ReadJobFile(FieldReader& in);

double ReadPunchingFirstNumber(const std::string& path); // .PPU: its first number
double ReadPunchingFirstNumber(FieldReader& in);

struct DesignParameterData {
    std::array<double, 6> Numbers{};
    std::string DesignCode;
};
DesignParameterData ReadDesignParameterFile(const std::string& path); // .P23
DesignParameterData ReadDesignParameterFile(FieldReader& in);

struct SlabMarks {
    std::string SlabMark; // record 8
    float Record9 = 0; // record 9
};
SlabMarks ReadSlabMarks(const std::string& path); // .P21
SlabMarks ReadSlabMarks(const RecordFile& in);

} // namespace teska
