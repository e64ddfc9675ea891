// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every text reader on the contents of tests/data/project/text_readers.tsv:
// a format error names the file and the line, before anything is
// allocated for counts the file cannot hold; the valid forms read.

#include <gtest/gtest.h>

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

using Read = std::function<void(FieldReader&, const std::string& argument)>;

// The readers by name; the argument is what follows a ":" in the name.
const std::map<std::string, Read>& Readers()
{
    static const std::map<std::string, Read> readers = {
        {"field",
            [](FieldReader& in, const std::string& ops) {
                for (const char op : ops)
                    op == 'i'       ? (void)in.ReadInt16()
                        : op == 'l' ? (void)in.ReadInt32()
                        : op == 's' ? (void)in.ReadSingle()
                        : op == 'b' ? (void)in.ReadBool()
                        : op == 'S' ? (void)in.ReadString()
                                    : (void)in.LineInput();
            }},
        {"po1", [](FieldReader& in, const std::string&) { ReadProjectFile(in); }},
        {"p23", [](FieldReader& in, const std::string&) { ReadDesignParameterFile(in); }},
        {"ppu-first", [](FieldReader& in, const std::string&) { ReadPunchingFirstNumber(in); }},
        {"nod", [](FieldReader& in, const std::string&) { ReadNodeFile(in); }},
        {"elm", [](FieldReader& in, const std::string&) { ReadElementFile(in); }},
        {"slb", [](FieldReader& in, const std::string&) { ReadSlabFile(in); }},
        {"lds", [](FieldReader& in, const std::string&) { ReadLoadFile(in); }},
        {"p61", [](FieldReader& in, const std::string&) { ReadSupportFileP61(in); }},
        {"p71", [](FieldReader& in, const std::string&) { ReadSupportFileP71(in); }},
        {"p31", [](FieldReader& in, const std::string&) { ReadSupportFileP31(in); }},
        {"pcf", [](FieldReader& in, const std::string&) { ReadLoadFilePCF(in); }},
        {"pp1", [](FieldReader& in, const std::string&) { ReadDataFilePP1(in); }},
        {"pl9", [](FieldReader& in, const std::string&) { ReadPileFilePL9(in); }},
        {"pil", [](FieldReader& in, const std::string&) { ReadPileFilePIL(in); }},
        {"gl1", [](FieldReader& in, const std::string&) { ReadDataFileGL1(in); }},
        {"pt1", [](FieldReader& in, const std::string&) { ReadTemperatureFilePT1(in); }},
        {"pl6", [](FieldReader& in, const std::string&) { ReadNodeCountFile(in); }},
        {"counted", [](FieldReader& in, const std::string&) { ReadCountedValues(in); }},
        {"gh1", [](FieldReader& in, const std::string&) { ReadBeamFile(in); }},
        {"ppu", [](FieldReader& in, const std::string&) { ReadPunchingFile(in); }},
        {"column",
            [](FieldReader& in, const std::string& count) {
                // A count beyond the cells given goes into one cell.
                const std::int32_t n = std::stoi(count);
                std::vector<float> cells(static_cast<std::size_t>(std::min(n, 16)));
                ReadColumnValues(in, n, cells.data(), n > 16 ? 0 : 1);
            }},
        {"matrix",
            [](FieldReader& in, const std::string& nodes) {
                const std::int32_t order = ReadMatrixOrder(in, std::stoi(nodes));
                std::vector<float> cells(static_cast<std::size_t>(order) * static_cast<std::size_t>(order));
                ReadMatrixValues(in, order, cells.data());
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
        out += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
    }
    return out;
}

TEST(TextReaders, EveryRowOfTheTable)
{
    std::ifstream table(test::dataPath("project/text_readers.tsv"));
    ASSERT_TRUE(table);
    int rows = 0;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> f;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');)
            f.push_back(field);
        f.resize(5);
        SCOPED_TRACE(f[0]);
        ++rows;
        const std::size_t colon = f[1].find(':');
        const std::string name = f[1].substr(0, colon);
        const std::string argument = colon == std::string::npos ? "" : f[1].substr(colon + 1);
        ASSERT_TRUE(Readers().count(name)) << f[1];
        const std::string file = name == "field" ? "T.TXT" : "S." + name.substr(0, 3);
        FieldReader in(file, Unescaped(f[2]));
        try {
            Readers().at(name)(in, argument);
            EXPECT_EQ(f[3], "0") << "no error";
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
