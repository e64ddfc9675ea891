// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The closed-form slab model of the sample generator against values worked
// out by hand, and the generator's command line: options, ranges, exit
// codes and the messages of usage and write errors.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>

#include "support/TestSupport.h"
#include "teska-sample/SampleCommandLine.h"
#include "teska-sample/SlabModel.h"

namespace teska::sample {
namespace {

// E = 3e7 kN/m2, h = 0.5 m, nu = 0.2, ks = 2e4 kN/m3, q = 15 kN/m2 and one
// column of 1000 kN at (6, 4.5), the middle of the 12 x 9 m slab:
//   D = 3e7 * 0.125 / (12 * 0.96) = 325520.83 kNm
//   l = (D / ks)^(1/4) = 2.008571 m
SlabParameters OneColumn()
{
    SlabParameters s;
    s.Columns.push_back({6.0, 4.5, 1000.0, 0.4, 0.4});
    return s;
}

TEST(SampleModel, PeakUnderTheColumnAndFarFromIt)
{
    SlabParameters s = OneColumn();
    EXPECT_NEAR(FlexuralRigidity(s), 325520.83, 0.01);
    EXPECT_NEAR(CharacteristicLength(s), 2.008571, 1e-6);
    const PlateResult r = EvaluatePlate(s, 6.0, 4.5);
    // w = q/ks + P / (8 sqrt(D ks)) = 0.00075 + 1000 / 645500.8 = 0.0022992
    EXPECT_NEAR(r.w, 0.0022992, 1e-7);
    EXPECT_NEAR(r.su, 0.00075, 1e-12);
    EXPECT_DOUBLE_EQ(r.p, 2.0e4 * r.w);
    EXPECT_DOUBLE_EQ(r.qu, 15.0);
    // f''(0) = -1 gives mx = my = (1 + nu) P / 8 = 150 kNm/m, bottom in
    // tension; no twist, slopes or shear at the centre.
    EXPECT_NEAR(r.mx, 150.0, 1e-9);
    EXPECT_NEAR(r.my, 150.0, 1e-9);
    EXPECT_NEAR(r.mxy, 0.0, 1e-9);
    EXPECT_NEAR(r.ThetaX, 0.0, 1e-15);
    EXPECT_NEAR(r.Qx, 0.0, 1e-12);
    // The slope points the way the slab settles less: Theta y = -dw/dx > 0.
    EXPECT_GT(EvaluatePlate(s, 7.0, 4.5).ThetaY, 0.0);
    // Far from the columns only the uniform load.
    s.Columns[0].X = 1000.0;
    const PlateResult far = EvaluatePlate(s, 0.0, 0.0);
    EXPECT_NEAR(far.w, 15.0 / 2.0e4, 1e-12);
    EXPECT_NEAR(far.mx, 0.0, 1e-9);
}

TEST(SampleModel, PunchingPerimeterAndArea)
{
    // Dp = 0.45, a = 1.5 Dp = 0.675: AL = 2 (0.4 + 0.4) + 2 pi 0.675 =
    // 5.841150; PA = 0.16 + 2 * 0.8 * 0.675 + pi 0.675^2 = 2.671388.
    const SlabParameters s = OneColumn();
    const PunchingCheck c = PunchingAt(s, s.Columns[0]);
    EXPECT_NEAR(c.Dp, 0.45, 1e-12);
    EXPECT_NEAR(c.AL, 5.841150, 1e-6);
    EXPECT_NEAR(c.PA, 2.671388, 1e-6);
    EXPECT_NEAR(c.Qo, 2.0e4 * 0.0022992, 0.01);
    // k = min(2, 1 + sqrt(200 / 450)) = 1.666667; vRd = 0.12 k 15^(1/3)
    // = 0.493242 MN/m2 = 493.242 kN/m2.
    EXPECT_NEAR(c.Resistance, 493.242, 1e-3);
    // Qp = (1000 - 45.98 * 2.671388) / (5.841150 * 0.45) = 333.7 kN/m2.
    EXPECT_NEAR(c.Qp, (1000.0 - c.Qo * c.PA) / (5.841150 * 0.45), 1e-4);
    EXPECT_NEAR(c.Qp, 333.7, 0.1);
    EXPECT_NEAR(c.Rpa, c.Qp / c.Resistance * 100.0, 1e-9);
}

TEST(SampleModel, ReinforcementFollowsTheMomentSign)
{
    // Lever 0.9 (0.5 - 0.05) = 0.405 m, steel 43.5 kN/cm2: 150 kNm/m at the
    // bottom needs 150 / 17.6175 = 8.51426 cm2/m, nothing at the top.
    const SlabParameters s = OneColumn();
    PlateResult r;
    r.mx = 150.0;
    r.my = -60.0;
    const Reinforcement a = ReinforcementFor(s, r);
    EXPECT_NEAR(a.BotX, 8.51426, 1e-5);
    EXPECT_EQ(a.TopX, 0.0);
    EXPECT_NEAR(a.TopY, 60.0 / (0.405 * 43.5), 1e-9);
    EXPECT_EQ(a.BotY, 0.0);
}

TEST(SampleModel, PlaneSectionStressesAcrossTheThickness)
{
    const SlabParameters s = OneColumn();
    const PlateResult plate = EvaluatePlate(s, 6.0, 4.5);
    // Bottom fibre (z = h/2): Sigma_x = 12 mx (h/2) / h^3 = 6 mx / h^2,
    // Sigma_z = -p (the soil); top fibre: -6 mx / h^2 and -q.
    const PlaneResult bottom = EvaluatePlane(s, 6.0, 4.5, 0.25);
    const PlaneResult top = EvaluatePlane(s, 6.0, 4.5, -0.25);
    EXPECT_NEAR(bottom.Sx, 6.0 * 150.0 / 0.25, 1e-6);
    EXPECT_NEAR(top.Sx, -3600.0, 1e-6);
    EXPECT_NEAR(bottom.Sz, -plate.p, 1e-9);
    EXPECT_NEAR(top.Sz, -15.0, 1e-9);
    // No shear at the faces.
    EXPECT_NEAR(EvaluatePlane(s, 7.0, 4.5, 0.25).Txz, 0.0, 1e-9);
    EXPECT_NE(EvaluatePlane(s, 7.0, 4.5, 0.0).Txz, 0.0);
    EXPECT_NEAR(bottom.Ex, (bottom.Sx - 0.2 * bottom.Sz) / 3.0e7, 1e-15);
}

// ---- command line ------------------------------------------------------------

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

TEST(SampleCommandLine, OptionsAndDefaults)
{
    const SampleCommandLine d = ParseSampleArguments({"out/X.PO1"});
    EXPECT_EQ(d.Options.Method, 1);
    EXPECT_EQ(d.Options.NodesX, 21);
    EXPECT_EQ(d.Options.NodesY, 15);
    EXPECT_EQ(d.ProjectPath, "out/X.PO1");
    const SampleCommandLine c = ParseSampleArguments(
        {"--method", "21", "--nodes", "30", "4", "--borings", "5", "--seed", "4294967295", "P.PO1"});
    EXPECT_EQ(c.Options.Method, 21);
    EXPECT_EQ(c.Options.NodesX, 30);
    EXPECT_EQ(c.Options.NodesY, 4);
    EXPECT_EQ(c.Options.Borings, 5);
    EXPECT_EQ(c.Options.Seed, 4294967295u);
}

TEST(SampleCommandLine, UsageErrorsExitTwoAndSayWhy)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "no project file"},
        {{"--method", "23", "X.PO1"}, "--method must be 1 to 22"},
        {{"--method", "x1", "X.PO1"}, "needs a whole number"},
        {{"--nodes", "1", "5", "X.PO1"}, "--nodes must be 2"},
        {{"--nodes", "5"}, "--nodes needs a value"},
        {{"--nodes", "3000", "3000", "X.PO1"}, "more than 4000000"},
        {{"--borings", "0", "X.PO1"}, "--borings must be 1 to 20"},
        {{"--frobnicate", "X.PO1"}, "unknown option"},
        {{"X.PO1", "Y.PO1"}, "only one project file"},
        {{"X.po1"}, "must be named NAME.PO1"},
        {{"dir/.PO1"}, "must be named NAME.PO1"},
    };
    for (const auto& [args, message] : cases) {
        std::string err;
        EXPECT_EQ(RunTool(args, nullptr, &err), 2) << message;
        EXPECT_NE(err.find(message), std::string::npos) << err;
        EXPECT_NE(err.find("Usage: teska-sample"), std::string::npos);
    }
}

TEST(SampleCommandLine, HelpAndVersion)
{
    std::string out;
    EXPECT_EQ(RunTool({"--help"}, &out), 0);
    EXPECT_NE(out.find("Above 3000 nodes no coefficient matrices"), std::string::npos);
    EXPECT_NE(out.find("option 9 is set to 4"), std::string::npos);
    EXPECT_EQ(RunTool({"--version"}, &out), 0);
    EXPECT_EQ(out.rfind("teska-sample ", 0), 0u) << out;
}

TEST(SampleCommandLine, WritesTheProjectAndListsItsFiles)
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
}

} // namespace
} // namespace teska::sample
