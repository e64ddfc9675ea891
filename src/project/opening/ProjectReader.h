// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The suite's project reader and data file check as this program uses them:
// whether a file may be opened as a project, the project options, and the
// mesh, element, slab and load data that the data list prints.

#include <string>
#include <vector>

#include "project/data/ProjectData.h"
#include "project/opening/ProjectWriter.h"

namespace teska {

// The answer of the first member: Refused is zero-false, so `if (!check)`.
struct ProjectCheck {
    bool Accepted = false;
    std::string Reason; // names the file; empty when accepted
    explicit operator bool() const { return Accepted; }
};

class ProjectReader {
public:
    // A project file is an existing, readable regular file whose extension
    // is ".PO1" (any case) and whose first line is the project signature.
    static ProjectCheck CheckProjectFile(const std::string& path);
    // The options, the job lines of the project file; throws FileFormatError
    // or FileAccessError naming the file.
    static ProjectFileData ReadOptions(const std::string& path);

    // The data files, addressed by the project path without its extension
    // (the extension is appended in upper case). Throw as ReadOptions does.
    static NodeCoordinates ReadNodes(const std::string& pathWithoutExtension); // .NOD
    static std::vector<ElementNodes> ReadElements(const std::string& pathWithoutExtension); // .ELM
    static SlabData ReadSlab(const std::string& pathWithoutExtension); // .SLB
    static ProjectLoads ReadLoads(const std::string& pathWithoutExtension); // .LDS
};

// Files larger than this are not data files of a project; refusing them
// keeps a stray huge file from being read whole into memory.
inline constexpr unsigned long long kMaxDataFileBytes = 512ull * 1024 * 1024;

// The data file check: true when \p path must NOT be read in \p mode (1 text,
// 3 records): it is missing, not a regular file, larger than
// kMaxDataFileBytes, or (mode 3) empty. \p reason names the file and why.
// Whether it can be opened is the reader's business (FileAccessError).
bool DataFileRefused(const std::string& path, int mode, std::string* reason = nullptr);

} // namespace teska
