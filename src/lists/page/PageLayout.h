// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The three page margins and their file "PAGELAYO.LST" in the settings
// directory: three lines, each one whole number (left margin in characters,
// top margin and bottom margin in lines), written with CRLF.

#include <cstdint>
#include <string>

namespace teska {

struct FileServices;
class ListFileSlot;

struct PageLayout {
    std::int16_t LeftMargin = 5;
    std::int16_t TopMargin = 2;
    std::int16_t BottomMargin = 2;
};

inline constexpr const char* PageLayoutFileName = "PAGELAYO.LST";

// Reads the margins. A missing file gives the defaults 5, 2, 2 quietly; an
// open failure or unreadable content (too few numbers, non-numbers, values
// beyond 16 bits) is reported once through ReportRuntimeError and gives the
// defaults for all three.
void LoadPageLayout(
    FileServices& services, ListFileSlot& slot, PageLayout& layout, const std::string& settingsDirectory);

// Writes the margins as they are (no range check). Returns 0 when written,
// -1 when the file could not be written (reported through ReportRuntimeError).
short SavePageLayout(FileServices& services, ListFileSlot& slot, const PageLayout& layout,
    const std::string& settingsDirectory);

} // namespace teska
