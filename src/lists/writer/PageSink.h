// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the pages of a printed list go (output targets 3 and 4). The batch
// tool implements it with a PDF writer, the main window with the printer;
// tests record the pages.

#include <string_view>

namespace teska {

class PageSink {
public:
    virtual ~PageSink() = default;
    // Prints \p text, the lines of the current page, each ending with CR LF,
    // on the current printer page.
    virtual void PrintText(std::string_view text) = 0;
    // Ends the current printer page and starts a new one.
    virtual void NewPrinterPage() = 0;
    // Applies the printer device settings again, which ends the print job:
    // the pages printed so far go to the printer.
    virtual void EndPrintJob() = 0;
};

} // namespace teska
