// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Record files and whole text files: reading them, writing them (text
// files atomically), and the errors naming file and record (the fields and
// their faults: text_readers_test.cpp).

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

#include "project/io/FieldReader.h"
#include "project/io/RecordFile.h"
#include "suite/Errors.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

// Every type stands at the start of its record, little-endian, a string
// after its 16-bit length; saved to a file and read back, and a
// Windows-1252 string decoded.
TEST(RecordFile, EveryTypeAtItsRecordStartLittleEndianThroughAFile)
{
    test::ScratchDir dir;
    RecordWriter out;
    out.AppendInt16(0x1234);
    out.AppendInt32(-2);
    out.AppendSingle(1.0f); // 0x3F800000
    out.PutDouble(4, -1e300);
    out.PutString(5, "Bodenplatte \xC3\xA4");
    out.PutString(6, std::string(126, 'x'));
    out.PutString(7, "");
    out.PutInt16(9, 32767); // record 8 stays zero
    const std::string& b = out.bytes();
    ASSERT_EQ(b.size(), 9 * RecordLength);
    EXPECT_EQ(b.substr(0, 2), std::string("\x34\x12", 2));
    EXPECT_EQ(b.substr(128, 4), std::string("\xFE\xFF\xFF\xFF", 4));
    EXPECT_EQ(b.substr(256, 4), std::string("\x00\x00\x80\x3F", 4));
    EXPECT_EQ(b.substr(512, 16),
        std::string("\x0E\x00"
                    "Bodenplatte \xC3\xA4",
            16));
    out.Save(dir.file("A.P21"));

    const RecordFile in = RecordFile::FromFile(dir.file("A.P21"));
    EXPECT_EQ(in.RecordCount(), 9u);
    EXPECT_EQ(in.GetInt16(1), 0x1234);
    EXPECT_EQ(in.GetInt32(2), -2);
    EXPECT_EQ(in.GetSingle(3), 1.0f);
    EXPECT_EQ(in.GetDouble(4), -1e300);
    EXPECT_EQ(in.GetString(5), "Bodenplatte \xC3\xA4");
    EXPECT_EQ(in.GetString(6), std::string(126, 'x'));
    EXPECT_EQ(in.GetString(7), "");
    EXPECT_EQ(in.GetInt32(8), 0);
    EXPECT_EQ(in.GetInt16(9), 32767);
    std::string bytes(RecordLength, '\0');
    bytes.replace(0, 5, std::string("\x03\x00m\xB2\x80", 5));
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

// The bad reads of tests/data/project/bad_records.tsv: the message names
// the file and the record.
TEST(RecordFile, BadReadsNameTheFileAndTheRecord)
{
    const auto table = test::TableRows("project/bad_records.tsv", 6);
    ASSERT_GT(table.size(), 5u);
    for (const std::vector<std::string>& f : table) {
        std::string bytes(std::stoul(f[1]), '\0');
        const int length = std::stoi(f[2]);
        if (bytes.size() >= 2) {
            bytes[0] = static_cast<char>(length & 0xFF);
            bytes[1] = static_cast<char>((length >> 8) & 0xFF);
        }
        const RecordFile in("R.P41", bytes);
        const std::size_t record = std::stoul(f[3]);
        try {
            if (f[4] == "string")
                in.GetString(record);
            else
                in.GetInt16(record);
            ADD_FAILURE() << f[0] << ": no error";
        } catch (const FileFormatError& e) {
            EXPECT_STREQ(e.what(), f[5].c_str()) << f[0];
            EXPECT_EQ(e.record(), record) << f[0];
        }
    }
}

TEST(RecordWriter, RejectsRecordZeroAndLongStrings)
{
    RecordWriter out;
    EXPECT_THROW(out.PutInt16(0, 1), std::invalid_argument);
    EXPECT_THROW(out.PutString(1, std::string(127, 'x')), std::invalid_argument);
    EXPECT_EQ(out.RecordCount(), 0u);
}

// Files are read whole; a missing file or folder is an access error naming
// it.
TEST(FieldReader, FromFileReadsAndMissingFilesAreNamed)
{
    test::ScratchDir dir;
    test::writeFile(dir.file("A.P61"), "4\r\n");
    EXPECT_EQ(FieldReader::FromFile(dir.file("A.P61")).ReadInt16(), 4);
    test::ExpectAccessErrorNaming(dir.file("NONE.P61"), [&] { FieldReader::FromFile(dir.file("NONE.P61")); });
    EXPECT_THROW(FieldReader::FromFile(dir.dir()), FileAccessError);
    test::ExpectAccessErrorNaming(dir.file("NONE.P21"), [&] { RecordFile::FromFile(dir.file("NONE.P21")); });
    RecordWriter out;
    out.AppendInt16(1);
    test::ExpectAccessErrorNaming(dir.file("none/A.P21"), [&] { out.Save(dir.file("none/A.P21")); });
}

// A text file is replaced on Close only: a writer dropped without it
// leaves the old file and no temporary one.
TEST(FieldWriter, ReplacesTheFileOnCloseOnly)
{
    test::ScratchDir dir;
    const std::string path = dir.file("PAGELAYO.LST");
    test::writeFile(path, "old");
    {
        FieldWriter out(path);
        out.PrintLine("new");
    }
    EXPECT_EQ(test::readFile(path), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    {
        FieldWriter out(path);
        out.PrintLine("Page layout");
        out.WriteFields({FieldWriter::Quote("a, b"), FieldWriter::Number(-1.5), FieldWriter::Number(66)});
        EXPECT_EQ(test::readFile(path), "old");
        out.Close();
    }
    EXPECT_EQ(test::readFile(path), "Page layout\r\n\"a, b\",-1.5,66\r\n");
}

TEST(FieldWriter, UnwritableFolderFailsAtOnce)
{
    test::ScratchDir dir;
    test::ExpectAccessErrorNaming(
        dir.file("no/such/folder/X.LST"), [&] { FieldWriter(dir.file("no/such/folder/X.LST")); });
}

} // namespace
} // namespace teska
