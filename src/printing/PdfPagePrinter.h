// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Printed list pages into a PDF file through Qt's printer: the page set-up
// (paper, orientation, list font), the page size in lines and characters
// that follows from it, and the output of one page of list text at a time.

#include <memory>
#include <string>
#include <string_view>

namespace teska {

// Paper sizes by the numbers of the stored "dmPaperSize" setting.
enum class PaperSize { A4 = 9, A3 = 8, A5 = 11, Letter = 1, Legal = 5 };

struct PdfPageSetup {
    PaperSize paper = PaperSize::A4;
    bool landscape = false;
    // The list font: a fixed-pitch family; an empty family takes the
    // system's fixed font. A size of 0 means the default of 8 points.
    std::string fontFamily;
    double pointSize = 8;
    // Device resolution of the printed page (dots per inch); measures are
    // whole numbers of dots, so a high resolution keeps rounding small.
    int resolution = 1200;
};

// The settings of the section "Device Mode" that the page set-up follows:
// "dmOrientation" 2 = landscape, "dmPaperSize" one of PaperSize. Unknown
// values keep the defaults (A4 portrait).
struct DeviceModeValues {
    int orientation = 0;
    int paperSize = 0;
};
PdfPageSetup PageSetupFromDeviceMode(const DeviceModeValues& values);

// The two page dimensions the list writer counts with.
struct PageMeasure {
    int CharsPerLine = 0;
    int LinesPerPage = 0;
};

// CharsPerLine = drawable width / width of a blank, LinesPerPage = drawable
// height / height of a blank - 1; each measure in whole device dots, each
// quotient rounded to the nearest whole number, halves to even.
PageMeasure MeasurePage(long drawableWidth, long drawableHeight, long blankWidth, long blankHeight);

// The page size that \p setup gives, measured on a PDF printer without
// writing a file. Needs a QGuiApplication (see EnsureGuiApplication).
PageMeasure MeasurePageSetup(const PdfPageSetup& setup);

// Creates a QGuiApplication on the offscreen platform when none exists
// (a batch tool has no window system); keeps it for the life of the process.
void EnsureGuiApplication();

class PdfPagePrinter {
public:
    // Opens \p fileName for writing; throws FileAccessError naming the file
    // when it cannot be written.
    PdfPagePrinter(const std::string& fileName, const PdfPageSetup& setup);
    ~PdfPagePrinter();
    PdfPagePrinter(const PdfPagePrinter&) = delete;
    PdfPagePrinter& operator=(const PdfPagePrinter&) = delete;

    PageMeasure measure() const;

    // Prints one page: \p text is list text whose lines end with CRLF (or
    // LF); line i stands at i line heights from the top of the drawable area.
    // Every page after the first starts on a new sheet.
    void printPage(std::string_view text);
    // Ends the document; the file is complete afterwards. Throws
    // FileAccessError when the file could not be written. Called by the
    // destructor when not called before (errors then are dropped).
    void finish();

    int pagesPrinted() const { return pages_; }

private:
    struct Device;
    std::unique_ptr<Device> device_;
    std::string fileName_;
    int pages_ = 0;
    bool finished_ = false;
};

} // namespace teska
