// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Generated sample projects seen through the engine (that every method's
// project opens and prints every offered list, the all-lists test shows):
// the offers of the plate and plane methods; the files hold what the model
// says (p = ks w, the settlement pairs); large meshes leave out the
// coefficient matrices and say so in option 9.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>

#include "lists/Session.h"
#include "lists/choice/ProjectOffer.h"
#include "lists/results/ReadResultList.h"
#include "project/io/FieldReader.h"
#include "project/opening/OpenProject.h"
#include "project/results/ResultFiles.h"
#include "suite/Errors.h"
#include "support/TestSupport.h"
#include "teska-sample/SampleProject.h"

namespace teska::sample {
namespace {

class QuietWindow : public ProgressWindow {
public:
    void showProgressLabels(const std::string&, const std::string&) override { }
    void unload() override { ++unloaded; }
    int unloaded = 0;
};

std::vector<float> ReadValues(const std::string& path, std::int32_t count)
{
    FieldReader in = FieldReader::FromFile(path);
    std::vector<float> values(static_cast<std::size_t>(count));
    ReadColumnValues(in, count, values.data(), 1);
    return values;
}

class SampleProjectTest : public ::testing::Test {
protected:
    SampleProjectTest()
    {
        SessionOptions options;
        options.settingsDirectory = settingsDir.dir();
        options.catalogueDirectory = std::string(TESKA_SOURCE_DATA_DIR) + "/catalogue";
        options.language = "en";
        session = std::make_unique<Session>(host, options);
    }

    // Generates the project NAME.PO1 in the scratch folder and opens it.
    std::vector<std::string> Generate(const SampleOptions& options, const std::string& name = "S")
    {
        const std::vector<std::string> written
            = WriteSampleProject(BuildSampleProject(options), dir.file(name + ".PO1"));
        state = ProjectState{};
        state.ProjectDirectory = dir.dir();
        state.ProjectBaseName = name;
        state.ProjectPath = dir.file(name + ".PO1");
        OpeningContext context(host);
        outcome = OpenProject(state, context, false).Outcome;
        return written;
    }

    std::vector<ListKey> Offered(int target)
    {
        const auto keys = BuildListCandidates(OfferStateFor(state, target, 90070, &host), session->catalogue);
        if (!keys) {
            ADD_FAILURE() << "no offer for target " << target;
            return {};
        }
        return *keys;
    }

    // Reads every offered result list that has a result case; returns the
    // keys read.
    std::set<std::string> ReadAllOffered()
    {
        std::set<std::string> read;
        const ResultContext context{
            state.ProjectDirectory, state.ProjectBaseName, state.AnalysisMethod, state.DesignCode, nullptr};
        for (const ListKey& key : Offered(2)) {
            if (!HasResultCase(*session, key))
                continue;
            ResultTable table;
            short result = -1;
            try {
                result = ReadResultList(*session, context, key, &window, table);
            } catch (const RuntimeError& e) {
                ADD_FAILURE() << ListKeyText(key) << ": " << e.what();
                continue;
            }
            EXPECT_EQ(result, 0) << "method " << state.AnalysisMethod << ", list " << ListKeyText(key);
            EXPECT_GT(table.RowCount(), 0) << ListKeyText(key);
            EXPECT_GT(table.ColumnCount(), 0) << ListKeyText(key);
            read.insert(ListKeyText(key));
        }
        return read;
    }

