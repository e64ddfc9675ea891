// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Counts in the input files: a count the file cannot hold ends in a
// FileFormatError whose message names the file and the record, never in a
// crash or a huge allocation; a negative count reads no items; and every
// prefix of a valid file reads or fails cleanly (the field faults of the
// text files: text_readers_test.cpp).

#include <functional>
#include <map>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "project/input/InputFiles.h"
#include "project/io/FieldReader.h"
#include "project/io/RecordFile.h"
#include "suite/Errors.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

// Reads a file's bytes; gives the counts of what was read.
using Counts = std::function<std::string(const std::string& file, const std::string& bytes)>;

template <class Read> Counts Text(Read read)
{
    return [read](const std::string& file, const std::string& bytes) {
        FieldReader in(file, bytes);
        return read(in);
    };
}

template <class Read> Counts Records(Read read)
{
    return
        [read](const std::string& file, const std::string& bytes) { return read(RecordFile(file, bytes)); };
}

template <class A, class B> std::string Pair(A a, B b)
{
    return std::to_string(a) + ":" + std::to_string(b);
}

// The readers by the extension of their file.
const std::map<std::string, Counts>& Readers()
{
    static const std::map<std::string, Counts> readers = {
        {"P61", Text([](FieldReader& in) {
             const auto f = ReadSupportFileP61(in);
             return Pair(f.Items.size(), f.Pairs.size());
         })},
        {"P71", Text([](FieldReader& in) { return std::to_string(ReadSupportFileP71(in).Items.size()); })},
        {"P31", Text([](FieldReader& in) { return std::to_string(ReadSupportFileP31(in).Items.size()); })},
        {"PCF", Text([](FieldReader& in) {
             const auto f = ReadLoadFilePCF(in);
             return Pair(f.Items.size(), f.Groups.size());
         })},
        {"PCW", Text([](FieldReader& in) { return std::to_string(ReadLoadFilePCW(in).Items.size()); })},
        {"PP1", Text([](FieldReader& in) {
             const auto f = ReadDataFilePP1(in);
             return Pair(f.Count, f.Texts.size());
         })},
        {"PL9", Text([](FieldReader& in) { return std::to_string(ReadPileFilePL9(in).Pairs.size()); })},
        {"PIL", Text([](FieldReader& in) {
             const auto f = ReadPileFilePIL(in);
             return Pair(f.Blocks.size(), f.Blocks.empty() ? 0 : f.Blocks[0].Entries.size());
         })},
        {"PC1",
            Records([](const RecordFile& in) { return std::to_string(ReadLoadFilePC1(in).BlockC.size()); })},
        {"P41",
            Records([](const RecordFile& in) { return std::to_string(ReadLoadFileP41(in).Items.size()); })},
        {"P21",
            Records([](const RecordFile& in) { return std::to_string(ReadSlabFileP21(in).Items.size()); })},
        {"BAU", Records([](const RecordFile& in) {
             const auto f = ReadSoilFileBAU(in);
             return Pair(f.Borings.size(), f.Borings.empty() ? 0 : f.Borings[0].Layers.size());
         })},
    };
    return readers;
}

// The bytes of a record file given as "R=iV" (a whole number in record R),
// "R=sV" (a single), "R=tTEXT" (a string) and "+N" (N more records of zero).
std::string RecordBytes(const std::string& content)
{
    RecordWriter out;
    std::istringstream ops(content);
    for (std::string op; ops >> op;) {
        if (op[0] == '+') {
            for (int n = std::stoi(op.substr(1)); n > 0; --n)
                out.AppendInt16(0);
            continue;
        }
        const std::size_t at = op.find('=');
        const std::size_t record = std::stoul(op.substr(0, at));
        const std::string value = op.substr(at + 2);
        if (op[at + 1] == 'i')
            out.PutInt16(record, static_cast<std::int16_t>(std::stoi(value)));
        else if (op[at + 1] == 's')
            out.PutSingle(record, std::stof(value));
        else
            out.PutString(record, value);
    }
    return out.bytes();
}

TEST(InputCounts, EveryRowOfTheTable)
{
    const auto table = test::TableRows("project/input_counts.tsv", 5);
    ASSERT_GT(table.size(), 20u);
    for (const std::vector<std::string>& f : table) {
        SCOPED_TRACE(f[0]);
        const std::string extension = f[1].substr(f[1].find('.') + 1);
        const bool records
            = extension == "PC1" || extension == "P41" || extension == "P21" || extension == "BAU";
        try {
            EXPECT_EQ(
                Readers().at(extension)(f[1], records ? RecordBytes(f[2]) : test::Unescaped(f[2])), f[4]);
            EXPECT_EQ(f[3], "-") << "no error";
        } catch (const FileFormatError& error) {
            const std::string message = error.what();
            EXPECT_EQ(error.file(), f[1]);
            EXPECT_NE(message.find(f[1] + ", record " + f[3] + ":"), std::string::npos) << message;
            EXPECT_NE(message.find(f[4]), std::string::npos) << message;
        }
    }
}

// Every prefix of a valid file either reads or fails with FileFormatError:
// no other exception, no crash (the sanitizer builds watch the rest).
TEST(InputTruncated, EveryPrefixFailsCleanly)
{
    for (const auto& [name, extension] : std::map<std::string, std::string>{{"SupportFileP31.1", "P31"},
             {"PileFilePIL.1", "PIL"}, {"LoadFilePC1.1", "PC1"}, {"SoilFileBAU.1", "BAU"}}) {
        const std::string bytes = test::readFile(test::dataPath("project/inputs/" + name));
        const Counts& read = Readers().at(extension);
        const std::size_t step = bytes.size() > 1000 ? 64 : 1;
        for (std::size_t size = 0; size < bytes.size(); size += step) {
            try {
                read("F." + extension, bytes.substr(0, size));
            } catch (const FileFormatError&) {
            } catch (const std::exception& error) {
                ADD_FAILURE() << name << " prefix of " << size << " bytes: " << error.what();
            }
        }
        EXPECT_NO_THROW(read("F." + extension, bytes)) << name;
    }
}

} // namespace
} // namespace teska
