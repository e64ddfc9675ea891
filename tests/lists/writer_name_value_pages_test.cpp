// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A name/value table longer than the rest of the page goes on after a page
// break; once its rows ran past the bottom margin (the design parameters
// on a short page).

#include "writer_fixture_test.h"

namespace teska::test {
namespace {

TEST_F(WriterTest, NameValueRowsBeyondTheBottomMarginGoOnTheNextPage)
{
    // 12-line pages, bottom margin 1: rows 1 to 11 fill the page.
    for (int r = 1; r <= 14; ++r)
        writer->AddNameValueRow(std::string("R") + std::to_string(r), "s", "[-]", std::to_string(r), "");
    writer->FlushNameValueRows();
    const std::vector<std::string> lines = SplitLines(state.ListText);
    ASSERT_EQ(lines.size(), 19u) << state.ListText;
    EXPECT_EQ(lines[10].substr(0, 5), "  R11");
    // Padded to 12 lines, then the next page's top margin and header.
    EXPECT_EQ(lines[11], "");
    EXPECT_EQ(lines[12], "");
    EXPECT_EQ(lines[14], "  Moments" + Sp(25) + "Page 1");
    // Labels up to 3 wide, gap 8: "R12" padded to 11, then "s [-] = 12".
    EXPECT_EQ(lines[16], "  R12" + Sp(8) + "s [-] = 12");
    EXPECT_EQ(lines[18].substr(0, 5), "  R14");
    EXPECT_EQ(state.LineOnPage, 7);
}

} // namespace
} // namespace teska::test