    test::ScratchDir dir, settingsDir;
    RecordingHost host;
    std::unique_ptr<Session> session;
    QuietWindow window;
    ProjectState state;
    OpenOutcome outcome = OpenOutcome::Failed;
};

TEST_F(SampleProjectTest, PlateMethodOneOffersTheFullSetWithinOnePrintRun)
{
    SampleOptions options;
    options.NodesX = 9;
    options.NodesY = 6;
    options.Borings = 3;
    Generate(options);
    ASSERT_EQ(outcome, OpenOutcome::Opened);
    EXPECT_TRUE(state.DesignSwitch2); // slab mark "J"
    EXPECT_TRUE(state.ResultSwitch7); // punching points in .PPU
    EXPECT_EQ(state.DesignCode, "EC 2");
    // Print runs take at most 18 lists; every result list of the project
    // fits into one.
    EXPECT_EQ(Offered(4).size(), 18u);
    const std::set<std::string> read = ReadAllOffered();
    // Plate results, beams, reactions, design, punching, three settlement
    // pairs, the three coefficient matrices, bearing pressures.
    for (const char* key : {"138", "90098", "90048", "139", "140", "141", "160010", "160008", "160009", "142",
             "90049", "80045", "90103", "90163", "90105", "150"})
        EXPECT_EQ(read.count(key), 1u) << key;
    EXPECT_EQ(read.size(), 19u); // and the three coefficient lists
}

TEST_F(SampleProjectTest, PlaneMethodsOfferOnlyTheirOwnLists)
{
    SampleOptions options;
    options.Method = 21;
    options.NodesX = 6;
    options.NodesY = 3;
    Generate(options, "FRAME");
    ASSERT_EQ(outcome, OpenOutcome::Opened);
    EXPECT_EQ(ReadAllOffered(), (std::set<std::string>{"80006", "160008", "160009", "90046", "142"}));
    options.Method = 22;
    Generate(options, "SECTION");
    ASSERT_EQ(outcome, OpenOutcome::Opened);
    EXPECT_FALSE(state.ResultSwitch4); // the section has no beams
    EXPECT_FALSE(std::filesystem::exists(dir.file("SECTION.GL1")));
    EXPECT_EQ(ReadAllOffered(), (std::set<std::string>{"90046", "90183", "90184", "142"}));
}

TEST_F(SampleProjectTest, ContactPressureIsSubgradeModulusTimesSettlement)
{
    SampleOptions options;
    options.NodesX = 8;
    options.NodesY = 6;
    options.Seed = 7;
    const SampleProject project = BuildSampleProject(options);
    WriteSampleProject(project, dir.file("P.PO1"));
    const std::int32_t n = 48;
    FieldReader pl6 = FieldReader::FromFile(dir.file("P.PL6"));
    ASSERT_EQ(ReadNodeCountFile(pl6), n);
    const std::vector<float> w = ReadValues(dir.file("P.PH1"), n);
    const std::vector<float> p = ReadValues(dir.file("P.PH2"), n);
    const std::vector<float> ks = ReadValues(dir.file("P.PW1"), n);
    const std::vector<float> su = ReadValues(dir.file("P.PH8"), n);
    const std::vector<float> qu = ReadValues(dir.file("P.PH9"), n);
    for (std::size_t k = 0; k < w.size(); ++k) {
        EXPECT_FLOAT_EQ(ks[k], static_cast<float>(project.Slab.ks));
        EXPECT_NEAR(p[k], ks[k] * w[k], 1e-5 * std::fabs(p[k])) << "node " << k + 1;
        // The uniform part: su = q / ks and qu = q everywhere, below the
        // total under downward loads.
        EXPECT_FLOAT_EQ(su[k], static_cast<float>(project.Slab.q / project.Slab.ks));
        EXPECT_FLOAT_EQ(qu[k], static_cast<float>(project.Slab.q));
        EXPECT_GT(w[k], su[k] * 0.5f);
    }
    // The third settlement pair is the column part: s3 = w - su.
    const std::vector<float> s3 = ReadValues(dir.file("P.PV1"), n);
    for (std::size_t k = 0; k < w.size(); ++k)
        EXPECT_NEAR(s3[k], w[k] - su[k], 1e-6) << "node " << k + 1;
}

TEST_F(SampleProjectTest, AboveThreeThousandNodesNoCoefficientMatrices)
{
    // 60 x 51 = 3060 nodes.
    SampleOptions options;
    options.NodesX = 60;
    options.NodesY = 51;
    const std::vector<std::string> written = Generate(options);
    ASSERT_EQ(outcome, OpenOutcome::Opened);
    EXPECT_EQ(state.Options[8], 4);
    EXPECT_TRUE(state.ResultSwitch15);
    for (const char* ext : {".PD1", ".PD2", ".PE1"}) {
        EXPECT_FALSE(std::filesystem::exists(dir.file(std::string("S") + ext))) << ext;
        EXPECT_EQ(std::count(written.begin(), written.end(), ext), 0) << ext;
    }
    for (const ListKey& key : Offered(2))
        EXPECT_FALSE(std::holds_alternative<std::string>(key)) << ListKeyText(key);
    ReadAllOffered();
}

TEST_F(SampleProjectTest, AtThreeThousandNodesTheMatricesAreSquareOverTheNodes)
{
    SampleOptions options;
    options.NodesX = 4;
    options.NodesY = 3;
    Generate(options);
    EXPECT_EQ(state.Options[8], 1);
    EXPECT_EQ(ProjectOptionsFor(1, 3000)[8], 1);
    EXPECT_EQ(ProjectOptionsFor(1, 3001)[8], 4);
    FieldReader in = FieldReader::FromFile(dir.file("S.PD1"));
    const std::int32_t order = ReadMatrixOrder(in, 12);
    ASSERT_EQ(order, 12);
    std::vector<float> matrix(144);
    ReadMatrixValues(in, order, matrix.data());
    // Ce is diagonal: the springs of one node do not settle another.
    for (std::int32_t i = 0; i < 12; ++i) {
        for (std::int32_t j = 0; j < 12; ++j) {
            if (i != j) {
                EXPECT_EQ(matrix[static_cast<std::size_t>(i * 12 + j)], 0.0f) << i << "," << j;
            }
        }
    }
    EXPECT_GT(matrix[0], 0.0f);
}

TEST_F(SampleProjectTest, SameSeedSameFilesOtherSeedOtherValues)
{
    SampleOptions options;
    options.NodesX = 5;
    options.NodesY = 4;
    WriteSampleProject(BuildSampleProject(options), dir.file("A.PO1"));
    WriteSampleProject(BuildSampleProject(options), dir.file("B.PO1"));
    options.Seed = 2;
    WriteSampleProject(BuildSampleProject(options), dir.file("C.PO1"));
    EXPECT_EQ(test::readFile(dir.file("A.PH1")), test::readFile(dir.file("B.PH1")));
    EXPECT_EQ(test::readFile(dir.file("A.BAU")), test::readFile(dir.file("B.BAU")));
    EXPECT_NE(test::readFile(dir.file("A.PH1")), test::readFile(dir.file("C.PH1")));
}

} // namespace
} // namespace teska::sample
