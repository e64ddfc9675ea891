// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pile group summary (400165), the settlement summary (140019), the
// totals of the support reactions (142), the borehole tables of the result
// list (140164 with qb, 90060 with ksm) and the summary of the values at the
// origin (90050), worked out by hand from the fixture's units: L factor 2,
// F factor 10, L2 and F2 factor 1; the borehole project has two borings.

#include <filesystem>
#include <functional>

#include "lists/sections/BoreholeSummary.h"
#include "lists/sections/SettlementSummary.h"
#include "project/io/RecordFile.h"
#include "project/results/ResultFiles.h"
#include "sections_fixture_test.h"
#include "suite/Errors.h"

namespace teska::test {
namespace {

class SummaryTest : public SectionsTest {
protected:
    void SavePileGroup()
    {
        Save(".QP2", WriteDataFileQP2(DataFileQP2{{9, 9, 9}, {{2, 0.5f, 3}}}));
        Save(".QP3", WriteDataFileQP3(DataFileQP3{{9, 9, 9}, {{4, 5, 9, 0.25f, 0.5f, 0.75f}}}));
        Save(".QP1", WriteDataFileQP1({{1.5f, 8, 60}, {QpItemQP1{{3, 7, 0.5f}, 1, {99, 99, 99}}}}));
    }
    void SaveSettlement(const std::string& kind)
    {
        Save(".BAU", WriteSoilFileBAU(SoilFileBAU{}));
        Save(".LDH", WriteDataFileLDH(DataFileLDH{{1.5f, 0.02f}, {}}));
        Save(".LD1", WriteDataFileLD1({4, {0.5f, 0.9f}, {{1, 8, 2, 40}, {2, 4, 4, 0}}, {}, kind}));
    }
    void SaveColumns(std::vector<float> v, std::vector<float> my, std::vector<float> mx)
    {
        WriteNodeCountFile(Path(".PL6"), static_cast<std::int32_t>(v.size()));
        WriteColumnFile(Path(".H10"), v);
        WriteColumnFile(Path(".H11"), my);
        WriteColumnFile(Path(".H12"), mx);
    }
    void SaveBorings()
    {
        SoilFileBAU soil;
        // A layer in the second boring: the header block must be walked by
        // record numbers, not by the layers.
        soil.Borings = {{1.5f, -2, "B1", 0, {}, {}, 0, {}}, {10, 0.25f, "North", 0, {{}}, {{}}, 0, {{}}}};
        Save(".BAU", WriteSoilFileBAU(soil));
    }
};

// The borehole tables and the summary at the origin.
using BoreholeTest = SummaryTest;

TEST_F(SummaryTest, PileGroupTablesFromQp1Qp2AndQp3)
{
    // Po, PL and L along the shaft by the length factor, the share as it
    // stands, ks by UnitFactor 4 = 10 / 2 = 5; the settlements are the
    // second group of .QP3.
    SavePileGroup();
    ExpectAsStored(Written(400165));
}

TEST_F(SummaryTest, SettlementPointAndStressTableWithSumAndRatio)
{
    // Dz and ZG by the length factor; U the last degree; stresses by
    // UnitFactor 0 = 2.5; SU = SE + SD; SU / SV is empty where SV is 0. A
    // kind word of its own is printed as it stands.
    for (const char* kind : {"SlabCenter", "Corner"}) {
        SaveSettlement(kind);
        ExpectAsStored(Written(140019), kind);
    }
}

TEST(PointKindCaption, TheThreeWordsAndAnyOther)
{
    EXPECT_EQ(PointKindCaption("CharacteristicPoint"), 90141);
    EXPECT_EQ(PointKindCaption("SlabCenter  "), 90142);
    EXPECT_EQ(PointKindCaption("CertainPoint"), 90143);
    EXPECT_EQ(PointKindCaption("Elsewhere"), 0);
}

TEST_F(SummaryTest, ReactionTotalsInSlot6)
{
    // V by the force factor 10, the moments by L x F = 20; the zero row 2
    // is dropped and adds nothing.
    SaveColumns({1, 0, 2}, {0.5f, 0, -1}, {0, 0, 0.25f});
    formats.slots[6] = "0.0";
    ExpectAsStored(Written(142));
}

// All-zero reactions warn and give an empty section, which the run passes
// over; nothing is "not available".
TEST_F(SummaryTest, AllZeroReactionsWarnAndGiveAnEmptySection)
{
    SaveColumns({0, 0}, {0, 0}, {0, 0});
    const auto content = ReadSummaryOrLoadSection(Inputs(), ListKey(142L));
    ASSERT_NE(content, nullptr);
    EXPECT_TRUE(content->Empty());
    EXPECT_EQ(host.warnings, std::vector<std::string>{"Reactions: Empty table"});
}

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

// Bad files of the borehole, pile group, settlement and reaction summaries:
// each error names the file and, where there is one, the place.
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
        {400165, [&] { SavePileGroup(), std::remove(Path(".QP3").c_str()); }, true, {"SLAB.QP3"}},
        {400165, [&] { SavePileGroup(), writeFile(Path(".QP2"), "4,1,2,3\r\n1,2,3\r\n"); }, false,
            {"SLAB.QP2"}},
        {140019, [&] { SaveSettlement("SlabCenter"), std::remove(Path(".LDH").c_str()); }, true,
            {"SLAB.LDH"}},
        {142,
            [&] {
                SaveColumns({1, 2, 3}, {1, 2, 3}, {1, 2, 3}), writeFile(Path(".H11"), "1\r\n2\r\n");
            },
            false, {"SLAB.H11"}},
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
