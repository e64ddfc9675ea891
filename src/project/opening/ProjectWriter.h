// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Writers of the project file (.PO1) and of the files read when a project
// opens (.AUF, .PPU, .P23, .P21). The layouts are in docs/file-formats.md.
// Written with FieldWriter (text) and RecordWriter (.P21); the readers are
// in ProjectFileReader.h.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace teska {

// The content of a .PO1 file.
struct ProjectFileData {
    std::int32_t ProjectType = 0;
    std::int32_t AnalysisMethod = 0;
    std::array<std::int16_t, 13> Options{}; // option 1 is Options[0]
    std::vector<std::string> JobLines; // 0 to 3 lines
};

// Throws FileAccessError naming \p path when it cannot be written.
void WriteProjectFile(const std::string& path, const ProjectFileData& data);
void WriteJobFile(const std::string& path, const std::array<std::string, 3>& jobLines); // .AUF
void WritePunchingFile(const std::string& path, double firstNumber); // .PPU
void WriteDesignParameterFile(const std::string& path, const std::array<double, 6>& numbers,
    const std::string& designCode); // .P23
void WriteSlabMarks(const std::string& path, const std::string& slabMark,
    float record9); // .P21 records 8 and 9

} // namespace teska
