// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Page settings: the margins file, the print options and their page
// numbering, and the settings file that holds the options.

#include <gtest/gtest.h>

#include "lists/Session.h"
#include "lists/page/PageLayout.h"
#include "lists/page/PrintOptions.h"
#include "suite/Errors.h"
#include "suite/Host.h"
#include "suite/SettingsStore.h"
#include "support/TestSupport.h"

namespace teska::test {
namespace {

class PageLayoutTest : public ::testing::Test {
protected:
    PageLayoutTest()
    {
        SessionOptions options;
        options.settingsDirectory = dir.dir();
        options.language = "en";
        session = std::make_unique<Session>(host, options);
    }
    PageLayout Load()
    {
        FileServices services = session->services();
        PageLayout layout{9, 9, 9};
        LoadPageLayout(services, session->file, layout, dir.dir());
        return layout;
    }
    static void ExpectDefaults(const PageLayout& layout)
    {
        EXPECT_EQ(layout.LeftMargin, 5);
        EXPECT_EQ(layout.TopMargin, 2);
        EXPECT_EQ(layout.BottomMargin, 2);
    }

    ScratchDir dir;
    RecordingHost host;
    std::unique_ptr<Session> session;
};

TEST_F(PageLayoutTest, MissingFileGivesTheDefaultsQuietly)
{
    ExpectDefaults(Load());
    EXPECT_TRUE(host.errors.empty());
}

TEST_F(PageLayoutTest, ReadsThreeNumbersWithBlanksAndEitherLineEnd)
{
    writeFile(dir.file("PAGELAYO.LST"), "7\r\n 0 \n3\r\n");
    const PageLayout layout = Load();
    EXPECT_EQ(layout.LeftMargin, 7);
    EXPECT_EQ(layout.TopMargin, 0);
    EXPECT_EQ(layout.BottomMargin, 3);
    EXPECT_TRUE(host.errors.empty());
    EXPECT_FALSE(session->file.IsOpen());
}

struct BadLayout {
    const char* name;
    const char* content;
};

class BadPageLayoutTest : public PageLayoutTest, public ::testing::WithParamInterface<BadLayout> { };

TEST_P(BadPageLayoutTest, ReportsOnceAndFallsBackToAllDefaults)
{
    writeFile(dir.file("PAGELAYO.LST"), GetParam().content);
    ExpectDefaults(Load());
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_NE(host.errors[0].find("PAGELAYO.LST"), std::string::npos) << host.errors[0];
    EXPECT_FALSE(session->file.IsOpen());
}

INSTANTIATE_TEST_SUITE_P(Faults, BadPageLayoutTest,
    ::testing::Values(BadLayout{"TwoLines", "7\r\n1\r\n"}, BadLayout{"Empty", ""},
        BadLayout{"NotANumber", "7\r\nabc\r\n1\r\n"}, BadLayout{"BeyondSixteenBits", "70000\r\n1\r\n1\r\n"}),
    [](const ::testing::TestParamInfo<BadLayout>& info) { return std::string(info.param.name); });

TEST_F(PageLayoutTest, SaveWritesThreeLinesAndLoadsBack)
{
    FileServices services = session->services();
    const PageLayout saved{12, 0, 4};
    ASSERT_EQ(SavePageLayout(services, session->file, saved, dir.dir()), 0);
    EXPECT_EQ(readFile(dir.file("PAGELAYO.LST")), "12\r\n0\r\n4\r\n");
    const PageLayout loaded = Load();
    EXPECT_EQ(loaded.LeftMargin, 12);
    EXPECT_EQ(loaded.TopMargin, 0);
    EXPECT_EQ(loaded.BottomMargin, 4);
}

TEST_F(PageLayoutTest, SaveIntoAMissingFolderFailsWithAReport)
{
    FileServices services = session->services();
    EXPECT_EQ(SavePageLayout(services, session->file, PageLayout{}, dir.dir() + "absent/"), -1);
    EXPECT_EQ(host.errors.size(), 1u);
}

// --- print options ----------------------------------------------------------

TEST(PrintOptions, DefaultsWhenNothingIsStored)
{
    const PrintOptions options = LoadPrintOptions(SettingsStore{});
    EXPECT_TRUE(options.PrintCompanyHeader);
    EXPECT_TRUE(options.PrintJobData);
    EXPECT_TRUE(options.NumberPages);
    EXPECT_EQ(options.CopyCount, 1);
    EXPECT_EQ(options.FirstPage, 1);
}

TEST(PrintOptions, StoredKeysAndValues)
{
    SettingsStore settings;
    PrintOptions options;
    options.PrintCompanyHeader = false;
    options.NumberPages = true;
    options.FirstPage = 12;
    options.CopyCount = 3;
    SavePrintOptions(settings, options);
    EXPECT_EQ(
        settings.ToText(), "[List frmPlotPage]\nFirma=0\nAuftrag=1\nOptPageNo=True\nNoCopy=3\nNSeite=12\n");
    const PrintOptions back = LoadPrintOptions(settings);
    EXPECT_FALSE(back.PrintCompanyHeader);
    EXPECT_TRUE(back.PrintJobData);
    EXPECT_EQ(back.CopyCount, 3);
    EXPECT_EQ(back.FirstPage, 12);
}

TEST(PrintOptions, PageNumberingRules)
{
    EXPECT_EQ(PageNumberBeforeFirst(true, 1), 0);
    EXPECT_EQ(PageNumberBeforeFirst(true, 5), 4);
    EXPECT_EQ(PageNumberBeforeFirst(false, 5), NoPageNumbers);
    EXPECT_EQ(NextPageNumber(4), 5);
    EXPECT_EQ(NextPageNumber(NoPageNumbers), NoPageNumbers);
    EXPECT_FALSE(PagesNumbered(NoPageNumbers));
    EXPECT_TRUE(PagesNumbered(0));
    // The second copy of a three-page list starting at page 1 goes on at 4.
    EXPECT_EQ(PageNumberAfterPages(0, 3), 3);
    EXPECT_EQ(PageNumberAfterPages(NoPageNumbers, 3), NoPageNumbers);
}

TEST(PrintOptions, UnreadableStoredValuesTakeTheDefaults)
{
    SettingsStore settings;
    settings.Parse("[List frmPlotPage]\nFirma=x\nNoCopy=40000\nNSeite=-7\nOptPageNo=maybe\n", "t.ini");
    const PrintOptions options = LoadPrintOptions(settings);
    EXPECT_TRUE(options.PrintCompanyHeader);
    EXPECT_EQ(options.CopyCount, 1);
    EXPECT_EQ(options.FirstPage, 1);
    EXPECT_TRUE(options.NumberPages);
}

// "True"/"False" in any case or a number; anything else is the fallback.
TEST(PrintOptions, StoredBooleansInEitherForm)
{
    SettingsStore settings;
    settings.Parse("[S]\na=TRUE\nb=false\nc=-1\nd=0\ne=maybe\n", "s.ini");
    EXPECT_TRUE(settings.BoolValue("S", "a", false));
    EXPECT_FALSE(settings.BoolValue("S", "b", true));
    EXPECT_TRUE(settings.BoolValue("S", "c", false));
    EXPECT_FALSE(settings.BoolValue("S", "d", true));
    EXPECT_TRUE(settings.BoolValue("S", "e", true));
    EXPECT_FALSE(settings.BoolValue("S", "absent", false));
}

} // namespace
} // namespace teska::test
