// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The printer of printed lists on its PDF output (the system's printers are
// left out, so the results do not depend on the machine): the page size in
// lines and characters, the stored printer set-up, refused values, the
// pages, and jobs that end or are dropped.

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "printing/PagePrinter.h"
#include "printing/PrinterPageSink.h"
#include "printing/PrinterSettings.h"
#include "suite/Errors.h"
#include "suite/SettingsStore.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

TEST(PageMeasure, WholeBlanksFitTheDrawableAreaHalvesToEven)
{
    struct Case {
        long width, height; // drawable area, blanks of 10 x 10
        int chars, lines;
    };
    // 80 x 66 blanks: 80 characters and 65 lines; remainders below half a
    // blank are dropped, above half counted, halves go to the even number.
    const Case cases[] = {
        {800, 660, 80, 65}, {804, 664, 80, 65}, {806, 666, 81, 66}, {805, 665, 80, 65}, {815, 675, 82, 67}};
    for (const Case& c : cases) {
        const PageMeasure m = MeasurePage(c.width, c.height, 10, 10);
        EXPECT_EQ(m.CharsPerLine, c.chars) << c.width;
        EXPECT_EQ(m.LinesPerPage, c.lines) << c.height;
    }
    EXPECT_THROW(MeasurePage(800, 660, 0, 10), RuntimeError);
    EXPECT_THROW(MeasurePage(0, 660, 10, 10), RuntimeError);
}

TEST(PrinterSettings, StoredSetUpRoundTripsAndBadValuesCountAsAbsent)
{
    SettingsStore store;
    StoreDeviceMode(store, DeviceMode{"Office", 2, 8, -3});
    StoreListFont(store, ListFont{"DejaVu Sans Mono", 9.5, 700, true});
    const DeviceMode d = ReadDeviceMode(store);
    EXPECT_TRUE(d.DeviceName == "Office" && d.Orientation == 2 && d.PaperSize == 8 && d.PrintQuality == -3);
    const ListFont f = ReadListFont(store);
    EXPECT_TRUE(f.Family == "DejaVu Sans Mono" && f.PointSize == 9.5 && f.Weight == 700 && f.Italic);

    store.Parse("[Device Mode]\ndmDeviceName=Office   \ndmOrientation=x\ndmPaperSize=70000\n"
                "[List Font]\nFontSize=0\n",
        "t.ini");
    const DeviceMode bad = ReadDeviceMode(store);
    EXPECT_TRUE(bad.DeviceName == "Office" && !bad.Orientation && !bad.PaperSize && !bad.PrintQuality);
    EXPECT_EQ(ReadListFont(store).PointSize, 0);
}

class PagePrinterTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureGuiApplication(); }
    void SetUp() override
    {
        printer = std::make_unique<PagePrinter>();
        printer->SetPdfFile(file());
    }
    std::string file() const { return dir.file("list.pdf"); }
    PagePrinter::Applied Apply(const DeviceMode& device, const ListFont& font = {})
    {
        return printer->ApplyPrinterSettings(device, font, false);
    }
    // The files left in the folder.
    std::vector<std::string> Files() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.dir()))
            names.push_back(entry.path().filename().string());
        return names;
    }

    test::ScratchDir dir;
    std::unique_ptr<PagePrinter> printer;
};

