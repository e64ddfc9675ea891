// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Column definitions checked against the tables, for the cases where the
// analysis model, the design code or the selector change the columns.

#include <gtest/gtest.h>

#include "lists/tables/ColumnDefinitions.h"
#include "suite/TextCatalogue.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

class Columns : public ::testing::Test {
protected:
    Columns()
    {
        test::writeFile(dir.file("en"),
            "@axisname1\tX axis\n@axisname2\tY axis\n@axis1\tx\n@axis2\ty\n"
            "75\t[rad]\n90000\tNo.\n90001\tCoordinate |1\n142\tSupport force\n"
            "40087\tForce\n90077\tMoment\n10036\tLayer\n30046\tBoring\n"
            "30044\tDepth\n10033\tNode\n140179\tStress |1\n");
        catalogue = std::make_unique<TextCatalogue>(dir.dir(), "en");
    }

    ColumnContext context(int method, std::string designCode = "EC 2")
    {
        ColumnContext c{*catalogue, {}, method, std::move(designCode), 90070, false,
            [](long kind) { return "[u" + std::to_string(kind) + "]"; }};
        return c;
    }

    ColumnDefinition define(long key, int method, long selector = 0, std::string code = "EC 2")
    {
        ColumnDefinition d;
        DefineListColumns(d, key, selector, context(method, std::move(code)));
        return d;
    }

    test::ScratchDir dir;
    std::unique_ptr<TextCatalogue> catalogue;
};

using Unit = UnitEntry;
using Caption = CaptionEntry;

TEST_F(Columns, MomentsHaveFiveColumnsOfKindOne)
{
    const auto d = define(140, 1);
    ASSERT_EQ(d.ColumnCount, 5);
    EXPECT_EQ(d.ColumnCaptionIds[0], Caption(80079L));
    EXPECT_EQ(d.ColumnSymbols[0], "No.");
    EXPECT_EQ(d.ColumnSymbols[3], "mxy");
    EXPECT_EQ(d.ColumnSymbols[5], "mh2");
    EXPECT_EQ(d.ColumnCaptionIds[4], Caption(145L));
    EXPECT_EQ(d.ColumnUnits[1], Unit(1L));
    EXPECT_EQ(d.ColumnUnits[0], Unit(std::string("[-]")));
}

TEST_F(Columns, ColumnCountFollowsTheModel)
{
    EXPECT_EQ(define(90046, 21).ColumnCount, 3);
    EXPECT_EQ(define(90046, 21).ColumnSymbols[3], "theta");
    EXPECT_EQ(define(90046, 22).ColumnCount, 2);
    EXPECT_EQ(define(90098, 4).ColumnCount, 1);
    EXPECT_EQ(define(90098, 1).ColumnCount, 3);
    EXPECT_EQ(define(142, 22).ColumnCount, 2);
    EXPECT_EQ(define(142, 21).ColumnCount, 3);
    const auto plate = define(142, 1);
    EXPECT_EQ(plate.ColumnCaptionIds[1], Caption(std::string("Force-V")));
    EXPECT_EQ(plate.ColumnCaptionIds[3], Caption(std::string("Moment-X")));
    EXPECT_EQ(plate.ColumnUnits[1], Unit(std::string("[kN]")));
    EXPECT_EQ(define(60005, 21).ColumnSymbols[3], "Theta");
}

TEST_F(Columns, StressesShowTheStressUnitEverywhere)
{
    const auto d = define(90183, 22);
    ASSERT_EQ(d.ColumnCount, 6);
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(d.ColumnUnits[static_cast<std::size_t>(i)], Unit(std::string("[u0]"))) << i;
    EXPECT_EQ(d.ColumnCaptionIds[1], Caption(std::string("Stress (X axis)")));
    const auto strains = define(90184, 22);
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(strains.ColumnUnits[static_cast<std::size_t>(i)], Unit(std::string("[-]"))) << i;
}

