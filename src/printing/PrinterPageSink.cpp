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
    m_printer.PrintPage(m_page);
    ++m_pages;
    m_page.clear();
    m_pageStarted = false;
}

void PrinterPageSink::EndPrintJob()
{
    if (m_pageStarted) {
        m_printer.PrintPage(m_page);
        ++m_pages;
        m_page.clear();
        m_pageStarted = false;
        ++m_sections;
    }
}

void PrinterPageSink::Finish()
{
    EndPrintJob();
    // A PDF of a run without pages is still a document: one empty page.
    if (m_pages == 0 && !m_printer.PdfFile().empty())
        NewPrinterPage();
    m_done = true;
    m_printer.EndJob();
}

void PrinterPageSink::Abort()
{
    m_done = true;
    m_page.clear();
    m_pageStarted = false;
    m_printer.AbortJob();
}

} // namespace teska