// The page objects of a PDF file: "/Type /Page" but not "/Type /Pages".
int CountPdfPages(const std::string& pdf)
{
    static const std::regex page(R"(/Type\s*/Page[^s])");
    return static_cast<int>(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

// The media boxes of the pages, e.g. "0 0 595 842".
std::vector<std::string> MediaBoxes(const std::string& pdf)
{
    static const std::regex box(R"(/MediaBox\s*\[\s*([^\]]*?)\s*\])");
    std::vector<std::string> boxes;
    for (auto it = std::sregex_iterator(pdf.begin(), pdf.end(), box); it != std::sregex_iterator(); ++it)
        boxes.push_back((*it)[1]);
    return boxes;
}

TEST_F(PagePrinterTest, PaperOrientationAndFontSetThePageSize)
{
    const DeviceMode a4{"", 1, 9, -4};
    const PagePrinter::Applied portrait = Apply(a4);
    ASSERT_TRUE(portrait.Measured) << portrait.Error;
    // 8-point fixed-pitch blanks are about 4.8 points wide and 9 to 10
    // points high: an A4 sheet holds roughly 100 to 124 characters and 70
    // to 95 lines.
    EXPECT_GE(portrait.Measure.CharsPerLine, 100);
    EXPECT_LE(portrait.Measure.CharsPerLine, 124);
    EXPECT_GE(portrait.Measure.LinesPerPage, 70);
    EXPECT_LE(portrait.Measure.LinesPerPage, 95);

    const PageMeasure wide = Apply({"", 2, 9, -4}).Measure;
    EXPECT_GT(wide.CharsPerLine, portrait.Measure.CharsPerLine);
    EXPECT_LT(wide.LinesPerPage, portrait.Measure.LinesPerPage);
    const PageMeasure a3 = Apply({"", 1, 8, -4}).Measure;
    EXPECT_GT(a3.CharsPerLine, portrait.Measure.CharsPerLine);
    EXPECT_GT(a3.LinesPerPage, portrait.Measure.LinesPerPage);
    // Twice the font size: about half the characters and lines; size 0 is
    // the default of 8 points.
    const PageMeasure coarse = Apply(a4, ListFont{"", 16}).Measure;
    EXPECT_NEAR(coarse.CharsPerLine, portrait.Measure.CharsPerLine / 2, 2);
    EXPECT_NEAR(coarse.LinesPerPage + 1, (portrait.Measure.LinesPerPage + 1) / 2, 2);
    EXPECT_EQ(Apply(a4, ListFont{"", 0}).Measure.CharsPerLine, portrait.Measure.CharsPerLine);
}

TEST_F(PagePrinterTest, RefusedValueKeepsThePreviousPageAndIsNamed)
{
    ASSERT_TRUE(Apply({"", 1, 9, -4}).Measured);
    const PageMeasure before = printer->Measure();
    struct Case {
        DeviceMode device;
        const char* named;
    };
    const Case cases[] = {{{"", 1, 4711, -4}, "paper size 4711"}, {{"", 3, 9, -4}, "orientation 3"},
        {{"", 1, 9, 0}, "print quality 0"}};
    for (const Case& c : cases) {
        const PagePrinter::Applied applied = Apply(c.device);
        EXPECT_FALSE(applied.Measured) << c.named;
        EXPECT_NE(applied.Error.find(c.named), std::string::npos) << applied.Error;
        EXPECT_EQ(printer->Measure().CharsPerLine, before.CharsPerLine) << c.named;
        EXPECT_EQ(printer->Measure().LinesPerPage, before.LinesPerPage) << c.named;
    }
    // A printer name the system does not have leaves the printer, and the
    // rest of the set-up is applied to it.
    const PagePrinter::Applied other = Apply({"No Such Printer", 2, 9, -4});
    EXPECT_TRUE(other.Measured) << other.Error;
    EXPECT_GT(other.Measure.CharsPerLine, before.CharsPerLine);
}

TEST_F(PagePrinterTest, PagesAreSheetsOfTheChosenPaper)
{
    struct Case {
        int orientation;
        const char* box; // A4: 595.28 x 841.89 points
    };
    const Case cases[] = {{1, R"(0 0 595(\.\d+)? 84[12](\.\d+)?)"}, {2, R"(0 0 84[12](\.\d+)? 595(\.\d+)?)"}};
    for (const Case& c : cases) {
        ASSERT_TRUE(Apply({"", c.orientation, 9, -4}).Measured);
        printer->PrintPage("     Title\r\n     line 2\r\n");
        printer->PrintPage("page two\n");
        printer->PrintPage("");
        EXPECT_EQ(printer->PagesPrinted(), 3);
        printer->EndJob();
        const std::string pdf = test::readFile(file());
        ASSERT_EQ(pdf.rfind("%PDF-", 0), 0u);
        EXPECT_EQ(CountPdfPages(pdf), 3);
        for (const std::string& b : MediaBoxes(pdf))
            EXPECT_TRUE(std::regex_match(b, std::regex(c.box))) << b;
        // Nothing but the file itself is left beside it.
        EXPECT_EQ(Files(), std::vector<std::string>{"list.pdf"});
        // An ordinary file's mode, not the temporary file's owner-only one.
        EXPECT_EQ(std::filesystem::status(file()).permissions() & std::filesystem::perms::others_read,
            std::filesystem::perms::others_read);
    }
}

TEST_F(PagePrinterTest, DroppedJobLeavesTheOldFileAndNoOther)
{
    test::writeFile(file(), "the old list");
    {
        PrinterPageSink sink(*printer);
        sink.PrintText("a\r\n");
        sink.NewPrinterPage();
        // The run ends without Finish (aborted): nothing is written.
    }
    printer->PrintPage("b\r\n");
    printer->AbortJob();
    EXPECT_EQ(test::readFile(file()), "the old list");
    EXPECT_EQ(Files(), std::vector<std::string>{"list.pdf"});
    // A folder that cannot take the file is named at once.
    try {
        printer->SetPdfFile(dir.file("no/such/folder/list.pdf"));
        FAIL() << "an unwritable file was accepted";
    } catch (const FileAccessError& e) {
        EXPECT_EQ(e.file(), dir.file("no/such/folder/list.pdf"));
    }
}

TEST_F(PagePrinterTest, SinkPutsPagesOnSheetsAndSectionsOnNewSheets)
{
    {
        PrinterPageSink sink(*printer);
        // One section of two pages: text, page end, text, end of section.
        sink.PrintText("a\r\n");
        sink.PrintText("b\r\n"); // the same page
        sink.NewPrinterPage();
        sink.PrintText("c\r\n");
        sink.EndPrintJob();
        // Ending a section with nothing started adds no sheet.
        sink.EndPrintJob();
        // A second section (or copy) of one page.
        sink.PrintText("d\r\n");
        sink.EndPrintJob();
        EXPECT_EQ(sink.pagesPrinted(), 3);
        EXPECT_EQ(sink.printJobs(), 2);
        sink.Finish();
    }
    EXPECT_EQ(CountPdfPages(test::readFile(file())), 3);
    // A run without pages still gives a document of one empty page.
    {
        PrinterPageSink empty(*printer);
        empty.Finish();
    }
    EXPECT_EQ(CountPdfPages(test::readFile(file())), 1);
}

} // namespace
} // namespace teska
