// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture engine on a 2 x 2-element slab worked out by hand: the
// interpolation over the split quadrilaterals, the bands, their limit texts
// and colours, the pieces of a triangle, and the look-ups.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "lists/picture/ResultPicture.h"

namespace teska {
namespace {

// Nodes 1..9 on the grid x, y in {0, 1, 2}, row by row; four quadrilaterals,
// each split into four triangles about its centre, which takes the mean of
// its corners. Element 1 (1 2 5 4: -20, 0, 40, 0) has the centre value 5:
//   bottom 1-2-c: v = -20 + 20x + 30y      right 2-5-c: v = -30 + 30x + 40y
// element 4 (5 6 9 8: 40, 20, 60, 20) has the centre value 35:
//   bottom 5-6-c: v = 50 - 20x + 10y       right 6-9-c: v = -40 + 10x + 40y
// Range -20..60: the first step with at most 16 bands is 5 (step 4 gives
// 20), so 16 bands from -20 to 60 with zero a limit.
ResultPicture HandSlab()
{
    // X, Y, values, elements, the kept row of each node (node 2's row was
    // all zero), pattern, title.
    return ResultPicture::Make(
        {{0, 1, 2, 0, 1, 2, 0, 1, 2}, {0, 0, 0, 1, 1, 1, 2, 2, 2}, {-20, 0, 20, 0, 40, 20, 0, 20, 60},
            {{1, 2, 5, 4}, {2, 3, 6, 5}, {4, 5, 8, 7}, {5, 6, 9, 8}, {1, 2, 0, 0}},
            {1, 0, 2, 3, 4, 5, 6, 7, 8}, "0.0", "Moments: mx", "", ""});
}

double Luminance(std::uint32_t rgb)
{
    auto linear = [](std::uint32_t c) {
        const double s = c / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(rgb >> 16 & 0xFF) + 0.7152 * linear(rgb >> 8 & 0xFF) + 0.0722 * linear(rgb & 0xFF);
}

TEST(PictureEngine, HandWorkedSlab)
{
    const ResultPicture pic = HandSlab();
    EXPECT_EQ(pic.ElementCount(), 4); // the two-node element takes no area
    EXPECT_EQ(pic.Triangles().size(), 16u);
    EXPECT_EQ(pic.Outline().size(), 8u);
    EXPECT_EQ(pic.Edges().size(), 12u);

    ASSERT_EQ(pic.Bands().size(), 16u);
    EXPECT_TRUE(pic.Diverging());
    EXPECT_EQ(pic.Bands().front().LowerText, "-20.0");
    EXPECT_EQ(pic.Bands()[4].LowerText, "0.0");
    EXPECT_EQ(pic.Bands()[4].UpperText, "5.0");
    EXPECT_EQ(pic.Bands().back().UpperText, "60.0");

    struct Sample {
        double x, y;
        double value;
        int band;
    };
    const Sample samples[] = {
        {0.5, 0.2, -4, 3}, // 1-2-c: -20 + 10 + 6
        {0.8, 0.3, 6, 5}, // 2-5-c: -30 + 24 + 12
        {0.5, 0.5, 5, 5}, // the centre, on the limit 5: the band above
        {1.5, 1.2, 32, 10}, // 5-6-c: 50 - 30 + 12
        {1.8, 1.5, 38, 11}, // 6-9-c: -40 + 18 + 60
        {2, 2, 60, 15}, // the largest value belongs to the last band
        {0, 0, -20, 0}, {1, 0, 0, 4}, // node 2 on the limit 0: the band above
    };
    for (const Sample& s : samples) {
        SCOPED_TRACE(testing::Message() << s.x << ", " << s.y);
        const std::optional<double> v = pic.ValueAt(s.x, s.y);
        ASSERT_TRUE(v);
        EXPECT_NEAR(*v, s.value, 1e-9);
        EXPECT_EQ(pic.BandOf(*v), s.band);
    }
    EXPECT_FALSE(pic.ValueAt(2.5, 1));

    EXPECT_EQ(pic.NearestNode(1.4, 0.55), 5);
    EXPECT_EQ(pic.NearestNode(-7, 9), 7);
    EXPECT_EQ(pic.Largest().Node, 9);
    EXPECT_EQ(pic.Largest().ValueText, "60.0");
    EXPECT_EQ(pic.Smallest().Node, 1);
    EXPECT_EQ(pic.RowOfNode(2), 0);
    EXPECT_EQ(pic.RowOfNode(9), 8);

    // Equal magnitudes equally light on the two sides; blue below zero.
    const auto& b = pic.Bands();
    EXPECT_NEAR(Luminance(b[3].Color), Luminance(b[4].Color), 0.06);
    EXPECT_NEAR(Luminance(b[0].Color), Luminance(b[7].Color), 0.06);
    EXPECT_GT(b[3].Color & 0xFF, b[3].Color >> 16);
    EXPECT_GT(b[4].Color >> 16, b[4].Color & 0xFF);
    EXPECT_LT(Luminance(b[15].Color), Luminance(b[8].Color));
}

TEST(PictureEngine, PiecesOfATriangle)
{
    // Values 0, 10, 0 at (0,0), (1,0), (0,1): v = 10x, cut at x = 0.5.
    std::vector<BandPiece> pieces;
    ClipTriangle(
        {PicturePoint{0, 0}, PicturePoint{1, 0}, PicturePoint{0, 1}}, {0, 10, 0}, {0, 5, 10}, pieces);
    ASSERT_EQ(pieces.size(), 2u);
    auto area = [](const BandPiece& p) {
        double a = 0;
        for (int i = 0; i < p.CornerCount; ++i) {
            const PicturePoint& u = p.Corners[static_cast<std::size_t>(i)];
            const PicturePoint& w = p.Corners[static_cast<std::size_t>((i + 1) % p.CornerCount)];
            a += u.X * w.Y - w.X * u.Y;
        }
        return std::abs(a) / 2;
    };
    EXPECT_EQ(pieces[0].Band, 0);
    EXPECT_EQ(pieces[0].CornerCount, 4);
    EXPECT_NEAR(area(pieces[0]), 0.375, 1e-12);
    EXPECT_EQ(pieces[1].Band, 1);
    EXPECT_NEAR(area(pieces[1]), 0.125, 1e-12);

    // Three bands through one triangle: the middle piece has five corners
    // at most and the areas add up.
    pieces.clear();
    ClipTriangle(
        {PicturePoint{0, 0}, PicturePoint{4, 0}, PicturePoint{1, 3}}, {0, 8, 5}, {0, 2, 6, 8}, pieces);
    double total = 0;
    for (const BandPiece& p : pieces)
        total += area(p);
    EXPECT_EQ(pieces.size(), 3u);
    EXPECT_NEAR(total, 6, 1e-9);
}

TEST(PictureEngine, BandLimits)
{
    // Texts of two decimals: the limits must be whole hundredths.
    const auto distinct2 = [](double a, double b) {
        return std::abs(a * 100 - std::round(a * 100)) < 1e-6
            && std::abs(b * 100 - std::round(b * 100)) < 1e-6;
    };
    struct Case {
        double min, max;
        double step; // expected step, 0: only the 10..16 rule
    };
    const Case cases[] = {{-20, 60, 5}, {0, 1, 0.08}, {-3.7, 12.9, 0}, {100, 101.3, 0.1},
        {-0.004, 0.002, 0.0004}, {0.3, 0.7, 0.025}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.min << ".." << c.max);
        const std::vector<double> l = NiceBandLimits(c.min, c.max);
        const auto bands = l.size() - 1;
        EXPECT_GE(bands, 10u);
        EXPECT_LE(bands, 16u);
        EXPECT_LE(l.front(), c.min);
        EXPECT_GE(l.back(), c.max);
        const double step = l[2] - l[1];
        EXPECT_NEAR(step, c.step > 0 ? c.step : step, step * 1e-9);
        const bool zeroLimit
            = std::find_if(l.begin(), l.end(), [](double x) { return std::abs(x) < 1e-12; }) != l.end();
        EXPECT_TRUE(zeroLimit || c.min >= 0 || c.max <= 0);
    }
    // Two decimals cannot show 0.001 or 0.002: a step of 0.01.
    const std::vector<double> coarse = NiceBandLimits(0.001, 0.003, distinct2);
    ASSERT_EQ(coarse.size(), 2u);
    EXPECT_NEAR(coarse[1] - coarse[0], 0.01, 1e-12);
    EXPECT_EQ(NiceBandLimits(7, 7).size(), 2u);

    // Sequential: darker with each band of larger magnitude, also for
    // negative results.
    for (const std::vector<double>& limits : {std::vector<double>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
             std::vector<double>{-10, -8, -6, -4, -2, 0}}) {
        const std::vector<std::uint32_t> colors = BandColors(limits, false);
        for (std::size_t i = 0; i + 1 < colors.size(); ++i)
            EXPECT_NE(Luminance(colors[i]) > Luminance(colors[i + 1]), limits[i] < 0) << i;
    }
}

TEST(PictureEngine, BadInputNamesThePlace)
{
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        std::vector<float> x, values;
        std::array<std::int32_t, 4> element;
        const char* message;
    };
    const Case cases[] = {
        {{0, 1, 0}, {1, 2, 3}, {1, 2, 4, 0}, "element 2: node 4 is not among the 3 nodes"},
        {{0, inf, 0}, {1, 2, 3}, {1, 2, 3, 0}, "node 2: the coordinate x is not a finite number"},
        {{0, 1, 0}, {1, 2, std::nanf("")}, {1, 2, 3, 0}, "node 3: the value is not a finite number"},
    };
    for (const Case& c : cases) {
        try {
            ResultPicture::Make(
                {c.x, {0, 0, 1}, c.values, {{1, 2, 3, 0}, c.element}, {}, "0.00", "", "", ""});
            ADD_FAILURE() << "no error: " << c.message;
        } catch (const std::invalid_argument& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

} // namespace
} // namespace teska
