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

// The definitions of the keys whose columns the model, the design code or
// the selector change, one block each, as stored for the test.
TEST_F(Columns, DefinitionsByModelCodeAndSelector)
{
    const struct {
        long key;
        int method;
        long selector;
        const char* code;
    } cases[] = {{140, 1, 0, "EC 2"}, {90046, 21, 0, "EC 2"}, {90046, 22, 0, "EC 2"}, {90098, 4, 0, "EC 2"},
        {90098, 1, 0, "EC 2"}, {142, 1, 0, "EC 2"}, {142, 21, 0, "EC 2"}, {142, 22, 0, "EC 2"},
        {60005, 21, 0, "EC 2"}, {90183, 22, 0, "EC 2"}, {90184, 22, 0, "EC 2"}, {80045, 1, 0, "EC 2"},
        {80045, 1, 0, "ACI"}, {80045, 1, 0, "ACI 318"}, {90055, 1, 0, "EC 2"}, {90073, 1, 0, "EC 2"},
        {140169, 1, 2, "EC 2"}, {90054, 1, SideTableSelector, "EC 2"}, {90070, 1, 0, "EC 2"},
        {140162, 3, 0, "EC 2"}, {140162, 1, 0, "EC 2"}};
    const auto entry = [](const std::variant<long, std::string>& e) {
        return std::holds_alternative<long>(e) ? "#" + std::to_string(std::get<long>(e))
                                               : std::get<std::string>(e);
    };
    std::string text;
    for (const auto& c : cases) {
        const ColumnDefinition d = define(c.key, c.method, c.selector, c.code);
        text += std::to_string(c.key) + " method " + std::to_string(c.method) + " selector "
            + std::to_string(c.selector) + " " + c.code + ": " + std::to_string(d.ColumnCount) + " columns\n";
        for (std::size_t i = 0; i < d.ColumnSymbols.size(); ++i)
            text += "  " + entry(d.ColumnCaptionIds.at(i)) + " | " + d.ColumnSymbols[i] + " | "
                + entry(d.ColumnUnits.at(i)) + "\n";
    }
    test::ExpectAsStored(text);
}

TEST_F(Columns, TextKeysKeepThePreviousDefinition)
{
    ColumnDefinition d;
    DefineListColumns(d, 141L, 0, context(1));
    DefineListColumns(d, std::string("Spring coefficients [Ce]"), 0, context(1));
    EXPECT_EQ(d.ColumnCount, 2);
    EXPECT_EQ(d.ColumnSymbols[1], "Qx");
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
