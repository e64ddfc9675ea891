// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Column definitions checked against the tables, for the cases where the
// analysis model, the design code or the selector change the columns; the
// offered lists, rule by rule, with the expected key sequences worked out
// from the offer rules for each analysis model (tests/data/lists/offers.tsv).

#include <gtest/gtest.h>

#include <sstream>

#include "lists/choice/ListCandidates.h"
#include "lists/tables/ColumnDefinitions.h"
#include "suite/TextCatalogue.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

// A catalogue of the texts the column definitions and the offered lists
// look up.
class Columns : public ::testing::Test {
protected:
    Columns()
    {
        test::writeFile(dir.file("en"),
            "@axisname1\tX axis\n@axisname2\tY axis\n@axis1\tx\n@axis2\ty\n"
            "75\t[rad]\n90000\tNo.\n90001\tCoordinate |1\n142\tSupport force\n"
            "40087\tForce\n90077\tMoment\n10036\tLayer\n30046\tBoring\n"
            "30044\tDepth\n10033\tNode\n140179\tStress |1\n140177\tSpring coefficients\n"
            "140221\tSubgrade modulus\n90045\tCover page\n90054\tNodes\n");
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

class Candidates : public Columns {
protected:
    static OfferState state(int target, int method)
    {
        OfferState s;
        s.OutputTarget = target;
        s.AnalysisMethod = method;
        s.TermId = 90070;
        return s;
    }
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

TEST_F(Candidates, EveryOfferOfTheTable)
{
    const auto table = test::TableRows("lists/offers.tsv", 5);
    ASSERT_FALSE(table.empty());
    int rows = 0;
    for (const std::vector<std::string>& f : table) {
        SCOPED_TRACE(f[0]);
        ++rows;
        OfferState s = state(std::stoi(f[1]), std::stoi(f[2]));
        std::istringstream switches(f[3]);
        for (std::string sw; std::getline(switches, sw, ',');) {
            if (sw == "d1" || sw == "d2")
                (sw == "d1" ? s.DesignSwitch1 : s.DesignSwitch2) = true;
            else if (sw.starts_with("bau="))
                s.BauCount = [count = sw.substr(4)] {
                    return count == "-" ? std::optional<int>() : std::optional<int>(std::stoi(count));
                };
            else
                s.ResultSwitch[static_cast<std::size_t>(std::stoi(sw))] = true;
        }
        const auto offered = BuildListCandidates(s, *catalogue);
        std::string got = offered ? "" : "-";
        for (std::size_t i = 0; offered && i < offered->size(); ++i)
            got += (i ? "|" : "") + ListKeyText((*offered)[i]);
        EXPECT_EQ(got, f[4]);
    }
    EXPECT_GT(rows, 25);
}

TEST_F(Candidates, NavigatorMenusUseViewTargets)
{
    auto s = state(4, 21);
    auto menus = FillNavigatorLists(s, *catalogue);
    ASSERT_TRUE(menus.has_value());
    ASSERT_EQ(menus->DataLists.size(), 2u);
    EXPECT_EQ(menus->DataLists[0].Key, "90054");
    EXPECT_EQ(menus->DataLists[0].Caption, "Nodes");
    ASSERT_EQ(menus->ResultLists.size(), 4u);
    EXPECT_EQ(menus->ResultLists[0].Key, "80006");
}

} // namespace
} // namespace teska
