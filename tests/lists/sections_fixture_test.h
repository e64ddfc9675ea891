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

class SectionsTest : public ListFixture {
protected:
    SectionsTest()
        : ListFixture(readFile(dataPath("lists/sections.catalogue")), 60, 40, false)
    {
        session->environment.Units() = {"[m]", 2, "[cm]", 1, "[kN]", 10, "[MN]", 1, 0};
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
