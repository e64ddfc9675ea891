// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pile group summary (400165), the settlement summary (140019) and the
// totals of the support reactions (142), worked out by hand from the
// fixture's units: L factor 2, F factor 10, L2 and F2 factor 1.

#include <functional>

#include "lists/sections/SettlementSummary.h"
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
        DataFileQP1 qp1;
        qp1.Head = {1.5f, 8, 60};
        qp1.Items.push_back(QpItemQP1{{3, 7, 0.5f}, 1, {99, 99, 99}});
        Save(".QP1", WriteDataFileQP1(qp1));
    }
    void SaveSettlement(const std::string& kind)
    {
        Save(".BAU", WriteSoilFileBAU(SoilFileBAU{}));
        Save(".LDH", WriteDataFileLDH(DataFileLDH{{1.5f, 0.02f}, {}}));
        DataFileLD1 ld1;
        ld1.Value = 4;
        ld1.Values = {0.5f, 0.9f};
        ld1.Rows = {{1, 8, 2, 40}, {2, 4, 4, 0}};
        ld1.EndLine = kind;
        Save(".LD1", WriteDataFileLD1(ld1));
    }
    void SaveColumns(std::vector<float> v, std::vector<float> my, std::vector<float> mx)
    {
        WriteNodeCountFile(Path(".PL6"), static_cast<std::int32_t>(v.size()));
        WriteColumnFile(Path(".H10"), v);
        WriteColumnFile(Path(".H11"), my);
        WriteColumnFile(Path(".H12"), mx);
    }
};

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

TEST_F(SummaryTest, MissingOrShortFilesAreNamed)
{
    const struct {
        long key;
        std::function<void()> save;
        bool missing; // FileAccessError, else FileFormatError
        const char* file;
    } cases[] = {
        {400165, [&] { SavePileGroup(), std::remove(Path(".QP3").c_str()); }, true, "SLAB.QP3"},
        {400165, [&] { SavePileGroup(), writeFile(Path(".QP2"), "4,1,2,3\r\n1,2,3\r\n"); }, false,
            "SLAB.QP2"},
        {140019, [&] { SaveSettlement("SlabCenter"), std::remove(Path(".LDH").c_str()); }, true, "SLAB.LDH"},
        {142,
            [&] {
                SaveColumns({1, 2, 3}, {1, 2, 3}, {1, 2, 3}), writeFile(Path(".H11"), "1\r\n2\r\n");
            },
            false, "SLAB.H11"},
    };
    for (const auto& c : cases) {
        c.save();
        auto write = [&] { Written(c.key); };
        const std::string message
            = c.missing ? ErrorText<FileAccessError>(write) : ErrorText<FileFormatError>(write);
        EXPECT_NE(message.find(c.file), std::string::npos) << c.key << ": " << message;
    }
}

} // namespace
} // namespace teska::test
