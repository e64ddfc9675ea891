// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The current project: its paths, the options read from the project file,
// the job description and design code, and the availability switches that
// decide which lists and sections a project offers.

#include <array>
#include <cstdint>
#include <string>

namespace teska {

struct ProjectState {
    std::string ProjectDirectory; // ends with a path separator
    std::string ProjectBaseName;
    std::string ProjectPath; // as chosen

    std::int32_t ProjectType = 0;
    std::int32_t AnalysisMethod = 0;
    std::array<std::int16_t, 13> Options{}; // option n is Options[n - 1]

    std::array<std::string, 3> JobLines;
    std::string DesignCode;

    bool ResultSwitch1 = false, ResultSwitch2 = false, ResultSwitch3 = false, ResultSwitch4 = false;
    bool ResultSwitch5 = false, ResultSwitch6 = false, ResultSwitch7 = false, ResultSwitch8 = false;
    bool ResultSwitch9 = false, ResultSwitch10 = false, ResultSwitch11 = false, ResultSwitch12 = false;
    bool ResultSwitch13 = false, ResultSwitch14 = false, ResultSwitch15 = false, ResultSwitch16 = false;
    bool ResultSwitch17 = false, ResultSwitch18 = false;
    bool DesignSwitch1 = false;
    bool DesignSwitch2 = false;

    // Menu state that opening and closing set.
    bool ListMenuEnabled = false;
    bool CloseCommandEnabled = false;
    std::string MainCaption;

    // ProjectDirectory + ProjectBaseName + extension (".AUF" ...).
    std::string SiblingPath(const std::string& extension) const
    {
        return ProjectDirectory + ProjectBaseName + extension;
    }
    // Switch n (1 to 18) of ResultSwitch1..ResultSwitch18; false otherwise.
    bool ResultSwitch(int n) const;
    // The eighteen switches as an array indexed 1 to 18 ([0] unused).
    std::array<bool, 19> ResultSwitches() const;
};

// Sets ResultSwitch1..18 from the options and AnalysisMethod, all except
// ResultSwitch7, which waits for the punching file (false here).
void SetResultSwitches(ProjectState& state);
// ResultSwitch7: ResultSwitch6 and a first punching number above 0.
bool PunchingResultsExist(bool resultSwitch6, double firstPunchingNumber);
// DesignSwitch1: AnalysisMethod 3, 8 or 9.
bool DesignResultsOfMethod(std::int32_t analysisMethod);
// DesignSwitch2 from the slab mark and record 9 of .P21: mark "J", or
// another mark with record 9 above 0, unless AnalysisMethod is 2, 8, 17,
// 18, 19 or 20.
bool SlabDesignResults(const std::string& slabMark, float record9, std::int32_t analysisMethod);

} // namespace teska
