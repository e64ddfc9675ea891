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

class RunTest : public ListFixture {
protected:
    RunTest()
        : ListFixture(readFile(dataPath("lists/run.catalogue")), 40, 30)
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
        ListRunRequest request{target, keys.empty() ? ListKey(0L) : keys.front(), std::move(keys)};
        const SectionInputs inputs{*session, project, formats, 0, target};
        return RunList(inputs, *writer, request);
    }
};

} // namespace teska::test
