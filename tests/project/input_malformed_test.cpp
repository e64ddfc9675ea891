// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Malformed record files: each case must end in a FileFormatError whose
// message names the file and the place, never in a crash or a huge
// allocation (the text files: text_readers_test.cpp).

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "project/input/InputFiles.h"
#include "project/io/FieldReader.h"
#include "project/io/RecordFile.h"
#include "suite/Errors.h"

namespace teska {
namespace {

struct MalformedCase {
    std::string name;
    std::string file;
    std::function<void(const std::string& file, const std::string& bytes)> read;
    std::string bytes;
    std::vector<std::string> messageParts; // each must appear in the message
};

template <class Read> auto text(Read read)
{
    return [read](const std::string& file, const std::string& bytes) {
        FieldReader in(file, bytes);
        read(in);
    };
}

template <class Read> auto records(Read read)
{
    return [read](const std::string& file, const std::string& bytes) { read(RecordFile(file, bytes)); };
}

std::string recordBytes(const std::function<void(RecordWriter&)>& fill)
{
    RecordWriter out;
    fill(out);
    return out.bytes();
}

// Whole numbers in records 1 on, then \p extraRecords records of zero.
std::string counts(const std::vector<std::int16_t>& values, std::size_t extraRecords)
{
    return recordBytes([&](RecordWriter& out) {
        for (std::size_t r = 0; r < values.size(); ++r)
            out.PutInt16(r + 1, values[r]);
        for (std::size_t r = 0; r < extraRecords; ++r)
            out.AppendInt16(0);
    });
}

std::vector<MalformedCase> malformedCases()
{
    const auto pc1 = records([](const RecordFile& in) { ReadLoadFilePC1(in); });
    const auto p41 = records([](const RecordFile& in) { ReadLoadFileP41(in); });
    const auto p21 = records([](const RecordFile& in) { ReadSlabFileP21(in); });
    const auto bau = records([](const RecordFile& in) { ReadSoilFileBAU(in); });

    return {
        {"PC1BlocksBeyondTheFile", "L.PC1", pc1, counts({1000, 0, 0, 0, 0, 0, 0, 0, 0}, 4),
            {"L.PC1", "record 1", "needs records up to 6011, the file has 13"}},
        {"PC1PolylineLongerThanQ", "L.PC1", pc1, counts({0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 2, 3}, 9),
            {"L.PC1", "record 12", "polyline of 3 points, more than Q (2)"}},
        {"PC1PolylineBeyondTheFile", "L.PC1", pc1, counts({0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 9, 9}, 3),
            {"L.PC1", "record 12", "count of polyline points (9) needs records up to 39, the file has 15"}},
        {"PC1CountsOnly", "L.PC1", pc1, counts({0, 0, 0, 0}, 0), {"L.PC1", "record 5"}},
        {"P41ItemsBeyondTheFile", "L.P41", p41, recordBytes([](RecordWriter& out) {
             out.PutInt16(1, 5);
             out.PutInt16(2, 1);
             out.PutString(3, "a");
         }),
            {"L.P41", "record 1", "count of load items (5) needs records up to 11, the file has 3"}},
        {"P41Empty", "L.P41", p41, "", {"L.P41", "record 1"}},
        {"P21ItemsBeyondTheFile", "S.P21", p21, recordBytes([](RecordWriter& out) {
             out.PutInt16(2, 20000);
             out.PutString(8, "N");
             out.PutSingle(9, 0);
         }),
            {"S.P21", "record 2", "count of slab items (20000) needs records up to 60009, the file has 9"}},
        {"P21ShortHeader", "S.P21", p21, recordBytes([](RecordWriter& out) { out.PutInt16(5, 0); }),
            {"S.P21", "record 6"}},
        {"BAUBoringsBeyondTheFile", "S.BAU", bau, recordBytes([](RecordWriter& out) {
             out.PutInt16(4, 3000);
             out.PutSingle(5, 0);
         }),
            {"S.BAU", "record 4", "count of borings (3000) needs records up to 18005, the file has 5"}},
        {"BAULayersBeyondTheFile", "S.BAU", bau, recordBytes([](RecordWriter& out) {
             out.PutInt16(4, 1);
             out.PutInt16(9, 500);
             out.PutSingle(11, 0);
         }),
            {"S.BAU", "record 9", "count of layer records (4500) needs records up to 4510, the file has 11"}},
    };
}

class InputMalformed : public testing::TestWithParam<MalformedCase> { };

TEST_P(InputMalformed, ThrowsNamingFileAndPlace)
{
    const MalformedCase& c = GetParam();
    try {
        c.read(c.file, c.bytes);
        FAIL() << "no error for " << c.name;
    } catch (const FileFormatError& error) {
        const std::string message = error.what();
        EXPECT_EQ(error.file(), c.file);
        for (const auto& part : c.messageParts)
            EXPECT_NE(message.find(part), std::string::npos) << "\"" << part << "\" not in: " << message;
    }
}

INSTANTIATE_TEST_SUITE_P(AllReaders, InputMalformed, testing::ValuesIn(malformedCases()),
    [](const testing::TestParamInfo<MalformedCase>& info) { return info.param.name; });

// A negative or zero count reads no items; only a count the file cannot
// hold is an error. Each row reads a file whose count is negative and gives
// the number of items read from it.
TEST(InputNegativeCount, ReadsNoItems)
{
    struct Case {
        const char* name;
        std::string bytes;
        std::function<std::size_t(const std::string&)> read;
    };
    const auto fields = [](auto read) {
        return [read](const std::string& bytes) {
            FieldReader in("F", bytes);
            return read(in);
        };
    };
    const auto recordFile
        = [](auto read) { return [read](const std::string& bytes) { return read(RecordFile("R", bytes)); }; };
    const Case cases[] = {
        {"P61Items", "title\r\n-3,0\r\n", fields([](FieldReader& in) {
             const auto f = ReadSupportFileP61(in);
             return f.Items.size() + f.Pairs.size();
         })},
        {"P61Pairs", "title\r\n0,-1\r\n",
            fields([](FieldReader& in) { return ReadSupportFileP61(in).Pairs.size(); })},
        {"P71Items", "t\r\n-32768\r\n",
            fields([](FieldReader& in) { return ReadSupportFileP71(in).Items.size(); })},
        {"PCFItemsAndGroups", "t\r\n-2,-5\r\n", fields([](FieldReader& in) {
             const auto f = ReadLoadFilePCF(in);
             return f.Items.size() + f.Groups.size();
         })},
        {"PCWItems", "t\r\n-1\r\n", fields([](FieldReader& in) { return ReadLoadFilePCW(in).Items.size(); })},
        {"PP1Texts", "-1\r\n", fields([](FieldReader& in) {
             const auto f = ReadDataFilePP1(in);
             return f.Count == -1 ? f.Texts.size() : 99;
         })},
        {"PL9Pairs", "-1\r\n", fields([](FieldReader& in) { return ReadPileFilePL9(in).Pairs.size(); })},
        {"PILBlockEntries", "0,1,2,3\r\n1,2,3,4,-3\r\n", fields([](FieldReader& in) {
             const auto f = ReadPileFilePIL(in);
             return f.Blocks.size() == 1 ? f.Blocks[0].Entries.size() : 99;
         })},
        {"PC1BlockC", counts({0, 0, -4, 0, 0, 0, 0, 0, 0}, 2),
            recordFile([](const RecordFile& in) { return ReadLoadFilePC1(in).BlockC.size(); })},
        {"P41Items", counts({-1}, 0),
            recordFile([](const RecordFile& in) { return ReadLoadFileP41(in).Items.size(); })},
        {"BAULayers", recordBytes([](RecordWriter& out) {
             out.PutInt16(4, 1);
             out.PutInt16(9, -2);
             out.PutSingle(15, 0);
         }),
            recordFile([](const RecordFile& in) {
                const auto f = ReadSoilFileBAU(in);
                return f.Borings.size() == 1 ? f.Borings[0].Layers.size() : 99;
            })},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            EXPECT_EQ(c.read(c.bytes), 0u);
        } catch (const FileFormatError& error) {
            ADD_FAILURE() << error.what();
        }
    }
}

// Every prefix of a valid file either reads or fails with FileFormatError:
// no other exception, no crash (the sanitizer builds watch the rest).
TEST(InputTruncated, EveryPrefixFailsCleanly)
{
    SupportFileP31 p31{"t", {{1, 4, {"F", "0.5", "F"}}, {2, 5, {"1", "2", "3"}}}, {{1, 2}, {3, 4}}};
    PileFilePIL pil{1, 2, 3, {7}, {{{1, 2}, {1, 2, 3, 4, 5, 6, 7}, "p", 8}}, {{{1, 2, 3, 4}, {5, 6}}}};
    LoadFilePC1 pc1;
    pc1.BlockC = {{3, {1, 2, 3}}};
    pc1.Points = {{1, 2}};
    pc1.MaxPolylinePoints = 2;
    pc1.Polylines = {{{1, 2, 3}, {4, 5, 6}}, {{7, 8, 9}}};
    SoilFileBAU bau;
    bau.Borings = {{1, 2, "B", 0, {{1, 2, 3, 4, 5}}, {{6, 7}}, 8, {{9, 10}}}};
    const MalformedCase files[] = {
        {"P31", "S.P31", text([](FieldReader& in) { ReadSupportFileP31(in); }), WriteSupportFileP31(p31), {}},
        {"PIL", "P.PIL", text([](FieldReader& in) { ReadPileFilePIL(in); }), WritePileFilePIL(pil), {}},
        {"PC1", "L.PC1", records([](const RecordFile& in) { ReadLoadFilePC1(in); }), WriteLoadFilePC1(pc1),
            {}},
        {"BAU", "S.BAU", records([](const RecordFile& in) { ReadSoilFileBAU(in); }), WriteSoilFileBAU(bau),
            {}},
    };
    for (const MalformedCase& f : files) {
        const std::size_t step = f.bytes.size() > 1000 ? 64 : 1;
        for (std::size_t size = 0; size < f.bytes.size(); size += step) {
            try {
                f.read(f.file, f.bytes.substr(0, size));
            } catch (const FileFormatError&) {
            } catch (const std::exception& error) {
                ADD_FAILURE() << f.name << " prefix of " << size << " bytes: " << error.what();
            }
        }
        EXPECT_NO_THROW(f.read(f.file, f.bytes)) << f.name;
    }
}

} // namespace
} // namespace teska
