// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A tiny project in a scratch folder, a catalogue of short texts and a list
// writer on a page of 60 characters, for the sections of the soil, load,
// pile and summary modules. Units: length [m] with factor 2, force [kN]
// with factor 10, so UnitFactor 0 is 2.5 and UnitFactor 3 is 1.25.

#include <memory>
#include <string>

#include "list_fixture_test.h"
#include "lists/sections/SectionContent.h"
#include "project/input/InputFiles.h"

namespace teska::test {

inline const char* SectionsCatalogue
    = "@language\tTestish\n@axis1\tx\n@axis2\ty\n@axisname1\tx\n@axisname2\ty\n"
      "75\t[rad]\n76\t[s]\n77\t2\n78\t3\n123\t'\n"
      "80079\tNode\n90000\tNo\n90006\tPage\n90033\tcont.\n90034\t...cont\n"
      "90078\tPreparing |1\n157\tPrinting |1\n90079\tEmpty table\n"
      "30046\tBore\n30087\tnumber\n10283\tPos |1\n150\tqult\n160038\tmod\n"
      "140164\tBoreholes qb\n90060\tBoreholes ksm\n90050\tOrigin\n"
      "90036\tDefl\n90037\tRot |1\n"
      "400165\tPiles\n400022\tPF\n40078\tForce\n40081\tSett\n400088\tSpring\n"
      "140239\tForces\n400068\tResist\n40082\tSkin\n40083\tTip\n120045\tSum\n"
      "400143\tTop\n400145\tFoot\n140235\tSetts\n400004\tFric\n400093\tPSet\n"
      "400100\tShaft\n300026\tHead\n300088\tLength\n400142\tShare\n"
      "140019\tSettlement\n90139\tAt |1\n10146\tDepth\n10147\tCoef\n90140\tKind\n"
      "90141\tChar\n90142\tCentre\n90143\tChosen\n90144\tLimit\n90145\tConsol\n"
      "90146\tDegree\n90147\tStresses\n60006\tPt\n90165\tz\n140065\tE\n140066\tD\n"
      "90164\tU\n140067\tV\n90166\tR\n"
      "142\tReactions\n90039\tTotal\n40087\tForce\n90077\tMoment\n104\tList\n107\tReading\n"
      "140162\tSoil\n30011\tWater\n160044\tAlfa\n90026\tBorings\n90022\tBoring\n90115\tSurface\n"
      "40057\tLayer\n90029\tEs\n10173\tE\n90028\tNue\n10174\tCc\n10175\teo\n90254\tGama\n30008\tFhi\n"
      "30009\tc\n";

class SectionsTest : public ListFixture {
protected:
    SectionsTest()
        : ListFixture(SectionsCatalogue, 60, 40, false)
    {
        UnitSettings& units = session->environment.Units();
        units.LengthUnit = "[m]";
        units.LengthFactor = 2;
        units.Length2Unit = "[cm]";
        units.Length2Factor = 1;
        units.ForceUnit = "[kN]";
        units.ForceFactor = 10;
        units.Force2Unit = "[MN]";
        units.Force2Factor = 1;
        project.ProjectBaseName = "SLAB";
        project.AnalysisMethod = 1;
        state.OutputTarget = TargetEditorResults;
        state.SymbolSuffix = "'";
    }

    SectionInputs Inputs() { return SectionInputs{*session, project, formats}; }
    std::string Path(const std::string& extension) const { return project.SiblingPath(extension); }
    void Save(const std::string& extension, const std::string& bytes)
    {
        SaveInputFile(Path(extension), bytes);
    }

    // Reads the section of \p key and writes its head (and body) on a fresh
    // list text.
    std::string Written(long key, bool body = false)
    {
        state.CurrentListKey = key;
        std::unique_ptr<SectionContent> content = ReadSummaryOrLoadSection(Inputs(), ListKey(key));
        EXPECT_TRUE(content) << "no section for " << key;
        if (!content)
            return {};
        state.ListText.clear();
        state.LineOnPage = 0;
        content->WriteHead(*writer);
        if (body)
            content->WriteBody(*writer);
        return state.ListText;
    }
};

inline std::string Blanks(int n)
{
    return std::string(static_cast<std::size_t>(n), ' ');
}
inline std::string Dashes(int n)
{
    return std::string(static_cast<std::size_t>(n), '-');
}
// One line of list text.
inline std::string Line(const std::string& text)
{
    return text + "\r\n";
}

// The message of the error \p call throws as \p Error ("" when none).
template <class Error, class Call> std::string ErrorText(Call call)
{
    try {
        call();
    } catch (const Error& e) {
        return e.what();
    }
    return {};
}

} // namespace teska::test
