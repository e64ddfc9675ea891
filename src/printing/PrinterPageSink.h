// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The pages of a printed list run (targets 3 and 4) on a PagePrinter. Text
// printed on a page collects until the page ends (NewPrinterPage, or the end
// of a section for a started page). Ended pages wait until their copy is
// complete: Commit puts them on sheets, Drop forgets them, so an aborted
// copy prints nothing. All copies are one print job (one PDF file, one job
// on a printer, every section on new sheets), ended by Finish or dropped
// by Abort.

#include <string>
#include <vector>

#include "lists/writer/PageSink.h"
#include "printing/PagePrinter.h"

namespace teska {

class PrinterPageSink : public PageSink {
public:
    explicit PrinterPageSink(PagePrinter& printer);
    // A run that was not finished is dropped.
    ~PrinterPageSink() override;

    void PrintText(std::string_view text) override;
    void NewPrinterPage() override;
    void EndPrintJob() override;

    int pagesPrinted() const { return m_pages; }
    int printJobs() const { return m_sections; }
    // The ended pages of the copy go on sheets; throws FileAccessError.
    void Commit();
    // The pages of the copy are forgotten.
    void Drop();
    // Commits the copy and ends the job; throws FileAccessError.
    void Finish();
    // Drops the job: nothing is printed, no file is written.
    void Abort();

private:
    PagePrinter& m_printer;
    std::string m_page;
    std::vector<std::string> m_pending; // ended pages of the copy
    bool m_pageStarted = false;
    bool m_done = false;
    int m_pages = 0;
    int m_sections = 0;
};

} // namespace teska
