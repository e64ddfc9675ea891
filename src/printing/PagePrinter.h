// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The printer of every printed list: a system printer (CUPS) or a PDF file,
// set up from the stored printer settings, measured in lines and characters
// of the list font, and fed one page of list text at a time.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "printing/PrinterSettings.h"

class QFont;
class QPainter;
class QPrinter;
class QRectF;

namespace teska {

// The two page dimensions the list writer counts with.
struct PageMeasure {
    int CharsPerLine = 0;
    int LinesPerPage = 0;
};

// CharsPerLine = drawable width / width of a blank, LinesPerPage = drawable
// height / height of a blank - 1; each measure in whole device dots, each
// quotient rounded to the nearest whole number, halves to even. Throws
// RuntimeError for an empty page or font.
PageMeasure MeasurePage(long drawableWidth, long drawableHeight, long blankWidth, long blankHeight);

// Creates a QGuiApplication on the offscreen platform when none exists
// (a batch tool has no window system); keeps it for the life of the process.
void EnsureGuiApplication();

// The names of the system's printers, the default first when there is one.
std::vector<std::string> SystemPrinterNames();

class PagePrinter {
public:
    // The system's default printer; a PDF printer (A4 portrait, 1200 dots
    // per inch) when the system has none. Needs a QGuiApplication.
    PagePrinter();
    // An open job is abandoned: a PDF file being written is not created.
    ~PagePrinter();
    PagePrinter(const PagePrinter&) = delete;
    PagePrinter& operator=(const PagePrinter&) = delete;

    struct Applied {
        bool Measured = false; // false: the page size was not taken
        PageMeasure Measure;
        std::string Error; // a value the printer refused, naming it
    };
    // Ends an open job (its pages go out), then selects the printer named in
    // \p device when the system has it (else the current one stays), sets
    // the right-to-left flag, orientation, paper size, print quality and the
    // list font (size 0 is 8 points), and measures the page. A value the
    // printer refuses stops there: Error names it, the page is not measured
    // and the caller keeps its previous size.
    Applied ApplyPrinterSettings(const DeviceMode& device, const ListFont& font, bool rightToLeft);

    // The selected system printer; empty for a PDF printer.
    std::string PrinterName() const;
    // The current set-up in the stored numbers (for the printer dialog).
    DeviceMode CurrentDeviceMode() const;

    // Sends the following jobs into \p fileName as PDF, with the page set-up
    // of the current printer (empty: to the printer again). Each job writes
    // beside its target under another name and is renamed over it when the
    // job ends; an abandoned job leaves the target as it was. Throws
    // FileAccessError when the folder cannot take the file.
    void SetPdfFile(const std::string& fileName);
    const std::string& PdfFile() const { return m_pdfFile; }

    // Prints one page: list text whose lines end with CR LF (or LF); line i
    // stands i line heights below the top of the drawable area, right-aligned
    // and drawn right to left for a right-to-left list. The first page of a
    // job starts the job.
    void PrintPage(std::string_view text);
    // Draws into the drawable area of a page below its text: \p area runs
    // from the line under the text's last one to the bottom of the page.
    using PageDrawing = std::function<void(QPainter& painter, const QRectF& area)>;
    // Prints one page as PrintPage(text) does, then calls \p drawBelow.
    void PrintPage(std::string_view text, const PageDrawing& drawBelow);
    // Ends the job: the pages go to the printer, or the PDF file is complete
    // and in place. Without an open job nothing happens. Throws
    // FileAccessError naming the file or printer when the job fails.
    void EndJob();
    // Drops the open job: nothing reaches the printer or the file.
    void AbortJob();
    bool JobOpen() const;
    int PagesPrinted() const { return m_pages; }

    PageMeasure Measure() const;
    QPrinter& Printer();
    const QFont& Font() const;

private:
    void DropTemporary();

    struct Device;
    std::unique_ptr<Device> m_device;
    std::string m_pdfFile; // the target of PDF jobs; empty: the printer
    std::string m_temporary; // the file a PDF job writes
    int m_pages = 0; // pages of the open job
    bool m_rightToLeft = false;
};

} // namespace teska
