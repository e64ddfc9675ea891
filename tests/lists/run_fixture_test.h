// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A tiny project in a scratch folder and a list run over a catalogue of
// short texts, on a page of 40 characters by 30 lines with a left margin of
// 2, so that the expected lists can be counted by hand.

#include <string>

#include "list_fixture_test.h"
#include "lists/run/ListRun.h"
#include "writer_fixture_test.h"

namespace teska::test {

inline const char* RunCatalogue
    = "@language\tTestish\n@axis1\tX\n@axis2\tY\n@axisname1\tx\n@axisname2\ty\n"
      "11\tJob\n12\tClient\n95\tNotes\n90057\tFile\n90035\tSystem\n"
      "40014\tFrame |1-z\n40015\tSlab\n40016\tSolid\n"
      "90006\tPage\n90033\tcont.\n90034\t...cont\n"
      "157\tPrinting |1\n90078\tPreparing |1\n90079\tEmpty table\n"
      "104\tLists\n107\tReading\n"
      "160005\tSlab analysis\n160004\tSoil analysis\n90167\tFE method\n"
      "91\tLang |1\n140148\tMethod:\n90\tBy\n"
      "75\t[rad]\n76\t[s]\n77\t2\n78\t3\n"
      "80079\tNode\n90000\tNo.\n90001\tCoord |1\n"
      "90045\tCover\n90011\tNodes\n80021\tCount N\n80022\tCount E\n90054\tTable N\n"
      "90055\tElements\n90149\tEl\n10033\tnode\n90005\tMat\n"
      "60005\tSupports\n90007\tSupported\n90008\tConditions\n"
      "90012\tFree\n90013\tFixed\n90014\tSpring\n140105\tArea\n90121\tsizes\n"
      "10017\tDim\n10059\tSide\n90010\tSupported nodes\n90046\tDefl\n90047\tRot\n"
      "80063\tLegend:\n10073\tCond\n10074\tfix\n10075\tfree\n10076\telastic\n"
      "10085\tBeam\n10086\tCode\n"
      "140175\tTemp loads\n90030\tTemp diff\n90032\tTo top, Tu bottom\n"
      "90031\tExpansion\n"
      "60004\tPiles\n90056\tPile nodes\n"
      "140\tMoments\n"
      "16396\tSlab\n90027\tWeight\n140099\tSlab and thickness\n90015\tThickness\n"
      "10303\tModulus\n90004\tPoisson\n140016\tDepth\n90064\tTerms\n140176\tSlab data\n"
      "90080\tAngle\n40008\tTop\n40009\tBottom\n90081\tMean depth\n"
      "120064\tSettlement\n60003\tSettlements\n"
      "10032\tBeams\n90122\tCross-sections\n13\tBeam\n10286\tNode i\n10287\tNode j\n"
      "10091\tE\n10092\tG\n10093\tI\n10094\tJ\n10095\tWeight\n140102\tBeam list\n"
      "90062\tDesign params\n90137\tDesign\n90135\tCode\n10277\tConcrete\n90136\tSteel\n"
      "10281\tfck char\n10280\tfyk char\n90134\tAllowed\n90133\tYield\n"
      "10279\tCovers\n90138\tBottom |1\n10040\tTop |1\n"
      "90124\tSafety\n90128\tLoad\n90130\tConcr\n90129\tSteel f\n90126\tDiagram\n"
      "90131\tReduction\n90132\tLong term\n10250\tXi limit\n90125\tGlobal\n"
      "10253\tMinimum\n10255\tCompr\n10254\tTension\n10256\tmax(|1; |2)\n10257\tmax(|1; |2; |3)\n"
      "555\t\n";

class RunTest : public ListFixture {
protected:
    RunTest()
        : ListFixture(RunCatalogue, 40, 30)
    {
        project.ProjectBaseName = "demo";
        project.ProjectPath = projectDir.file("demo.PO1");
        project.ProjectType = 4;
        state.SymbolSuffix = "";
        state.JobLines = {"J1", "J2", "J3"};
        state.ProjectBaseName = "demo";
        state.ProjectType = 4;
    }

    // The project file of \p extension.
    std::string File(const std::string& extension) const { return projectDir.file("demo" + extension); }

    ListRunResult Run(int target, std::vector<ListKey> keys)
    {
        ListRunRequest request;
        request.OutputTarget = target;
        if (!keys.empty())
            request.CurrentListKey = keys.front();
        request.ChosenLists = std::move(keys);
        const SectionInputs inputs{*session, project, formats, 0, target};
        return RunList(inputs, *writer, request);
    }
};

} // namespace teska::test
