// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every text reader on the contents of tests/data/project/text_readers.tsv:
// the fields read from the forms the files may take, and a format error
// that names the file and the line, before anything is allocated for
// counts the file cannot hold.

#include <gtest/gtest.h>

#include <charconv>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "project/data/ProjectData.h"
#include "project/input/InputFiles.h"
#include "project/io/FieldReader.h"
#include "project/opening/ProjectFileReader.h"
#include "project/opening/ProjectWriter.h"
#include "project/results/ResultFiles.h"
#include "suite/Errors.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

using Read = std::function<std::string(FieldReader&, const std::string& argument)>;

template <class T> std::string Shortest(T value)
{
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// One field or state of \p in as text, by its letter in the table.
std::string Field(FieldReader& in, char op)
{
    switch (op) {
    case 'i':
        return std::to_string(in.ReadInt16());
    case 'l':
        return std::to_string(in.ReadInt32());
    case 's':
        return Shortest(in.ReadSingle());
    case 'd':
        return Shortest(in.ReadDouble());
    case 'b':
        return in.ReadBool() ? "1" : "0";
    case 'S':
        return in.ReadString();
    case 'L':
        return in.LineInput();
    case 'e':
        return in.AtEnd() ? "1" : "0";
    default:
        return std::to_string(in.line());
    }
}

// A reader whose values the table does not list: only its errors count.
#define ReadOnly(read)                                                                                       \
    [](FieldReader& in, const std::string&) {                                                                \
        read(in);                                                                                            \
        return std::string();                                                                                \
    }

// The readers by name; the argument is what follows a ":" in the name.
const std::map<std::string, Read>& Readers()
{
    static const std::map<std::string, Read> readers = {
        {"field",
            [](FieldReader& in, const std::string& ops) {
                std::string read;
                for (const char op : ops)
                    read += (read.empty() ? "" : "|") + Field(in, op);
                return read;
            }},
        {"po1",
            [](FieldReader& in, const std::string&) {
                const ProjectFileData data = ReadProjectFile(in);
                std::string read
                    = std::to_string(data.ProjectType) + "|" + std::to_string(data.AnalysisMethod);
                for (std::size_t i = 0; i < data.Options.size(); ++i)
                    read += (i ? "," : "|") + std::to_string(data.Options[i]);
                for (const std::string& line : data.JobLines)
                    read += "|" + line;
                return read;
            }},
        {"p23", ReadOnly(ReadDesignParameterFile)},
        {"ppu-first", ReadOnly(ReadPunchingFirstNumber)},
        {"nod",
            [](FieldReader& in, const std::string&) {
                const NodeCoordinates nodes = ReadNodeFile(in);
                std::string read;
                for (std::size_t i = 0; i < nodes.NodeCount(); ++i)
                    read += (i ? "|" : "") + Shortest(nodes.X[i]) + " " + Shortest(nodes.Y[i]);
                return read;
            }},
        {"elm", ReadOnly(ReadElementFile)},
        {"slb", ReadOnly(ReadSlabFile)},
        {"lds", ReadOnly(ReadLoadFile)},
        {"p61", ReadOnly(ReadSupportFileP61)},
        {"p71", ReadOnly(ReadSupportFileP71)},
        {"p31", ReadOnly(ReadSupportFileP31)},
        {"pcf", ReadOnly(ReadLoadFilePCF)},
        {"pp1", ReadOnly(ReadDataFilePP1)},
        {"pl9", ReadOnly(ReadPileFilePL9)},
        {"pil", ReadOnly(ReadPileFilePIL)},
        {"gl1", ReadOnly(ReadDataFileGL1)},
        {"pt1", ReadOnly(ReadTemperatureFilePT1)},
        {"pl6", [](FieldReader& in, const std::string&) { return std::to_string(ReadNodeCountFile(in)); }},
        {"counted", ReadOnly(ReadCountedValues)},
        {"gh1",
            [](FieldReader& in, const std::string&) {
                std::string read;
                for (const BeamRecord& b : ReadBeamFile(in))
                    read += (read.empty() ? "" : "|") + std::to_string(b.Node1) + " "
                        + std::to_string(b.Node2) + " " + Shortest(b.S[0]) + " " + Shortest(b.S[4]);
                return read;
            }},
        {"ppu", ReadOnly(ReadPunchingFile)},
        {"column",
            [](FieldReader& in, const std::string& count) {
                // A count beyond the cells given goes into one cell.
                const std::int32_t n = std::stoi(count);
                std::vector<float> cells(static_cast<std::size_t>(std::min(n, 16)));
                ReadColumnValues(in, n, cells.data(), n > 16 ? 0 : 1);
                std::string read;
                for (const float cell : cells)
                    read += (read.empty() ? "" : "|") + Shortest(cell);
                return read;
            }},
        {"matrix",
            [](FieldReader& in, const std::string& nodes) {
                const std::int32_t order = ReadMatrixOrder(in, std::stoi(nodes));
                std::vector<float> cells(static_cast<std::size_t>(order) * static_cast<std::size_t>(order));
                ReadMatrixValues(in, order, cells.data());
                return std::string();
            }},
    };
    return readers;
}

TEST(TextReaders, EveryRowOfTheTable)
{
    const auto table = test::TableRows("project/text_readers.tsv", 6);
    ASSERT_GT(table.size(), 90u);
    for (const std::vector<std::string>& f : table) {
        SCOPED_TRACE(f[0]);
        const std::size_t colon = f[1].find(':');
        const std::string name = f[1].substr(0, colon);
        const std::string argument = colon == std::string::npos ? "" : f[1].substr(colon + 1);
        ASSERT_TRUE(Readers().count(name)) << f[1];
        const std::string file = name == "field" ? "T.TXT" : "S." + name.substr(0, 3);
        FieldReader in(file, test::Unescaped(f[2]));
        try {
            const std::string read = Readers().at(name)(in, argument);
            EXPECT_EQ(f[3], "0") << "no error";
            EXPECT_EQ(read, f[5]);
        } catch (const FileFormatError& error) {
            const std::string message = error.what();
            EXPECT_EQ(error.file(), file);
            EXPECT_NE(message.find(file), std::string::npos) << message;
            EXPECT_NE(f[3], "0") << message;
            if (f[3] != "-" && f[3] != "0") {
                EXPECT_EQ(error.line(), std::stoul(f[3])) << message;
            }
            EXPECT_NE(message.find(f[4]), std::string::npos) << message;
        }
    }
}

} // namespace
} // namespace teska
