// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "project/io/RecordFile.h"
#include "suite/Errors.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

TEST(RecordFile, EveryTypeRoundTripsThroughAFile)
{
    test::ScratchDir dir;
    RecordWriter out;
    out.AppendInt16(-2);
    out.AppendInt32(-70000);
    out.AppendSingle(1.25f);
    out.PutDouble(4, -1e300);
    out.PutString(5, "Bodenplatte \xC3\xA4");
    out.PutString(6, std::string(126, 'x'));
    out.PutString(7, "");
    out.PutInt16(9, 32767); // record 8 stays zero
    EXPECT_EQ(out.RecordCount(), 9u);
    out.Save(dir.file("A.P21"));

    const RecordFile in = RecordFile::FromFile(dir.file("A.P21"));
    EXPECT_EQ(in.RecordCount(), 9u);
    EXPECT_EQ(in.GetInt16(1), -2);
    EXPECT_EQ(in.GetInt32(2), -70000);
    EXPECT_EQ(in.GetSingle(3), 1.25f);
    EXPECT_EQ(in.GetDouble(4), -1e300);
    EXPECT_EQ(in.GetString(5), "Bodenplatte \xC3\xA4");
    EXPECT_EQ(in.GetString(6), std::string(126, 'x'));
    EXPECT_EQ(in.GetString(7), "");
    EXPECT_EQ(in.GetInt32(8), 0);
    EXPECT_EQ(in.GetInt16(9), 32767);
}

TEST(RecordFile, LittleEndianLayoutAtRecordStartAndWindows1252Strings)
{
    RecordWriter out;
    out.PutInt16(1, 0x1234);
    out.PutInt32(2, -2);
    out.PutSingle(3, 1.0f); // 0x3F800000
    out.PutString(4, "AB");
    const std::string& b = out.bytes();
    ASSERT_EQ(b.size(), 4 * RecordLength);
    EXPECT_EQ(b.substr(0, 2), std::string("\x34\x12", 2));
    EXPECT_EQ(b.substr(128, 4), std::string("\xFE\xFF\xFF\xFF", 4));
    EXPECT_EQ(b.substr(256, 4), std::string("\x00\x00\x80\x3F", 4));
    EXPECT_EQ(b.substr(384, 4),
        std::string("\x02\x00"
                    "AB",
            4));
    std::string bytes(RecordLength, '\0');
    bytes.replace(0, 5,
        std::string("\x03\x00"
                    "m\xB2\x80",
            5));
    EXPECT_EQ(RecordFile("B.BAU", bytes).GetString(1), "m\xC2\xB2\xE2\x82\xAC");
}

TEST(RecordFile, PartialLastRecordReadsAsFarAsItsBytesGo)
{
    std::string bytes(RecordLength + 4, '\0');
    bytes[RecordLength] = 7;
    const RecordFile in("S.PC1", bytes);
    EXPECT_EQ(in.RecordCount(), 1u);
    EXPECT_EQ(in.GetInt16(2), 7);
    EXPECT_EQ(in.GetInt32(2), 7);
    EXPECT_THROW(in.GetDouble(2), FileFormatError);
}

struct BadRecord {
    const char* name;
    std::size_t size;
    std::int16_t lengthInRecord1;
    std::size_t record;
    bool asString;
    const char* message;
};

class RecordFileBadInput : public testing::TestWithParam<BadRecord> { };

TEST_P(RecordFileBadInput, ThrowsWithFileAndRecord)
{
    const BadRecord& c = GetParam();
    std::string bytes(c.size, '\0');
    if (c.size >= 2) {
        bytes[0] = static_cast<char>(c.lengthInRecord1 & 0xFF);
        bytes[1] = static_cast<char>((c.lengthInRecord1 >> 8) & 0xFF);
    }
    const RecordFile in("R.P41", bytes);
    try {
        if (c.asString)
            in.GetString(c.record);
        else
            in.GetInt16(c.record);
        FAIL() << "no error";
    } catch (const FileFormatError& e) {
        EXPECT_STREQ(e.what(), c.message);
        EXPECT_EQ(e.record(), c.record);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RecordFileBadInput,
    testing::Values(
        BadRecord{"RecordZero", 128, 0, 0, false, "R.P41: record 0 was read; records are numbered from 1"},
        BadRecord{"BeyondEnd", 256, 0, 3, false,
            "R.P41, record 3: record 3 lies beyond the end of the file (256 bytes, 2 whole records)"},
        BadRecord{"EmptyFile", 0, 0, 1, false,
            "R.P41, record 1: record 1 lies beyond the end of the file (0 bytes, 0 whole records)"},
        BadRecord{"HugeRecordNumber", 128, 0, std::numeric_limits<std::size_t>::max(), false,
            "R.P41, record 18446744073709551615: record 18446744073709551615 lies beyond the end "
            "of the file (128 bytes, 1 whole records)"},
        BadRecord{
            "StringTooLong", 256, 127, 1, true, "R.P41, record 1: string length 127 is outside 0 to 126"},
        BadRecord{"NegativeStringLength", 128, -1, 1, true,
            "R.P41, record 1: string length -1 is outside 0 to 126"},
        BadRecord{"StringCutByEnd", 10, 20, 1, true,
            "R.P41, record 1: record 1 lies beyond the end of the file (10 bytes, 0 whole records)"}),
    [](const testing::TestParamInfo<BadRecord>& info) { return std::string(info.param.name); });

TEST(RecordWriter, RejectsRecordZeroAndLongStrings)
{
    RecordWriter out;
    EXPECT_THROW(out.PutInt16(0, 1), std::invalid_argument);
    EXPECT_THROW(out.PutString(1, std::string(127, 'x')), std::invalid_argument);
    EXPECT_EQ(out.RecordCount(), 0u);
}

TEST(RecordFile, MissingFileOrFolderIsAnAccessErrorNamingTheFile)
{
    test::ScratchDir dir;
    RecordWriter out;
    out.AppendInt16(1);
    const std::string path = dir.file("none/A.P21");
    test::ExpectAccessErrorNaming(path, [&] { out.Save(path); });
    const std::string missing = dir.file("NONE.P21");
    test::ExpectAccessErrorNaming(missing, [&] { RecordFile::FromFile(missing); });
}

} // namespace
} // namespace teska
