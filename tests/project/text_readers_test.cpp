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

// The readers by name; the argument is what follows a ":" in the name.
const std::map<std::string, Read>& Readers()
{
    static const std::map<std::string, Read> readers = {
        {"field",
            [](FieldReader& in, const std::string& ops) {
                std::string read;
                for (const char op : ops) {
                    read += read.empty() ? "" : "|";
                    switch (op) {
                    case 'i':
                        read += std::to_string(in.ReadInt16());
                        break;
                    case 'l':
                        read += std::to_string(in.ReadInt32());
                        break;
                    case 's':
                        read += Shortest(in.ReadSingle());
                        break;
                    case 'd':
                        read += Shortest(in.ReadDouble());
                        break;
                    case 'b':
                        read += in.ReadBool() ? "1" : "0";
                        break;
                    case 'S':
                        read += in.ReadString();
                        break;
                    case 'L':
                        read += in.LineInput();
                        break;
                    case 'e':
                        read += in.AtEnd() ? "1" : "0";
                        break;
                    default:
                        read += std::to_string(in.line());
                    }
                }
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
        {"p23",
            [](FieldReader& in, const std::string&) {
                ReadDesignParameterFile(in);
                return std::string();
            }},
        {"ppu-first",
            [](FieldReader& in, const std::string&) {
                ReadPunchingFirstNumber(in);
                return std::string();
            }},
        {"nod",
            [](FieldReader& in, const std::string&) {
                const NodeCoordinates nodes = ReadNodeFile(in);
                std::string read;
                for (std::size_t i = 0; i < nodes.NodeCount(); ++i)
                    read += (i ? "|" : "") + Shortest(nodes.X[i]) + " " + Shortest(nodes.Y[i]);
                return read;
            }},
        {"elm",
            [](FieldReader& in, const std::string&) {
                ReadElementFile(in);
                return std::string();
            }},
        {"slb",
            [](FieldReader& in, const std::string&) {
                ReadSlabFile(in);
                return std::string();
            }},
        {"lds",
            [](FieldReader& in, const std::string&) {
                ReadLoadFile(in);
                return std::string();
            }},
        {"p61",
            [](FieldReader& in, const std::string&) {
                ReadSupportFileP61(in);
                return std::string();
            }},
        {"p71",
            [](FieldReader& in, const std::string&) {
                ReadSupportFileP71(in);
                return std::string();
            }},
        {"p31",
            [](FieldReader& in, const std::string&) {
                ReadSupportFileP31(in);
                return std::string();
            }},
        {"pcf",
            [](FieldReader& in, const std::string&) {
                ReadLoadFilePCF(in);
                return std::string();
            }},
        {"pp1",
            [](FieldReader& in, const std::string&) {
                ReadDataFilePP1(in);
                return std::string();
            }},
        {"pl9",
            [](FieldReader& in, const std::string&) {
                ReadPileFilePL9(in);
                return std::string();
            }},
        {"pil",
            [](FieldReader& in, const std::string&) {
                ReadPileFilePIL(in);
                return std::string();
            }},
        {"gl1",
            [](FieldReader& in, const std::string&) {
                ReadDataFileGL1(in);
                return std::string();
            }},
        {"pt1",
            [](FieldReader& in, const std::string&) {
                ReadTemperatureFilePT1(in);
                return std::string();
            }},
        {"pl6", [](FieldReader& in, const std::string&) { return std::to_string(ReadNodeCountFile(in)); }},
        {"counted",
            [](FieldReader& in, const std::string&) {
                ReadCountedValues(in);
                return std::string();
            }},
        {"gh1",
            [](FieldReader& in, const std::string&) {
                ReadBeamFile(in);
                return std::string();
            }},
        {"ppu",
            [](FieldReader& in, const std::string&) {
                ReadPunchingFile(in);
                return std::string();
            }},
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

std::string Unescaped(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        if (c == 'x' && i + 2 < text.size()) {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
            continue;
        }
        out += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
    }
    return out;
}

TEST(TextReaders, EveryRowOfTheTable)
{
    const auto table = test::TableRows("project/text_readers.tsv", 6);
    ASSERT_FALSE(table.empty());
    int rows = 0;
    for (const std::vector<std::string>& f : table) {
        SCOPED_TRACE(f[0]);
        ++rows;
        const std::size_t colon = f[1].find(':');
        const std::string name = f[1].substr(0, colon);
        const std::string argument = colon == std::string::npos ? "" : f[1].substr(colon + 1);
        ASSERT_TRUE(Readers().count(name)) << f[1];
        const std::string file = name == "field" ? "T.TXT" : "S." + name.substr(0, 3);
        FieldReader in(file, Unescaped(f[2]));
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
    EXPECT_GT(rows, 90);
}

} // namespace
} // namespace teska
