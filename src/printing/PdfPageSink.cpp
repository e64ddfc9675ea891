// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printing/PdfPageSink.h"

namespace teska {

PdfPageSink::PdfPageSink(const std::string& fileName, const PdfPageSetup& setup)
    : printer_(fileName, setup)
{ }

void PdfPageSink::PrintText(std::string_view text)
{
    page_.append(text);
    pageStarted_ = true;
}

void PdfPageSink::NewPrinterPage()
{
    // A page end always gives a sheet, also an empty one, as on a printer.
    printer_.printPage(page_);
    page_.clear();
    pageStarted_ = false;
}

void PdfPageSink::EndPrintJob()
{
    if (pageStarted_) {
        printer_.printPage(page_);
        page_.clear();
        pageStarted_ = false;
        ++jobs_;
    }
}

void PdfPageSink::finish()
{
    EndPrintJob();
    printer_.finish();
}

} // namespace teska
