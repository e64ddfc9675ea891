// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printing/PrinterPageSink.h"

namespace teska {

PrinterPageSink::PrinterPageSink(PagePrinter& printer)
    : m_printer(printer)
{ }

PrinterPageSink::~PrinterPageSink()
{
    if (!m_done)
        m_printer.AbortJob();
}

void PrinterPageSink::PrintText(std::string_view text)
{
    m_page.append(text);
    m_pageStarted = true;
}

void PrinterPageSink::NewPrinterPage()
{
    // A page end always gives a sheet, also an empty one, as on a printer.
    m_pending.push_back(std::move(m_page));
    ++m_pages;
    m_page.clear();
    m_pageStarted = false;
}

void PrinterPageSink::EndPrintJob()
{
    if (m_pageStarted) {
        NewPrinterPage();
        ++m_sections;
    }
}

void PrinterPageSink::Commit()
{
    EndPrintJob();
    for (const std::string& page : m_pending)
        m_printer.PrintPage(page);
    m_pending.clear();
}

void PrinterPageSink::Drop()
{
    m_pending.clear();
    m_page.clear();
    m_pageStarted = false;
}

void PrinterPageSink::Finish()
{
    Commit();
    m_done = true;
    // A PDF of a run without pages is still a document: one empty page.
    if (!m_printer.JobOpen() && !m_printer.PdfFile().empty())
        m_printer.PrintPage({});
    m_printer.EndJob();
}

void PrinterPageSink::Abort()
{
    m_done = true;
    Drop();
    m_printer.AbortJob();
}

} // namespace teska
