// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// From an opened project to the lists it offers: the switches that opening
// sets reach the offer rules, and the boring count comes from the
// project's own ".BAU" file.

#include <gtest/gtest.h>

#include "lists/choice/ProjectOffer.h"
#include "project/io/RecordFile.h"
#include "project/opening/OpenProject.h"
#include "project/opening/ProjectWriter.h"
#include "suite/Host.h"
#include "suite/TextCatalogue.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

class ProjectOfferTest : public ::testing::Test {
protected:
    ProjectOfferTest()
    {
        test::writeFile(dir.file("en"), "140177\tSpring coefficients\n140221\tSubgrade modulus\n");
        catalogue = std::make_unique<TextCatalogue>(dir.dir(), "en");
        // Method 5, option 9 = 1 (borehole summary), slab marked for design.
        ProjectFileData data;
        data.AnalysisMethod = 5;
        data.Options[8] = 1;
        WriteProjectFile(dir.file("P.PO1"), data);
        WriteSlabMarks(dir.file("P.P21"), "J", 0);
        project.ProjectDirectory = dir.dir();
        project.ProjectBaseName = "P";
        project.ProjectPath = dir.file("P.PO1");
        OpeningContext context(host);
        EXPECT_EQ(OpenProject(project, context, false).Outcome, OpenOutcome::Opened);
    }

    void WriteBorings(std::int16_t count)
    {
        RecordWriter bau;
        bau.PutInt16(4, count);
        bau.Save(dir.file("P.BAU"));
    }

    std::vector<std::string> Offered(int target)
    {
        const auto keys = BuildListCandidates(OfferStateFor(project, target, 90070, &host), *catalogue);
        std::vector<std::string> out;
        if (!keys)
            out.push_back("none");
        else
            for (const ListKey& key : *keys)
                out.push_back(ListKeyText(key));
        return out;
    }

    using Keys = std::vector<std::string>;
    test::ScratchDir dir;
    RecordingHost host;
    std::unique_ptr<TextCatalogue> catalogue;
    ProjectState project;
};

TEST_F(ProjectOfferTest, SwitchesOfTheOpenedProjectReachTheOffer)
{
    ASSERT_TRUE(project.DesignSwitch2);
    ASSERT_TRUE(project.ResultSwitch10);
    WriteBorings(2);
    // Design switch 2 brings the first two lists, option 9 the borehole ones.
    EXPECT_EQ(Offered(4), (Keys{"138", "90098", "90048", "139", "140", "141", "140164", "150"}));
    EXPECT_EQ(Offered(2),
        (Keys{"138", "90098", "90048", "139", "140", "141", "Spring coefficients [Ce]",
            "Spring coefficients [Cw]", "Subgrade modulus [ks]", "140164", "150"}));
}

TEST_F(ProjectOfferTest, BoringCountComesFromTheProjectsFile)
{
    WriteBorings(1);
    EXPECT_EQ(Offered(4), (Keys{"138", "90098", "90048", "139", "140", "141", "150"}));
    std::remove(dir.file("P.BAU").c_str());
    EXPECT_EQ(Offered(4), Keys{"none"});
    EXPECT_TRUE(host.errors.empty());
    // Three records only: record 4 is missing, which is reported.
    test::writeFile(dir.file("P.BAU"), std::string(3 * RecordLength, '\0'));
    EXPECT_EQ(Offered(4), Keys{"none"});
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_NE(host.errors[0].find("P.BAU"), std::string::npos);
}

} // namespace
} // namespace teska
