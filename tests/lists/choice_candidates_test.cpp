// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The offered lists, rule by rule, with the expected key sequences worked
// out from the offer rules for each analysis model
// (tests/data/lists/offers.tsv).

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "lists/choice/ListCandidates.h"
#include "suite/TextCatalogue.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

class Candidates : public ::testing::Test {
protected:
    Candidates()
    {
        test::writeFile(dir.file("en"),
            "140177\tSpring coefficients\n140221\tSubgrade modulus\n"
            "90045\tCover page\n90054\tNodes\n");
        catalogue = std::make_unique<TextCatalogue>(dir.dir(), "en");
    }

    static OfferState state(int target, int method, std::initializer_list<int> switches = {})
    {
        OfferState s;
        s.OutputTarget = target;
        s.AnalysisMethod = method;
        s.TermId = 90070;
        for (int i : switches)
            s.ResultSwitch[static_cast<std::size_t>(i)] = true;
        return s;
    }

    test::ScratchDir dir;
    std::unique_ptr<TextCatalogue> catalogue;
};

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

TEST_F(Candidates, ChoiceTextsPerTarget)
{
    EXPECT_EQ(ChoiceTextsFor(1).Title, 90085);
    EXPECT_STREQ(ChoiceTextsFor(2).HelpTopic, "6_4");
    EXPECT_EQ(ChoiceTextsFor(4).Prompt, 90111);
    EXPECT_EQ(ChoiceTextsFor(6).Prompt, 90112);
    EXPECT_STREQ(ChoiceTextsFor(3).HelpTopic, "6_2");
    EXPECT_EQ(ChoiceTextsFor(0).Title, 0);
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
