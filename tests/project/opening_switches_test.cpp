// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The availability switches: which option value or analysis method turns
// each switch on, worked out switch by switch from the rules, and that no
// other switch moves with it.

#include <gtest/gtest.h>

#include <set>

#include "project/opening/ProjectState.h"

namespace teska {
namespace {

// Switches that one option at a given value turns on; every other switch
// stays off (AnalysisMethod 0 keeps 17 and 18 off).
struct OptionCase {
    int option;
    std::int16_t value;
    std::set<int> on;
};

TEST(ResultSwitches, EachOptionDrivesItsOwnSwitches)
{
    const OptionCase cases[] = {{1, 1, {1}}, {2, 1, {2}}, {3, 1, {3}}, {7, 1, {4}}, {8, 1, {5}}, {4, 1, {6}},
        {5, 1, {8}}, {6, 1, {9}}, {9, 1, {10}}, {10, 1, {11}}, {11, 1, {12}}, {12, 1, {13}}, {13, 1, {14}},
        {9, 4, {15}}, {9, 3, {16}}, {9, 2, {}}, {1, 2, {}}, {4, -1, {}}, {13, 0, {}}};
    for (const OptionCase& c : cases) {
        ProjectState state;
        state.Options[static_cast<std::size_t>(c.option - 1)] = c.value;
        SetResultSwitches(state);
        for (int n = 1; n <= 18; ++n)
            EXPECT_EQ(state.ResultSwitch(n), c.on.count(n) == 1)
                << "option " << c.option << " = " << c.value << ", switch " << n;
    }
}

TEST(ResultSwitches, AnalysisMethodDrivesSeventeenAndEighteen)
{
    const std::set<int> seventeen = {1, 5, 6, 7, 9, 13};
    const std::set<int> eighteen = {2, 8, 17, 18, 19, 20};
    for (int method = -1; method <= 23; ++method) {
        ProjectState state;
        state.AnalysisMethod = method;
        SetResultSwitches(state);
        EXPECT_EQ(state.ResultSwitch17, seventeen.count(method) == 1) << method;
        EXPECT_EQ(state.ResultSwitch18, eighteen.count(method) == 1) << method;
        EXPECT_FALSE(state.ResultSwitch1) << method;
        EXPECT_EQ(DesignResultsOfMethod(method), method == 3 || method == 8 || method == 9) << method;
    }
}

TEST(ResultSwitches, ResetOnEverySettingAndSevenWaitsForPunching)
{
    ProjectState state;
    state.Options.fill(1);
    state.AnalysisMethod = 7;
    SetResultSwitches(state);
    // All options 1: every switch but 7, 15, 16 (option 9 is 1) and 18.
    for (int n = 1; n <= 18; ++n)
        EXPECT_EQ(state.ResultSwitch(n), n != 7 && n != 15 && n != 16 && n != 18) << n;

    state.ResultSwitch7 = true;
    state.Options.fill(0);
    state.AnalysisMethod = 0;
    SetResultSwitches(state);
    for (int n = 1; n <= 18; ++n)
        EXPECT_FALSE(state.ResultSwitch(n)) << n;
    EXPECT_FALSE(state.ResultSwitch(0));
    EXPECT_FALSE(state.ResultSwitch(19));

    EXPECT_TRUE(PunchingResultsExist(true, 0.5));
    EXPECT_FALSE(PunchingResultsExist(true, 0));
    EXPECT_FALSE(PunchingResultsExist(true, -2));
    EXPECT_FALSE(PunchingResultsExist(false, 4));
}

TEST(DesignSwitch2, MarkOrRecordNineUnlessExcludedMethod)
{
    struct Case {
        const char* mark;
        float record9;
        int method;
        bool expected;
    };
    const Case cases[] = {{"J", 0, 1, true}, // the mark alone
        {"J", -5, 3, true}, {"N", 0.1f, 1, true}, // another mark with a positive record 9
        {"N", 0, 1, false}, {"N", -1, 1, false}, {"", 0, 1, false},
        {"j", 0, 1, false}, // the mark is the capital letter
        {"JA", 0, 1, false}, {"J", 1, 2, false}, // excluded methods
        {"J", 1, 8, false}, {"J", 1, 17, false}, {"J", 1, 18, false}, {"J", 1, 19, false},
        {"J", 1, 20, false}, {"J", 0, 21, true}, {"J", 0, 16, true}};
    for (const Case& c : cases)
        EXPECT_EQ(SlabDesignResults(c.mark, c.record9, c.method), c.expected)
            << c.mark << " " << c.record9 << " " << c.method;
}

} // namespace
} // namespace teska
