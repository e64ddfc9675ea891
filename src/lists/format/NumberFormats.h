// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The seventeen number format slots that every list column chooses from, and
// the settings file "NOFORMAT" in the settings directory that overrides them.

#include <array>
#include <string>

namespace teska {

struct FileServices;
class ListFileSlot;

struct NumberFormats {
    // slots[1] .. slots[17]; slots[0] is unused so that slot numbers index directly.
    std::array<std::string, 18> slots;

    NumberFormats() { SetDefaults(); }
    // The built-in table: "0.0", "0.00", ... and slot 17 = "0000E+00".
    void SetDefaults();
    // The pattern of \p slot (1..17); an empty pattern for any other number.
    const std::string& Slot(int slot) const;
};

// Slot 17 is never read from the file.
inline constexpr const char* FixedExponentFormat = "0000E+00";

// Fills \p formats from \p settingsDirectory + "NOFORMAT" (the directory ends
// with a separator). A missing file gives the defaults quietly; a file that
// cannot be opened or has fewer than eighteen lines is reported once through
// ReportRuntimeError and gives the defaults, never a half-read table.
// File lines 13, 14, 15, 16 fill slots 14, 16, 15, 13; lines 17, 18 are ignored.
void LoadNumberFormats(
    FileServices& services, ListFileSlot& slot, NumberFormats& formats, const std::string& settingsDirectory);

} // namespace teska
