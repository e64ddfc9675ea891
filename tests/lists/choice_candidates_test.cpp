// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The offered lists, rule by rule, with the expected key sequences worked
// out from the offer rules for each analysis model.

#include <gtest/gtest.h>

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

    std::vector<std::string> keys(const OfferState& state)
    {
        auto result = BuildListCandidates(state, *catalogue);
        EXPECT_TRUE(result.has_value());
        std::vector<std::string> out;
        if (result)
            for (const auto& key : *result)
                out.push_back(ListKeyText(key));
        return out;
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

    using Keys = std::vector<std::string>;
    test::ScratchDir dir;
    std::unique_ptr<TextCatalogue> catalogue;
};

TEST_F(Candidates, PlaneModelsOfferOnlyTheirOwnLists)
{
    // Every switch on: no settlement, punching, coefficient or borehole lists.
    auto all = state(2, 21, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 14});
    all.DesignSwitch1 = all.DesignSwitch2 = true;
    EXPECT_EQ(keys(all), (Keys{"80006", "160008", "160009", "90046", "142"}));
    all.AnalysisMethod = 22;
    EXPECT_EQ(keys(all), (Keys{"90046", "90183", "90184", "142"}));
    EXPECT_EQ(keys(state(4, 22)), (Keys{"90046", "90183", "90184"}));
    EXPECT_EQ(keys(state(4, 21, {8})), (Keys{"80006", "160008", "160009", "90046", "142"}));
}

TEST_F(Candidates, Method16GoesOnToTheSpecialLists)
{
    EXPECT_EQ(
        keys(state(4, 16, {9, 5})), (Keys{"139", "160010", "160008", "160009", "142", "146", "140019"}));
}

TEST_F(Candidates, Method15StopsAfterItsOwnRule)
{
    EXPECT_EQ(keys(state(4, 15, {4, 8, 6, 7, 5, 1})),
        (Keys{"139", "140", "141", "160010", "160008", "160009", "142", "90049", "80045"}));
    // Switch 14 alone does not bring the shear list for method 15.
    EXPECT_EQ(keys(state(4, 15, {14})), (Keys{"139", "140", "141"}));
}

TEST_F(Candidates, Method4AddsSettlementAndSpecialList)
{
    EXPECT_EQ(keys(state(5, 4, {14})), (Keys{"90098", "139", "140", "141", "142", "146", "400165"}));
}

TEST_F(Candidates, Method2AndDesignSwitch1ShareARule)
{
    EXPECT_EQ(keys(state(4, 2, {4})), (Keys{"90048", "139", "140", "141", "160010", "160008", "160009"}));
    auto s = state(4, 3);
    s.DesignSwitch1 = true;
    EXPECT_EQ(keys(s), (Keys{"90048", "139", "140", "141"}));
    // Method 4 with design switch 1 runs both rules.
    auto both = state(4, 4);
    both.DesignSwitch1 = true;
    EXPECT_EQ(keys(both), (Keys{"90098", "139", "140", "141", "90048", "139", "140", "141", "146"}));
}

TEST_F(Candidates, CoefficientListsOnlyForViewingAndNotWithSwitch15)
{
    auto view = state(2, 7, {});
    view.DesignSwitch2 = true;
    const std::string ce = "Spring coefficients [Ce]", cw = "Spring coefficients [Cw]",
                      ks = "Subgrade modulus [ks]";
    EXPECT_EQ(keys(view), (Keys{"138", "90098", "90048", ce, cw, ks, "90050"}));
    view.ResultSwitch[15] = true;
    EXPECT_EQ(keys(view), (Keys{"138", "90098", "90048", "90050"}));
    auto print = state(4, 7);
    EXPECT_EQ(keys(print), (Keys{"90048", "90050"}));
    EXPECT_EQ(keys(state(2, 17)), (Keys{ce, ks}));
    EXPECT_EQ(keys(state(2, 18)), (Keys{ce}));
}

TEST_F(Candidates, SwitchesAppendTheSummaryLists)
{
    EXPECT_EQ(keys(state(4, 10, {5, 2, 1, 3})), (Keys{"140019", "90103", "90163", "90105"}));
    EXPECT_EQ(keys(state(4, 8)), (Keys{"90060"}));
    EXPECT_EQ(keys(state(4, 11, {10})), (Keys{"150"}));
}

TEST_F(Candidates, BoreholeListNeedsAtLeastTwoBorings)
{
    auto s = state(4, 3, {10});
    s.BauCount = [] { return std::optional<int>(1); };
    EXPECT_EQ(keys(s), (Keys{"150"}));
    s.BauCount = [] { return std::optional<int>(2); };
    EXPECT_EQ(keys(s), (Keys{"140164", "150"}));
    s.BauCount = [] { return std::optional<int>(); };
    EXPECT_FALSE(BuildListCandidates(s, *catalogue).has_value());
    // Without switch 10 the file is not needed at all.
    s.ResultSwitch[10] = false;
    EXPECT_EQ(keys(s), Keys{});
}

TEST_F(Candidates, DataListsFollowTheModel)
{
    // Viewing never offers the cover page.
    EXPECT_EQ(keys(state(1, 21, {4, 8, 9})), (Keys{"90054", "10032", "140015", "60005", "140169"}));
    EXPECT_EQ(keys(state(3, 21)), (Keys{"90045", "90054", "140169"}));
    EXPECT_EQ(keys(state(3, 15, {6})), (Keys{"90045", "90054", "90055", "140176", "140169", "90062"}));
    EXPECT_EQ(keys(state(6, 22)), (Keys{"90045", "90054", "90055", "140176", "140169"}));
    EXPECT_EQ(keys(state(6, 16, {2, 1, 3, 6, 14})),
        (Keys{"90045", "90054", "140169", "140175", "60004", "60003", "90062", "140195"}));
    auto s = state(3, 7);
    s.BauCount = [] { return std::optional<int>(3); };
    EXPECT_EQ(keys(s), (Keys{"90045", "90054", "90055", "140162", "90070", "90073", "140169"}));
    s.BauCount = [] { return std::optional<int>(); };
    EXPECT_FALSE(BuildListCandidates(s, *catalogue).has_value());
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
