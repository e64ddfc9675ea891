// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/page/PrintOptions.h"

#include "suite/SettingsStore.h"

namespace teska {

PrintOptions LoadPrintOptions(const SettingsStore& settings)
{
    const std::string section = PrintOptionsSection;
    PrintOptions options;
    options.PrintCompanyHeader = settings.WholeValue(section, "Firma", 1) != 0;
    options.PrintJobData = settings.WholeValue(section, "Auftrag", 1) != 0;
    options.NumberPages = settings.BoolValue(section, "OptPageNo", true);
    const long copies = settings.WholeValue(section, "NoCopy", 1);
    options.CopyCount = InPrintRange(copies) ? static_cast<int>(copies) : 1;
    const long first = settings.WholeValue(section, "NSeite", 1);
    options.FirstPage
        = first < 1 ? 1 : (first > PrintRangeMaximum ? PrintRangeMaximum : static_cast<int>(first));
    return options;
}

void SavePrintOptions(SettingsStore& settings, const PrintOptions& options)
{
    const std::string section = PrintOptionsSection;
    settings.SetValue(section, "Firma", options.PrintCompanyHeader ? "1" : "0");
    settings.SetValue(section, "Auftrag", options.PrintJobData ? "1" : "0");
    settings.SetValue(section, "OptPageNo", options.NumberPages ? "True" : "False");
    settings.SetValue(section, "NoCopy", std::to_string(options.CopyCount));
    settings.SetValue(
        section, "NSeite", std::to_string(PageNumberBeforeFirst(options.NumberPages, options.FirstPage) + 1));
}

bool InPrintRange(long value)
{
    return value >= PrintRangeMinimum && value <= PrintRangeMaximum;
}

int PageNumberBeforeFirst(bool numberPages, int firstPage)
{
    return numberPages ? firstPage - 1 : NoPageNumbers;
}

int NextPageNumber(int pageNumber)
{
    return pageNumber == NoPageNumbers ? NoPageNumbers : pageNumber + 1;
}

int PageNumberAfterPages(int pageNumber, int pages)
{
    return pageNumber == NoPageNumbers ? NoPageNumbers : pageNumber + (pages > 0 ? pages : 0);
}

int SpinDown(int value, bool& beep)
{
    beep = value < 2;
    return beep ? value : value - 1;
}

} // namespace teska
