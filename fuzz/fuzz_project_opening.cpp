// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Project files and project data files of any content. The first byte picks
// the reader (.PO1, .NOD, .ELM, .SLB, .LDS), the rest is the file. Only
// FileFormatError may come out, naming the file; whatever reads without
// error must write back (when the writer accepts it) to a file that reads
// to the same data.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "project/data/ProjectData.h"
#include "project/io/FieldReader.h"
#include "project/opening/ProjectFileReader.h"
#include "suite/Errors.h"

using teska::FieldReader;

namespace {

const std::string FileName = "FUZZ.DAT";

void require(bool condition)
{
    if (!condition)
        std::abort();
}

template <class Read, class Text> void RoundTrip(const std::string& content, Read read, Text text)
{
    FieldReader in(FileName, content);
    const auto first = read(in);
    std::string written;
    try {
        written = text(first);
    } catch (const std::invalid_argument&) {
        return; // data the writer refuses (a quote in a name read unquoted ...)
    }
    FieldReader again(FileName, written);
    require(text(read(again)) == written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::string content(reinterpret_cast<const char*>(data) + 1, size - 1);
    try {
        switch (data[0] % 5) {
        case 0: {
            FieldReader in(FileName, content);
            teska::ProjectFileData project = teska::ReadProjectFile(in);
            require(project.JobLines.size() <= 3);
            break;
        }
        case 1:
            RoundTrip(
                content, [](FieldReader& in) { return teska::ReadNodeFile(in); },
                [](const teska::NodeCoordinates& n) { return teska::NodeFileText(n); });
            break;
        case 2:
            RoundTrip(
                content, [](FieldReader& in) { return teska::ReadElementFile(in); },
                [](const std::vector<teska::ElementNodes>& e) { return teska::ElementFileText(e); });
            break;
        case 3:
            RoundTrip(
                content, [](FieldReader& in) { return teska::ReadSlabFile(in); },
                [](const teska::SlabData& s) { return teska::SlabFileText(s); });
            break;
        default:
            RoundTrip(
                content, [](FieldReader& in) { return teska::ReadLoadFile(in); },
                [](const teska::ProjectLoads& l) { return teska::LoadFileText(l); });
            break;
        }
    } catch (const teska::FileFormatError& error) {
        require(error.file() == FileName);
    }
    return 0;
}
