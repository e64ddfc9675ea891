// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The borehole tables of the result list (140164 with qb, 90060 with ksm)
// and the summary of the values at the origin (90050), worked out by hand
// for a project of two borings.

#include "lists/sections/BoreholeSummary.h"

#include <filesystem>
#include <functional>

#include "project/io/RecordFile.h"
#include "project/results/ResultFiles.h"
#include "sections_fixture_test.h"
#include "suite/Errors.h"

namespace teska::test {
namespace {

class BoreholeTest : public SectionsTest {
protected:
    void SaveBorings()
    {
        SoilFileBAU soil;
        soil.Borings.resize(2);
        soil.Borings[0].X = 1.5f;
        soil.Borings[0].Y = -2;
        soil.Borings[0].Name = "B1";
        soil.Borings[1].X = 10;
        soil.Borings[1].Y = 0.25f;
        soil.Borings[1].Name = "North";
        // A layer in the second boring: the header block must be walked by
        // record numbers, not by the layers.
        soil.Borings[1].Layers.resize(1);
        soil.Borings[1].LayerEntries.resize(1);
        soil.Borings[1].LayerEntries2.resize(1);
        Save(".BAU", WriteSoilFileBAU(soil));
    }
};

TEST_F(BoreholeTest, TablesQuoteNamesWithText123AndScaleCoordinatesAndValues)
{
    // X, Y x 2; qb x 10 / 2^2 = 2.5 (kind 0), ksm x 10 / 2^3 = 1.25 (kind
    // 3); plain number texts; names between Text123 ("'").
    const std::pair<long, const char*> cases[] = {{140164, ".QUB"}, {90060, ".PW2"}};
    SaveBorings();
    for (const auto& [key, file] : cases) {
        const float values[] = {40, 8.5f};
        WriteCountedFile(Path(file), values);
        ExpectAsStored(Written(key), file);
        // Rule, three heading rows, rule, two rows, rule.
        EXPECT_EQ(state.LineOnPage, 8);
    }
    // Values beyond the borings are ignored.
    const float qb[] = {4, 4, 99};
    WriteCountedFile(Path(".QUB"), qb);
    EXPECT_EQ(Written(140164).find("247.5"), std::string::npos);
}

TEST_F(BoreholeTest, NoBoringsGiveTheHeadingAndTheClosingRule)
{
    Save(".BAU", WriteSoilFileBAU(SoilFileBAU{}));
    WriteCountedFile(Path(".QUB"), std::span<const float>{});
    ExpectAsStored(Written(140164));
}

// Bad files: each error names the file and, where there is one, the place.
TEST_F(BoreholeTest, BadFilesAreErrorsNamingTheFile)
{
    auto saveCount = [this](std::int16_t count) {
        RecordWriter w;
        w.PutInt16(4, count);
        w.PutSingle(10, 0);
        w.Save(Path(".BAU"));
    };
    const float oneValue[] = {1};
    const struct {
        long key;
        std::function<void()> save;
        bool missing; // FileAccessError, else FileFormatError
        std::vector<std::string> parts;
    } cases[] = {
        {140164,
            [&] {
                saveCount(5);
                WriteCountedFile(Path(".QUB"), std::span<const float>{});
            },
            false, {"SLAB.BAU, record 4", "5 borings"}},
        {90060, [&] { saveCount(-1); }, false, {"SLAB.BAU, record 4: the number of borings is negative"}},
        {140164,
            [&] {
                SaveBorings();
                writeFile(Path(".QUB"), "3\r\n1\r\n2\r\n");
            },
            false, {"SLAB.QUB"}},
        {140164,
            [&] {
                SaveBorings();
                WriteCountedFile(Path(".QUB"), oneValue);
            },
            false, {"SLAB.QUB", "2 borings, 1 values"}},
        {90060, [&] { SaveBorings(); }, true, {"SLAB.PW2"}},
        {140164, [] {}, true, {"SLAB.BAU"}},
        {90050, [&] { project.AnalysisMethod = 7; }, true, {"SLAB.PS1"}},
    };
    for (const auto& c : cases) {
        for (const auto& entry : std::filesystem::directory_iterator(projectDir.dir()))
            std::filesystem::remove(entry.path());
        c.save();
        auto write = [&] { Written(c.key); };
        const std::string message
            = c.missing ? ErrorText<FileAccessError>(write) : ErrorText<FileFormatError>(write);
        for (const std::string& part : c.parts)
            EXPECT_NE(message.find(part), std::string::npos) << c.key << ": " << message;
    }
}

// 90050: the rows w_o (x 100, slot 2, the second length unit) and the two
// rotations (text 75, plain form). Label width 5, symbols with the suffix
// width 10, units 5, values 5: gap 60 - 2 - 25 = 33, clamped to 8. Method 3
// without a file: 0.00, 0, 0; method 7 from .PS1: 1.250, .001, -.5.
TEST_F(BoreholeTest, OriginRowsFromPs1ForMethod7OtherwiseZeroWithoutAFile)
{
    project.AnalysisMethod = 3;
    formats.slots[2] = "0.00";
    ExpectAsStored(Written(90050), "3");
    project.AnalysisMethod = 7;
    formats.slots[2] = "0.000";
    Save(".PS1", WriteDataFilePS1(DataFilePS1{0.0125f, 0.001f, -0.5f}));
    ExpectAsStored(Written(90050), "7");
}

TEST_F(BoreholeTest, KeysOfOtherModulesHaveNoSectionHere)
{
    EXPECT_EQ(ReadSummaryOrLoadSection(Inputs(), ListKey(90054L)), nullptr);
    EXPECT_EQ(ReadSummaryOrLoadSection(Inputs(), ListKey(std::string("Slab [Ce]"))), nullptr);
}

} // namespace
} // namespace teska::test
