// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The soil data section (140162) across pages: a boring that does not fit
// on one page breaks between its layers.

#include "sections_fixture_test.h"
#include "writer_fixture_test.h"

namespace teska::test {
namespace {

TEST_F(SectionsTest, ABoringLongerThanAPageBreaksBetweenLayers)
{
    // Six layers of nine rows on 40-line pages: once the soil data wrote a
    // boring without a page check and ran past the page end.
    SoilFileBAU soil;
    BoringBAU boring;
    boring.Name = "S1";
    boring.Layers.assign(6, {3, 8, 16, 0.3f, 0.1f});
    boring.LayerEntries.assign(6, {0.7f, 16});
    boring.LayerEntries2.assign(6, {30, 2});
    soil.Borings.push_back(boring);
    Save(".BAU", WriteSoilFileBAU(soil));
    const std::vector<std::string> lines = SplitLines(Written(140162, true));
    ASSERT_GT(lines.size(), 40u);
    EXPECT_EQ(lines[40], ""); // the next page starts with its top margin
    EXPECT_NE(lines[42].find("Page 1"), std::string::npos) << lines[42];
    // Every layer, first row to last, on one page.
    int layers = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind("  Layer ", 0) != 0)
            continue;
        ++layers;
        ASSERT_LT(i + 8, lines.size());
        EXPECT_EQ(lines[i + 8].rfind("  c ", 0), 0u) << lines[i + 8];
        EXPECT_EQ(i / 40, (i + 8) / 40) << lines[i];
    }
    EXPECT_EQ(layers, 6);
}

} // namespace
} // namespace teska::test
