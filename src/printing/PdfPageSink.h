// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The pages of a printed list (targets 3 and 4) written into one PDF file.
// Text printed on a page collects until the page ends: NewPrinterPage puts
// it on a sheet and starts the next; EndPrintJob puts out a started page.
// Several print jobs (sections, copies) follow each other in the one file,
// each starting on a new sheet.

#include <string>

#include "lists/writer/PageSink.h"
#include "printing/PdfPagePrinter.h"

namespace teska {

class PdfPageSink : public PageSink {
public:
    PdfPageSink(const std::string& fileName, const PdfPageSetup& setup);

    void PrintText(std::string_view text) override;
    void NewPrinterPage() override;
    void EndPrintJob() override;

    PageMeasure measure() const { return printer_.measure(); }
    int pagesPrinted() const { return printer_.pagesPrinted(); }
    int printJobs() const { return jobs_; }
    // Puts out a started page and completes the file; throws FileAccessError.
    void finish();

private:
    PdfPagePrinter printer_;
    std::string page_;
    bool pageStarted_ = false;
    int jobs_ = 0;
};

} // namespace teska
