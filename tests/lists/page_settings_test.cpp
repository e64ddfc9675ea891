// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Page settings: the margins file, the print options and their page
// numbering, and the settings file that holds the options.

#include "lists/list_fixture_test.h"
#include "lists/page/PageLayout.h"
#include "lists/page/PrintOptions.h"
#include "suite/Errors.h"
#include "suite/SettingsStore.h"

namespace teska::test {
namespace {

class PageLayoutTest : public ListFixture {
protected:
    PageLayoutTest()
        : ListFixture("", 40, 30, false)
    {
        session->catalogue.setStrict(false);
    }
    PageLayout Load()
    {
        FileServices services = session->services();
        PageLayout layout{9, 9, 9};
        LoadPageLayout(services, session->file, layout, dir.dir());
        return layout;
    }
    // The left, top and bottom margins of the layout read.
    std::vector<int> Margins()
    {
        const PageLayout layout = Load();
        return {layout.LeftMargin, layout.TopMargin, layout.BottomMargin};
    }

    ScratchDir& dir = catalogueDir;
};

// No file gives the defaults quietly; a saved layout is three lines, read
// back with blanks and either line end.
TEST_F(PageLayoutTest, DefaultsSaveAndLoad)
{
    EXPECT_EQ(Margins(), (std::vector<int>{5, 2, 2}));
    FileServices services = session->services();
    ASSERT_EQ(SavePageLayout(services, session->file, PageLayout{12, 0, 4}, dir.dir()), 0);
    EXPECT_EQ(readFile(dir.file("PAGELAYO.LST")), "12\r\n0\r\n4\r\n");
    writeFile(dir.file("PAGELAYO.LST"), "7\r\n 0 \n3\r\n");
    EXPECT_EQ(Margins(), (std::vector<int>{7, 0, 3}));
    EXPECT_TRUE(host.errors.empty());
    EXPECT_FALSE(session->file.IsOpen());
    // Saving into a missing folder fails with a report.
    EXPECT_EQ(SavePageLayout(services, session->file, PageLayout{}, dir.dir() + "absent/"), -1);
    EXPECT_EQ(host.errors.size(), 1u);
}

TEST_F(PageLayoutTest, AFaultyFileIsReportedOnceAndAllDefaultsTaken)
{
    for (const char* content : {"7\r\n1\r\n", "", "7\r\nabc\r\n1\r\n", "70000\r\n1\r\n1\r\n"}) {
        host.errors.clear();
        writeFile(dir.file("PAGELAYO.LST"), content);
        EXPECT_EQ(Margins(), (std::vector<int>{5, 2, 2})) << content;
        ASSERT_EQ(host.errors.size(), 1u) << content;
        EXPECT_NE(host.errors[0].find("PAGELAYO.LST"), std::string::npos) << host.errors[0];
        EXPECT_FALSE(session->file.IsOpen());
    }
}

// --- print options ----------------------------------------------------------

// The stored text of \p options.
std::string Stored(const PrintOptions& options)
{
    SettingsStore settings;
    SavePrintOptions(settings, options);
    return settings.ToText();
}

TEST(PrintOptions, DefaultsStoredKeysAndValuesAndUnreadableOnes)
{
    const std::string defaults
        = "[List frmPlotPage]\nFirma=1\nAuftrag=1\nOptPageNo=True\nNoCopy=1\nNSeite=1\n";
    SettingsStore settings;
    PrintOptions options = LoadPrintOptions(settings);
    EXPECT_EQ(Stored(options), defaults);
    options.PrintCompanyHeader = false;
    options.FirstPage = 12;
    options.CopyCount = 3;
    SavePrintOptions(settings, options);
    EXPECT_EQ(
        settings.ToText(), "[List frmPlotPage]\nFirma=0\nAuftrag=1\nOptPageNo=True\nNoCopy=3\nNSeite=12\n");
    EXPECT_EQ(Stored(LoadPrintOptions(settings)), settings.ToText());
    // Unreadable stored values take the defaults.
    SettingsStore bad;
    bad.Parse("[List frmPlotPage]\nFirma=x\nNoCopy=40000\nNSeite=-7\nOptPageNo=maybe\n", "t.ini");
    EXPECT_EQ(Stored(LoadPrintOptions(bad)), defaults);
}

// "True"/"False" in any case or a number; anything else is the fallback.
TEST(PrintOptions, StoredBooleansInEitherForm)
{
    SettingsStore settings;
    settings.Parse("[S]\na=TRUE\nb=false\nc=-1\nd=0\ne=maybe\n", "s.ini");
    std::string read;
    for (const auto& [key, fallback] :
        {std::pair{"a", false}, {"b", true}, {"c", false}, {"d", true}, {"e", true}, {"absent", false}})
        read += settings.BoolValue("S", key, fallback) ? "1" : "0";
    EXPECT_EQ(read, "101010");
}

} // namespace
} // namespace teska::test
