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
        test::writeFile(dir.file("en"), test::readFile(test::dataPath("lists/columns.catalogue")));
        catalogue = std::make_unique<TextCatalogue>(dir.dir(), "en");
    }

    ColumnContext context(int method, std::string designCode = "EC 2")
    {
        return {*catalogue, {}, method, std::move(designCode), 90070, false,
            [](long kind) { return "[u" + std::to_string(kind) + "]"; }};
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

using Candidates = Columns;

OfferState state(int target, int method)
{
    return {target, method, {}, false, false, 90070, nullptr};
}

// The definitions of the keys whose columns the model, the design code or
// the selector change, one block each, as stored for the test.
TEST_F(Columns, DefinitionsByModelCodeAndSelector)
{
    const auto cases = test::TableRows("lists/column_cases.tsv", 4);
    ASSERT_EQ(cases.size(), 21u);
    static_assert(SideTableSelector == 140105);
    const auto entry = [](const std::variant<long, std::string>& e) {
        return std::holds_alternative<long>(e) ? "#" + std::to_string(std::get<long>(e))
                                               : std::get<std::string>(e);
    };
    std::string text;
    for (const auto& c : cases) {
        const ColumnDefinition d = define(std::stol(c[0]), std::stoi(c[1]), std::stol(c[2]), c[3]);
        text += c[0] + " method " + c[1] + " selector " + c[2] + " " + c[3] + ": "
            + std::to_string(d.ColumnCount) + " columns\n";
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
