// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Faults that no other test caught: a node load on node 0, a reopened
// project shown twice in the recent-files menu.

#include <gtest/gtest.h>

#include "project/data/ProjectData.h"
#include "project/io/FieldReader.h"
#include "project/opening/RecentFiles.h"
#include "suite/SettingsStore.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

TEST(LoadFile, ANodeLoadOnNodeZeroNamesItsLine)
{
    FieldReader in("S.LDS", "TESKA-LDS\r\n1\r\n\"A\",1,#TRUE#,1,0\r\n0,1,0,0\r\n");
    EXPECT_EQ(test::FormatErrorLine("S.LDS", [&] { ReadLoadFile(in); }), 4u);
}

TEST(RecentFileMenu, AReopenedProjectMovesUpAndShowsOnce)
{
    SettingsStore store;
    RecentFileTable records;
    for (const char* path : {"/p/1.PO1", "/p/2.PO1", "/p/1.PO1"})
        AddRecentFile(store, path, records);
    EXPECT_EQ(records[0].Caption, "&1 /p/1.PO1");
    EXPECT_EQ(records[1].Caption, "&2 /p/2.PO1");
    EXPECT_FALSE(records[2].Visible);
}

} // namespace
} // namespace teska
