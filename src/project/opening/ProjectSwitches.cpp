// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <initializer_list>

#include "project/opening/ProjectState.h"

namespace teska {

namespace {

bool OneOf(std::int32_t value, std::initializer_list<std::int32_t> values)
{
    return std::find(values.begin(), values.end(), value) != values.end();
}

// The members in switch order, so that one table serves reading and writing.
constexpr std::array<bool ProjectState::*, 19> kSwitches
    = {nullptr, &ProjectState::ResultSwitch1, &ProjectState::ResultSwitch2, &ProjectState::ResultSwitch3,
        &ProjectState::ResultSwitch4, &ProjectState::ResultSwitch5, &ProjectState::ResultSwitch6,
        &ProjectState::ResultSwitch7, &ProjectState::ResultSwitch8, &ProjectState::ResultSwitch9,
        &ProjectState::ResultSwitch10, &ProjectState::ResultSwitch11, &ProjectState::ResultSwitch12,
        &ProjectState::ResultSwitch13, &ProjectState::ResultSwitch14, &ProjectState::ResultSwitch15,
        &ProjectState::ResultSwitch16, &ProjectState::ResultSwitch17, &ProjectState::ResultSwitch18};

} // namespace

bool ProjectState::ResultSwitch(int n) const
{
    if (n < 1 || n > 18)
        return false;
    return this->*kSwitches[static_cast<std::size_t>(n)];
}

std::array<bool, 19> ProjectState::ResultSwitches() const
{
    std::array<bool, 19> switches{};
    for (int n = 1; n <= 18; ++n)
        switches[static_cast<std::size_t>(n)] = ResultSwitch(n);
    return switches;
}

void SetResultSwitches(ProjectState& state)
{
    auto option = [&](int n) { return state.Options[static_cast<std::size_t>(n - 1)]; };
    state.ResultSwitch1 = option(1) == 1;
    state.ResultSwitch2 = option(2) == 1;
    state.ResultSwitch3 = option(3) == 1;
    state.ResultSwitch4 = option(7) == 1;
    state.ResultSwitch5 = option(8) == 1;
    state.ResultSwitch6 = option(4) == 1;
    state.ResultSwitch7 = false;
    state.ResultSwitch8 = option(5) == 1;
    state.ResultSwitch9 = option(6) == 1;
    state.ResultSwitch10 = option(9) == 1;
    state.ResultSwitch11 = option(10) == 1;
    state.ResultSwitch12 = option(11) == 1;
    state.ResultSwitch13 = option(12) == 1;
    state.ResultSwitch14 = option(13) == 1;
    state.ResultSwitch15 = option(9) == 4;
    state.ResultSwitch16 = option(9) == 3;
    state.ResultSwitch17 = OneOf(state.AnalysisMethod, {1, 5, 6, 7, 9, 13});
    state.ResultSwitch18 = OneOf(state.AnalysisMethod, {2, 8, 17, 18, 19, 20});
}

bool PunchingResultsExist(bool resultSwitch6, double firstPunchingNumber)
{
    return resultSwitch6 && firstPunchingNumber > 0;
}

bool DesignResultsOfMethod(std::int32_t analysisMethod)
{
    return OneOf(analysisMethod, {3, 8, 9});
}

bool SlabDesignResults(const std::string& slabMark, float record9, std::int32_t analysisMethod)
{
    const bool marked = slabMark == "J" || record9 > 0;
    return marked && !OneOf(analysisMethod, {2, 8, 17, 18, 19, 20});
}

} // namespace teska
