// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page size in lines and characters and the PDF pages of printed lists.

#include <gtest/gtest.h>

#include <regex>

#include "suite/Errors.h"
#include "support/TestSupport.h"

#ifdef TESKA_REPORT_HAVE_PDF
#include "printing/PdfPagePrinter.h"
#include "printing/PdfPageSink.h"
#endif

namespace teska {
namespace {

#ifdef TESKA_REPORT_HAVE_PDF

TEST(ReportPageMeasure, WholeBlanksFitTheDrawableArea)
{
    // 80 blank widths across, 66 blank heights down: 80 characters, 65 lines.
    PageMeasure m = MeasurePage(800, 660, 10, 10);
    EXPECT_EQ(m.CharsPerLine, 80);
    EXPECT_EQ(m.LinesPerPage, 65);
    // Remainders below half a blank are dropped, above half counted.
    m = MeasurePage(804, 664, 10, 10);
    EXPECT_EQ(m.CharsPerLine, 80);
    EXPECT_EQ(m.LinesPerPage, 65);
    m = MeasurePage(806, 666, 10, 10);
    EXPECT_EQ(m.CharsPerLine, 81);
    EXPECT_EQ(m.LinesPerPage, 66);
}

TEST(ReportPageMeasure, HalvesRoundToEven)
{
    // 80.5 -> 80, 81.5 -> 82; lines: 66.5 -> 66 - 1, 67.5 -> 68 - 1.
    PageMeasure m = MeasurePage(805, 665, 10, 10);
    EXPECT_EQ(m.CharsPerLine, 80);
    EXPECT_EQ(m.LinesPerPage, 65);
    m = MeasurePage(815, 675, 10, 10);
    EXPECT_EQ(m.CharsPerLine, 82);
    EXPECT_EQ(m.LinesPerPage, 67);
}

TEST(ReportPageMeasure, EmptyPageOrFontIsAnError)
{
    EXPECT_THROW(MeasurePage(800, 660, 0, 10), RuntimeError);
    EXPECT_THROW(MeasurePage(800, 660, 10, 0), RuntimeError);
    EXPECT_THROW(MeasurePage(0, 660, 10, 10), RuntimeError);
}

TEST(ReportPageMeasure, DeviceModeSelectsPaperAndOrientation)
{
    EXPECT_EQ(PageSetupFromDeviceMode({}).paper, PaperSize::A4);
    EXPECT_FALSE(PageSetupFromDeviceMode({}).landscape);
    EXPECT_TRUE(PageSetupFromDeviceMode({2, 9}).landscape);
    EXPECT_FALSE(PageSetupFromDeviceMode({1, 9}).landscape);
    EXPECT_EQ(PageSetupFromDeviceMode({1, 8}).paper, PaperSize::A3);
    EXPECT_EQ(PageSetupFromDeviceMode({1, 1}).paper, PaperSize::Letter);
    // A paper number without a known size stays A4.
    EXPECT_EQ(PageSetupFromDeviceMode({1, 4711}).paper, PaperSize::A4);
}

TEST(ReportPageMeasure, MeasuredPagesFollowPaperOrientationAndFont)
{
    EnsureGuiApplication();
    const PdfPageSetup a4;
    const PageMeasure portrait = MeasurePageSetup(a4);
    // 8-point fixed-pitch blanks are about 4.8 points wide and 9 to 10
    // points high: an A4 sheet (595 x 842 points, less the margins) holds
    // roughly 100 to 124 characters and 70 to 95 lines.
    EXPECT_GE(portrait.CharsPerLine, 100);
    EXPECT_LE(portrait.CharsPerLine, 124);
    EXPECT_GE(portrait.LinesPerPage, 70);
    EXPECT_LE(portrait.LinesPerPage, 95);

    PdfPageSetup landscape = a4;
    landscape.landscape = true;
    const PageMeasure wide = MeasurePageSetup(landscape);
    EXPECT_GT(wide.CharsPerLine, portrait.CharsPerLine);
    EXPECT_LT(wide.LinesPerPage, portrait.LinesPerPage);

    PdfPageSetup a3 = a4;
    a3.paper = PaperSize::A3;
    const PageMeasure big = MeasurePageSetup(a3);
    EXPECT_GT(big.CharsPerLine, portrait.CharsPerLine);
    EXPECT_GT(big.LinesPerPage, portrait.LinesPerPage);

    // Twice the font size: about half the characters and lines.
    PdfPageSetup large = a4;
    large.pointSize = 16;
    const PageMeasure coarse = MeasurePageSetup(large);
    EXPECT_NEAR(coarse.CharsPerLine, portrait.CharsPerLine / 2, 2);
    EXPECT_NEAR(coarse.LinesPerPage + 1, (portrait.LinesPerPage + 1) / 2, 2);

    // Size 0 is the default of 8 points.
    PdfPageSetup zero = a4;
    zero.pointSize = 0;
    EXPECT_EQ(MeasurePageSetup(zero).CharsPerLine, portrait.CharsPerLine);
}

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

TEST(ReportPdfPages, EveryPrintedPageIsOneA4Sheet)
{
    EnsureGuiApplication();
    test::ScratchDir dir;
    const std::string file = dir.file("list.pdf");
    {
        PdfPagePrinter printer(file, PdfPageSetup{});
        printer.printPage("     Title\r\n     line 2\r\n");
        printer.printPage("page two\n");
        printer.printPage("");
        EXPECT_EQ(printer.pagesPrinted(), 3);
        printer.finish();
    }
    const std::string pdf = test::readFile(file);
    ASSERT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_EQ(CountPdfPages(pdf), 3);
    const std::vector<std::string> boxes = MediaBoxes(pdf);
    ASSERT_EQ(boxes.size(), 3u);
    // A4 is 210 x 297 mm = 595.28 x 841.89 points.
    const std::regex a4(R"(0 0 595(\.\d+)? 84[12](\.\d+)?)");
    for (const std::string& b : boxes)
        EXPECT_TRUE(std::regex_match(b, a4)) << b;
}

TEST(ReportPdfPages, LandscapeSheetsAreWiderThanHigh)
{
    EnsureGuiApplication();
    test::ScratchDir dir;
    const std::string file = dir.file("wide.pdf");
    PdfPageSetup setup;
    setup.landscape = true;
    {
        PdfPagePrinter printer(file, setup);
        printer.printPage("x\r\n");
        printer.finish();
    }
    const std::vector<std::string> boxes = MediaBoxes(test::readFile(file));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(std::regex_match(boxes[0], std::regex(R"(0 0 84[12](\.\d+)? 595(\.\d+)?)"))) << boxes[0];
}

TEST(ReportPdfPages, UnwritableFileIsNamed)
{
    EnsureGuiApplication();
    test::ScratchDir dir;
    const std::string file = dir.file("no/such/folder/list.pdf");
    try {
        PdfPagePrinter printer(file, PdfPageSetup{});
        FAIL() << "an unwritable file was accepted";
    } catch (const FileAccessError& e) {
        EXPECT_EQ(e.file(), file);
    }
}

TEST(ReportPdfPages, SinkPutsPagesOnSheetsAndJobsOnNewSheets)
{
    EnsureGuiApplication();
    test::ScratchDir dir;
    const std::string file = dir.file("sink.pdf");
    {
        PdfPageSink sink(file, PdfPageSetup{});
        // One section of two pages: text, page end, text, end of job.
        sink.PrintText("a\r\n");
        sink.PrintText("b\r\n"); // the same page
        sink.NewPrinterPage();
        sink.PrintText("c\r\n");
        sink.EndPrintJob();
        // Ending a job with nothing started adds no sheet.
        sink.EndPrintJob();
        // A second job (the next section or copy) of one page.
        sink.PrintText("d\r\n");
        sink.EndPrintJob();
        EXPECT_EQ(sink.pagesPrinted(), 3);
        EXPECT_EQ(sink.printJobs(), 2);
        sink.finish();
    }
    EXPECT_EQ(CountPdfPages(test::readFile(file)), 3);
}

#else

TEST(ReportPdfPages, BuiltWithoutPdfOutput)
{
    GTEST_SKIP() << "built without the Qt printing library";
}

#endif

} // namespace
} // namespace teska