TEST_F(Columns, PunchingUnitDependsOnTheDesignCode)
{
    EXPECT_EQ(define(80045, 1, 0, "ACI").ColumnUnits[6], Unit(std::string("[kN]")));
    EXPECT_EQ(define(80045, 1, 0, "ACI 318").ColumnUnits[6], Unit(std::string("[u9]")));
    const auto d = define(80045, 1);
    EXPECT_EQ(d.ColumnSymbols[2], "Xc");
    EXPECT_EQ(d.ColumnSymbols[3], "Yc");
    EXPECT_EQ(d.ColumnCaptionIds[2], Caption(std::string("Coordinate (X axis)")));
    EXPECT_EQ(d.ColumnUnits[3], Unit(std::string("[m]")));
    EXPECT_EQ(d.ColumnUnits[11], Unit(std::string("[%]")));
}

TEST_F(Columns, TextKeysKeepThePreviousDefinition)
{
    ColumnDefinition d;
    DefineListColumns(d, 141L, 0, context(1));
    DefineListColumns(d, std::string("Spring coefficients [Ce]"), 0, context(1));
    EXPECT_EQ(d.ColumnCount, 2);
    EXPECT_EQ(d.ColumnSymbols[1], "Qx");
}

TEST_F(Columns, BareTablesLeaveUnnamedElementsEmpty)
{
    const auto elements = define(90055, 1);
    ASSERT_EQ(elements.ColumnCount, 5);
    EXPECT_EQ(elements.ColumnCaptionIds[0], Caption(90149L));
    EXPECT_EQ(elements.ColumnCaptionIds[2], Caption(std::string("2.Node")));
    EXPECT_EQ(elements.ColumnSymbols[0], "");
    EXPECT_EQ(elements.ColumnUnits[1], Unit(std::string()));
    const auto layers = define(90073, 1, 0);
    EXPECT_EQ(layers.ColumnCaptionIds[3], Caption(std::string("Layer II\nBoring")));
    EXPECT_EQ(layers.ColumnCaptionIds[0], Caption(std::string()));
    const auto loads = define(140169, 1, 2);
    EXPECT_EQ(loads.ColumnSymbols[1], "My");
    EXPECT_EQ(loads.ColumnUnits[0], Unit(std::string()));
}

TEST_F(Columns, SideTableAndTerminologyKey)
{
    const auto side = define(90054, 1, SideTableSelector);
    ASSERT_EQ(side.ColumnCount, 2);
    EXPECT_EQ(side.ColumnSymbols[2], "b");
    const auto term = define(90070, 1);
    ASSERT_EQ(term.ColumnCount, 3);
    EXPECT_EQ(term.ColumnSymbols[2], "Nue");
    const auto boreholes = define(140162, 3);
    EXPECT_EQ(boreholes.ColumnCount, 5);
    EXPECT_EQ(define(140162, 1).ColumnCount, 3);
}

TEST_F(Columns, ResultFormatsBySlot)
{
    std::vector<std::string> slots(18);
    for (std::size_t i = 1; i < 18; ++i)
        slots[i] = "s" + std::to_string(i);
    std::string value = "old", second = "old2";
    ChooseResultFormats(139L, slots, value, second);
    EXPECT_EQ(value, "s2");
    EXPECT_EQ(second, "");
    EXPECT_EQ(SecondFormatColumn(139L), 2);
    ChooseResultFormats(90048L, slots, value, second);
    EXPECT_EQ(second, "s3");
    ChooseResultFormats(142L, slots, value, second);
    EXPECT_EQ(value, "s6");
    EXPECT_EQ(second, "s3"); // unchanged
    EXPECT_EQ(SecondFormatColumn(142L), 0);
    ChooseResultFormats(std::string("Subgrade modulus [ks]"), slots, value, second);
    EXPECT_EQ(value, "s17");
    ChooseResultFormats(90060L, slots, value, second);
    EXPECT_EQ(value, "s17"); // not a result table key: unchanged
}

} // namespace
} // namespace teska
