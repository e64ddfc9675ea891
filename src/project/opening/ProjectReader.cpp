// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/opening/ProjectReader.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "project/io/FieldReader.h"
#include "project/opening/ProjectFileReader.h"
#include "suite/Errors.h"
#include "suite/FileText.h"

namespace teska {

namespace fs = std::filesystem;

namespace {

bool HasProjectExtension(const std::string& path)
{
    if (path.size() < 4)
        return false;
    const std::string ext = path.substr(path.size() - 4);
    return ext[0] == '.' && (ext[1] == 'P' || ext[1] == 'p') && (ext[2] == 'O' || ext[2] == 'o')
        && ext[3] == '1';
}

template <class Reader> auto ReadDataFile(const std::string& path, Reader read)
{
    std::string reason;
    if (DataFileRefused(path, 1, &reason)) {
        // The refusal reason starts with the path; the error names it once.
        const std::string prefix = path + ": ";
        if (reason.starts_with(prefix))
            reason.erase(0, prefix.size());
        throw FileAccessError(path, reason);
    }
    FieldReader in = FieldReader::FromFile(path);
    return read(in);
}

} // namespace

ProjectCheck ProjectReader::CheckProjectFile(const std::string& path)
{
    ProjectCheck check;
    if (!HasProjectExtension(path)) {
        check.Reason = path + ": not a project file (the extension must be .PO1)";
        return check;
    }
    if (DataFileRefused(path, 1, &check.Reason))
        return check;
    // A pipe or device named *.PO1 is refused before an open could block.
    if (const std::string problem = RegularFileProblem(path); !problem.empty()) {
        check.Reason = path + ": " + problem;
        return check;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        check.Reason = path + ": the file cannot be opened for reading";
        return check;
    }
    std::string first;
    std::getline(in, first);
    if (first.compare(0, 3, "\xEF\xBB\xBF") == 0)
        first.erase(0, 3);
    while (!first.empty() && (first.back() == '\r' || first.back() == ' ' || first.back() == '\t'))
        first.pop_back();
    if (first != kProjectSignature) {
        check.Reason = path + ": not a project file (line 1 is not " + kProjectSignature + ")";
        return check;
    }
    check.Accepted = true;
    return check;
}

ProjectFileData ProjectReader::ReadOptions(const std::string& path)
{
    return ReadDataFile(path, [](FieldReader& in) { return ReadProjectFile(in); });
}

NodeCoordinates ProjectReader::ReadNodes(const std::string& pathWithoutExtension)
{
    return ReadDataFile(pathWithoutExtension + ".NOD", [](FieldReader& in) { return ReadNodeFile(in); });
}

std::vector<ElementNodes> ProjectReader::ReadElements(const std::string& pathWithoutExtension)
{
    return ReadDataFile(pathWithoutExtension + ".ELM", [](FieldReader& in) { return ReadElementFile(in); });
}

SlabData ProjectReader::ReadSlab(const std::string& pathWithoutExtension)
{
    return ReadDataFile(pathWithoutExtension + ".SLB", [](FieldReader& in) { return ReadSlabFile(in); });
}

ProjectLoads ProjectReader::ReadLoads(const std::string& pathWithoutExtension)
{
    return ReadDataFile(pathWithoutExtension + ".LDS", [](FieldReader& in) { return ReadLoadFile(in); });
}

bool DataFileRefused(const std::string& path, int mode, std::string* reason)
{
    auto refuse = [&](const std::string& why) {
        if (reason)
            *reason = path + ": " + why;
        return true;
    };
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::exists(status))
        return refuse("the file does not exist");
    if (!fs::is_regular_file(status))
        return refuse("not a regular file");
    const auto size = fs::file_size(path, error);
    if (error)
        return refuse("its size cannot be read");
    if (size > kMaxDataFileBytes)
        return refuse("larger than any data file of a project (" + std::to_string(size) + " bytes)");
    if (mode == 3 && size == 0)
        return refuse("an empty record file");
    if (reason)
        reason->clear();
    return false;
}

} // namespace teska
