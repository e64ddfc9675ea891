// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pile group summary (400165), the settlement summary (140019) and the
// totals of the support reactions (142), worked out by hand from the
// fixture's units: L factor 2, F factor 10, L2 and F2 factor 1.

#include <algorithm>
#include <vector>

#include "lists/sections/SettlementSummary.h"
#include "project/results/ResultFiles.h"
#include "sections_fixture_test.h"
#include "suite/Errors.h"

namespace teska::test {
namespace {

std::string Pad(int width, const std::string& cell)
{
    return Blanks(width - static_cast<int>(cell.size())) + cell;
}

std::vector<std::string> LinesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            break;
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

class PileGroupTest : public SectionsTest {
protected:
    void SaveFiles()
    {
        Save(".QP2", WriteDataFileQP2(DataFileQP2{{9, 9, 9}, {{2, 0.5f, 3}}}));
        Save(".QP3", WriteDataFileQP3(DataFileQP3{{9, 9, 9}, {{4, 5, 9, 0.25f, 0.5f, 0.75f}}}));
        DataFileQP1 qp1;
        qp1.Head = {1.5f, 8, 60};
        qp1.Items.push_back(QpItemQP1{{3, 7, 0.5f}, 1, {99, 99, 99}});
        Save(".QP1", WriteDataFileQP1(qp1));
    }
};

TEST_F(PileGroupTest, HeadRowsFromQp1AndTheFirstTableFromQp2)
{
    SaveFiles();
    const std::vector<std::string> lines = LinesOf(Written(400165));
    // Labels 6 wide, symbols 9, units 3, values 2: gap 8, labels padded to
    // 14. Po and PL by the length factor, the share as it stands.
    const std::vector<std::string> head = {
        "  Head" + Blanks(10) + "Po'" + Blanks(6) + " [m] = 3",
        "  Length" + Blanks(8) + "PL'" + Blanks(6) + " [m] = 16",
        "  Share" + Blanks(9) + "Alfa-Kpp' [%] = 60",
        "  Forces",
    };
    // Widths 3, 5, 4, 6 (sum 18), gap (58 - 18) / 3 = 13, clamped to 6:
    // 3, 11, 10, 12. ks by UnitFactor 4 = 10 / 2 = 5, label [kN/m].
    const std::string rule = "  " + Dashes(36);
    const std::vector<std::string> table = {
        rule,
        Blanks(3) + "PF" + Pad(11, "Force") + Pad(10, "Sett") + Pad(12, "Spring"),
        Blanks(3) + "No" + Pad(11, "Fr") + Pad(10, "Sr") + Pad(12, "ks"),
        Blanks(2) + "[-]" + Pad(11, "[MN]") + Pad(10, "[cm]") + Pad(12, "[kN/m]"),
        rule,
        Blanks(4) + "1" + Pad(11, "2") + Pad(10, ".5") + Pad(12, "15"),
        rule,
    };
    std::vector<std::string> expected = head;
    expected.insert(expected.end(), table.begin(), table.end());
    ASSERT_GE(lines.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + static_cast<long>(expected.size())),
        expected);
}

TEST_F(PileGroupTest, FurtherTablesFromQp3AndQp1WithTheirOwnColumns)
{
    SaveFiles();
    const std::vector<std::string> lines = LinesOf(Written(400165));
    auto rowAfter = [&](const std::string& headingLine) -> std::string {
        const auto at = std::find(lines.begin(), lines.end(), headingLine);
        if (at == lines.end() || lines.end() - at < 7)
            return "<" + headingLine + " missing>";
        return *(at + 6);
    };
    auto symbolsAfter = [&](const std::string& headingLine) -> std::string {
        const auto at = std::find(lines.begin(), lines.end(), headingLine);
        return at == lines.end() || lines.end() - at < 4 ? std::string() : *(at + 3);
    };
    // Resistances: widths 3, 10, 10, 10.
    EXPECT_EQ(rowAfter("  Resist"), Blanks(4) + "1" + Pad(10, "4") + Pad(10, "5") + Pad(10, "9"));
    EXPECT_EQ(symbolsAfter("  Resist"), Blanks(3) + "No" + Pad(10, "Qma") + Pad(10, "Qsp") + Pad(10, "Fr"));
    // Settlements: the second group of .QP3; widths 3, 10, 11, 10.
    EXPECT_EQ(rowAfter("  Setts"), Blanks(4) + "1" + Pad(10, ".25") + Pad(11, ".5") + Pad(10, ".75"));
    // Along the shaft: L by the length factor; widths 3, 9, 10, 10.
    EXPECT_EQ(rowAfter("  Shaft"), Blanks(4) + "1" + Pad(9, "6") + Pad(10, "7") + Pad(10, ".5"));
    EXPECT_EQ(symbolsAfter("  Shaft"), Blanks(3) + "No" + Pad(9, "L") + Pad(10, "Qs") + Pad(10, "Ss"));
}

TEST_F(PileGroupTest, MissingQp3NamesIt)
{
    SaveFiles();
    std::remove(Path(".QP3").c_str());
    const std::string message = ErrorText<FileAccessError>([&] { Written(400165); });
    EXPECT_NE(message.find("SLAB.QP3"), std::string::npos) << message;
}

TEST_F(PileGroupTest, Qp2CountBeyondItsValuesNamesQp2)
{
    SaveFiles();
    writeFile(Path(".QP2"), "4,1,2,3\r\n1,2,3\r\n");
    const std::string message = ErrorText<FileFormatError>([&] { Written(400165); });
    EXPECT_NE(message.find("SLAB.QP2"), std::string::npos) << message;
}

class SettlementTest : public SectionsTest {
protected:
    void SaveFiles(const std::string& kind)
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
};

TEST_F(SettlementTest, RowsOfThePointAndTheStressTableWithSumAndRatio)
{
    SaveFiles("SlabCenter");
    // Labels 6, symbols 3, units 3, values 6 ("Centre"): gap 8, labels
    // padded to 14. Dz and ZG by the length factor; U the last degree.
    std::string expected = Line("  At Centre") + Line("  Depth" + Blanks(9) + "Dz' [m] = 3")
        + Line("  Coef" + Blanks(10) + "Cs' [-] = .02") + Line("  Kind" + Blanks(10) + "'   [-] = Centre")
        + Line("  Limit" + Blanks(9) + "ZG' [m] = 8") + Line("  Consol")
        + Line("  Degree" + Blanks(8) + "U'  [-] = .9") + Line("  Stresses");
    // Widths 3, 3, 7, 7, 8, 7, 5 (sum 40), gap (58 - 40) / 6 = 3: 3, 6, 10,
    // 10, 11, 10, 8. Stresses by UnitFactor 0 = 2.5; SU = SE + SD; SU / SV
    // is empty where SV is 0.
    const std::string rule = Line("  " + Dashes(58));
    const std::string stress = "[kN/m2]";
    expected += rule
        + Line(Blanks(3) + "Pt" + Pad(6, "z") + Pad(10, "E") + Pad(10, "D") + Pad(11, "U") + Pad(10, "V")
            + Pad(8, "R"))
        + Line(Blanks(3) + "No" + Pad(6, "Dz") + Pad(10, "SE") + Pad(10, "SD") + Pad(11, "SU=SE+SD")
            + Pad(10, "SV") + Pad(8, "SU/SV"))
        + Line(Blanks(2) + "[-]" + Pad(6, "[m]") + Pad(10, stress) + Pad(10, stress) + Pad(11, stress)
            + Pad(10, stress) + Pad(8, "[-]"))
        + rule
        + Line(Blanks(4) + "1" + Pad(6, "2") + Pad(10, "20") + Pad(10, "5") + Pad(11, "25") + Pad(10, "100")
            + Pad(8, ".25"))
        + Line(Blanks(4) + "2" + Pad(6, "4") + Pad(10, "10") + Pad(10, "10") + Pad(11, "20") + Pad(10, "0")
            + Blanks(8))
        + rule;
    EXPECT_EQ(Written(140019), expected);
}

TEST(PointKindCaption, TheThreeWordsAndAnyOther)
{
    EXPECT_EQ(PointKindCaption("CharacteristicPoint"), 90141);
    EXPECT_EQ(PointKindCaption("SlabCenter  "), 90142);
    EXPECT_EQ(PointKindCaption("CertainPoint"), 90143);
    EXPECT_EQ(PointKindCaption("Elsewhere"), 0);
}

TEST_F(SettlementTest, AnUnknownKindWordIsPrintedAsItStands)
{
    SaveFiles("Corner");
    const std::string text = Written(140019);
    EXPECT_EQ(text.rfind(Line("  At Corner"), 0), 0u) << text;
}

TEST_F(SettlementTest, MissingLdhNamesIt)
{
    SaveFiles("SlabCenter");
    std::remove(Path(".LDH").c_str());
    const std::string message = ErrorText<FileAccessError>([&] { Written(140019); });
    EXPECT_NE(message.find("SLAB.LDH"), std::string::npos) << message;
}

class ReactionTest : public SectionsTest {
protected:
    void SaveColumns(std::vector<float> v, std::vector<float> my, std::vector<float> mx)
    {
        WriteNodeCountFile(Path(".PL6"), static_cast<std::int32_t>(v.size()));
        WriteColumnFile(Path(".H10"), v);
        WriteColumnFile(Path(".H11"), my);
        WriteColumnFile(Path(".H12"), mx);
    }
};

TEST_F(ReactionTest, TotalsOfTheColumnsInSlot6)
{
    // V by the force factor 10, the moments by L x F = 20; the zero row 2
    // is dropped and adds nothing.
    SaveColumns({1, 0, 2}, {0.5f, 0, -1}, {0, 0, 0.25f});
    formats.slots[6] = "0.0";
    // Labels 14 wide, symbols 3, units 6, values 5: gap 8, labels padded to
    // 22.
    const std::string expected = Line("  Total Force-V" + Blanks(9) + "V'  [kN]   = 30.0")
        + Line("  Total Moment-Y" + Blanks(8) + "My' [kN.m] = -10.0")
        + Line("  Total Moment-X" + Blanks(8) + "Mx' [kN.m] = 5.0");
    EXPECT_EQ(Written(142), expected);
}

// All-zero reactions warn and give an empty section, which the run passes
// over; nothing is "not available".
TEST_F(ReactionTest, AllZeroReactionsWarnAndGiveAnEmptySection)
{
    SaveColumns({0, 0}, {0, 0}, {0, 0});
    const auto content = ReadSummaryOrLoadSection(Inputs(), ListKey(142L));
    ASSERT_NE(content, nullptr);
    EXPECT_TRUE(content->Empty());
    ASSERT_EQ(host.warnings.size(), 1u);
    EXPECT_EQ(host.warnings[0], "Reactions: Empty table");
}

TEST_F(ReactionTest, ShortColumnFileNamesIt)
{
    SaveColumns({1, 2, 3}, {1, 2, 3}, {1, 2, 3});
    writeFile(Path(".H11"), "1\r\n2\r\n");
    const std::string message = ErrorText<FileFormatError>([&] { Written(142); });
    EXPECT_NE(message.find("SLAB.H11"), std::string::npos) << message;
}

} // namespace
} // namespace teska::test
