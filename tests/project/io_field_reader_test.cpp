// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading whole files and writing them atomically (the fields and their
// faults: text_readers_test.cpp).

#include <gtest/gtest.h>

#include "project/io/FieldReader.h"
#include "suite/Errors.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

TEST(FieldReader, FromFileReadsAndNamesMissingFile)
{
    test::ScratchDir dir;
    test::writeFile(dir.file("A.P61"), "4\r\n");
    EXPECT_EQ(FieldReader::FromFile(dir.file("A.P61")).ReadInt16(), 4);
    test::ExpectAccessErrorNaming(dir.file("NONE.P61"), [&] { FieldReader::FromFile(dir.file("NONE.P61")); });
    EXPECT_THROW(FieldReader::FromFile(dir.dir()), FileAccessError);
}

TEST(FieldWriter, WritesAtomicallyOnCloseAndReadsBack)
{
    test::ScratchDir dir;
    const std::string path = dir.file("PAGELAYO.LST");
    test::writeFile(path, "old");
    {
        FieldWriter out(path);
        out.PrintLine("Page layout");
        out.WriteFields({FieldWriter::Quote("a, b"), FieldWriter::Number(-1.5), FieldWriter::Number(66)});
        EXPECT_EQ(test::readFile(path), "old"); // nothing replaced before Close
        out.Close();
    }
    EXPECT_EQ(test::readFile(path), "Page layout\r\n\"a, b\",-1.5,66\r\n");
    auto in = FieldReader::FromFile(path);
    EXPECT_EQ(in.LineInput(), "Page layout");
    EXPECT_EQ(in.ReadString(), "a, b");
    EXPECT_EQ(in.ReadSingle(), -1.5f);
    EXPECT_EQ(in.ReadInt16(), 66);
}

TEST(FieldWriter, DestructorWithoutCloseKeepsOldFileAndLeavesNoTemporary)
{
    test::ScratchDir dir;
    const std::string path = dir.file("X.LST");
    test::writeFile(path, "old");
    {
        FieldWriter out(path);
        out.PrintLine("new");
    }
    EXPECT_EQ(test::readFile(path), "old");
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 1u);
}

TEST(FieldWriter, UnwritableFolderFailsAtOnce)
{
    test::ScratchDir dir;
    test::ExpectAccessErrorNaming(
        dir.file("no/such/folder/X.LST"), [&] { FieldWriter(dir.file("no/such/folder/X.LST")); });
}

} // namespace
} // namespace teska
