// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// teska-sample as its users rely on it (that every method's project opens
// and prints every offered list, the all-lists test shows; what each kind
// of project offers, the report runs): the command line and its messages,
// the values standing where the lists read them, the matrices left out of
// large meshes, and the seed reproducing the files.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "project/input/InputFiles.h"
#include "project/io/FieldReader.h"
#include "project/io/RecordFile.h"
#include "support/TestSupport.h"
#include "teska-sample/SampleCommandLine.h"
#include "teska-sample/SampleProject.h"

namespace teska::sample {
namespace {

int RunTool(const std::vector<std::string>& args, std::string* out = nullptr, std::string* err = nullptr)
{
    std::ostringstream o, e;
    const int rc = RunSample(args, o, e);
    if (out)
        *out = o.str();
    if (err)
        *err = e.str();
    return rc;
}

TEST(SampleCommandLine, UsageErrorsExitTwoAndSayWhy)
{
    const auto table = test::TableRows("tools/sample_usage.tsv", 2);
    ASSERT_GT(table.size(), 10u);
    for (const std::vector<std::string>& f : table) {
        std::vector<std::string> args;
        std::istringstream words(f[0] == "-" ? "" : f[0]);
        for (std::string word; words >> word;)
            args.push_back(word);
        std::string err;
        EXPECT_EQ(RunTool(args, nullptr, &err), 2) << f[1];
        EXPECT_NE(err.find(f[1]), std::string::npos) << err;
        EXPECT_NE(err.find("Usage: teska-sample"), std::string::npos);
    }
    std::string out;
    EXPECT_EQ(RunTool({"--help"}, &out), 0);
    EXPECT_NE(out.find("Above 3000 nodes no coefficient matrices"), std::string::npos);
    EXPECT_EQ(RunTool({"--version"}, &out), 0);
    EXPECT_EQ(out.rfind("teska-sample ", 0), 0u) << out;
}

TEST(SampleCommandLine, WritesTheProjectListsItsFilesAndFollowsTheSeed)
{
    test::ScratchDir dir;
    std::string out;
    ASSERT_EQ(RunTool({"--nodes", "3", "2", "--method", "22", dir.file("sub/P.PO1")}, &out), 0);
    EXPECT_TRUE(std::filesystem::exists(dir.file("sub/P.PO1")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("sub/P.S_X")));
    EXPECT_NE(out.find("6 nodes"), std::string::npos) << out;
    EXPECT_NE(out.find(".S_X"), std::string::npos) << out;
    // A folder where the project file should be cannot be replaced.
    const std::string blocked = dir.file("BLOCK.PO1");
    std::filesystem::create_directory(blocked);
    std::string err;
    EXPECT_EQ(RunTool({"--nodes", "3", "3", blocked}, nullptr, &err), 1);
    EXPECT_NE(err.find(blocked), std::string::npos) << err;
    // The same seed gives the same files, another seed other values.
    for (const char* name : {"A.PO1", "B.PO1"})
        ASSERT_EQ(RunTool({"--nodes", "5", "4", dir.file(name)}, &out), 0);
    ASSERT_EQ(RunTool({"--nodes", "5", "4", "--seed", "2", dir.file("C.PO1")}, &out), 0);
    EXPECT_EQ(test::readFile(dir.file("A.PH1")), test::readFile(dir.file("B.PH1")));
    EXPECT_EQ(test::readFile(dir.file("A.BAU")), test::readFile(dir.file("B.BAU")));
    EXPECT_NE(test::readFile(dir.file("A.PH1")), test::readFile(dir.file("C.PH1")));
}

// The values stand where the data list and the pile group summary read
// them; once the generator wrote the soil layers, the beam section and the
// pile results in other orders, and each list printed them under the
// wrong captions.
TEST(SampleProjectFiles, SoilBeamAndPileValuesInTheOrderTheListsRead)
{
    test::ScratchDir dir;
    SampleOptions options;
    options.NodesX = 6;
    options.NodesY = 4;
    const SampleProject project = BuildSampleProject(options);
    WriteSampleProject(project, dir.file("F.PO1"));
    const SoilFileBAU soil = ReadSoilFileBAU(RecordFile::FromFile(dir.file("F.BAU")));
    EXPECT_FLOAT_EQ(soil.Records1To3[0], 0.2f); // limit-depth coefficient
    const Boring& model = project.Borings[0];
    const BoringBAU& boring = soil.Borings[0];
    ASSERT_EQ(boring.Layers.size(), model.Layers.size());
    double top = 0;
    for (std::size_t j = 0; j < boring.Layers.size(); ++j) {
        const SoilLayer& l = model.Layers[j];
        SCOPED_TRACE("layer " + std::to_string(j + 1));
        // Thickness, Es, E, Nue, Cc; eo, Gama; Fhi, c.
        EXPECT_NEAR(boring.Layers[j][0], l.Bottom - top, 1e-5);
        EXPECT_FLOAT_EQ(boring.Layers[j][1], static_cast<float>(l.Es));
        EXPECT_LT(boring.Layers[j][2], l.Es);
        EXPECT_FLOAT_EQ(boring.Layers[j][3], static_cast<float>(l.Nu));
        EXPECT_FLOAT_EQ(boring.Layers[j][4], static_cast<float>(l.Cc));
        EXPECT_EQ(boring.LayerEntries[j],
            (std::array<float, 2>{static_cast<float>(l.Eo), static_cast<float>(l.Gamma)}));
        EXPECT_EQ(boring.LayerEntries2[j],
            (std::array<float, 2>{static_cast<float>(l.Phi), static_cast<float>(l.C)}));
        top = l.Bottom;
    }
    // The beam section: E, G, height, width.
    FieldReader gl1 = FieldReader::FromFile(dir.file("F.GL1"));
    const DataFileGL1 beams = ReadDataFileGL1(gl1);
    ASSERT_EQ(beams.ItemsB.size(), 1u);
    EXPECT_FLOAT_EQ(beams.ItemsB[0][0], static_cast<float>(project.Slab.E));
    EXPECT_LT(beams.ItemsB[0][1], beams.ItemsB[0][0]);
    EXPECT_GT(beams.ItemsB[0][2], beams.ItemsB[0][3]); // 1.0 m high, 0.5 m wide
    // Pile results: force = stiffness x head settlement (cm); skin + tip =
    // total; head + (foot - head) = foot.
    FieldReader qp2 = FieldReader::FromFile(dir.file("F.QP2")),
                qp3 = FieldReader::FromFile(dir.file("F.QP3"));
    const DataFileQP2 forces = ReadDataFileQP2(qp2);
    const DataFileQP3 resistances = ReadDataFileQP3(qp3);
    ASSERT_EQ(forces.Items.size(), resistances.Items.size());
    for (std::size_t i = 0; i < forces.Items.size(); ++i) {
        const auto& f = forces.Items[i];
        const auto& r = resistances.Items[i];
        EXPECT_NEAR(f[0], f[2] * f[1] / 100.0f, 1e-3 * f[0]) << "pile " << i + 1;
        EXPECT_NEAR(r[0] + r[1], r[2], 1e-3 * r[2]) << "pile " << i + 1;
        EXPECT_FLOAT_EQ(r[2], f[0]);
        EXPECT_FLOAT_EQ(r[3], f[1]);
        EXPECT_NEAR(r[3] + r[4], r[5], 1e-6) << "pile " << i + 1;
    }
}

// Above 3000 nodes the coefficient matrices are neither written nor offered
// (the offer: tools/offered_large.txt of the report runs).
TEST(SampleProjectFiles, AboveThreeThousandNodesNoCoefficientMatrices)
{
    EXPECT_EQ(ProjectOptionsFor(1, 3000)[8], 1);
    EXPECT_EQ(ProjectOptionsFor(1, 3001)[8], 4);
    test::ScratchDir dir;
    SampleOptions options;
    options.NodesX = 60;
    options.NodesY = 51;
    const std::vector<std::string> written
        = WriteSampleProject(BuildSampleProject(options), dir.file("S.PO1"));
    for (const char* ext : {".PD1", ".PD2", ".PE1"}) {
        EXPECT_FALSE(std::filesystem::exists(dir.file(std::string("S") + ext))) << ext;
        EXPECT_EQ(std::count(written.begin(), written.end(), ext), 0) << ext;
    }
}

} // namespace
} // namespace teska::sample
