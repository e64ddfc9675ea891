// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/format/NumberFormats.h"

#include "project/ListFile.h"
#include "suite/Errors.h"
#include "suite/SuiteEnvironment.h"

namespace teska {

namespace {

constexpr long StatusLoadingFormats = 140168;

// The slot that each of the first sixteen lines of "NOFORMAT" fills.
constexpr int SlotOfLine[17] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 16, 15, 13};

} // namespace

void NumberFormats::SetDefaults()
{
    slots = {"", "0.0", "0.00", "0.0", "0.0", "0.0", "0.0", "0.0", "0.00", "0.00", "0.0000", "0.0000000",
        "0.0000", "0.0", "0.00", "0.00", "0.00", FixedExponentFormat};
}

const std::string& NumberFormats::Slot(int slot) const
{
    return slot >= 1 && slot <= 17 ? slots[static_cast<std::size_t>(slot)] : slots[0];
}

void LoadNumberFormats(
    FileServices& services, ListFileSlot& slot, NumberFormats& formats, const std::string& settingsDirectory)
{
    SuiteEnvironment& environment = services.environment;
    try {
        environment.SetStatusText(StatusLoadingFormats, &services.catalogue);
        environment.SetCurrentFileName(settingsDirectory + "NOFORMAT");
        const std::string name = environment.CurrentFileName();
        if (environment.IsFileMissing(name, true)) {
            formats.SetDefaults();
            return;
        }
        if (OpenListFile(services, slot, name, ModeInput, 1, 7, nullptr) != 0) {
            if (!environment.HasPendingError())
                environment.SetPendingError("Cannot open the number format file " + name);
            ReportRuntimeError(services, slot);
            formats.SetDefaults();
            return;
        }
        // Read into a copy so that a short file leaves no half-read table.
        NumberFormats read;
        FieldReader& in = slot.Input();
        for (int line = 1; line <= 18; ++line) {
            if (in.AtEnd())
                throw FileFormatError(name, static_cast<std::size_t>(line), 0, 0,
                    "18 lines of number formats, the file ends before line " + std::to_string(line));
            std::string text = in.LineInput();
            if (line <= 16)
                read.slots[static_cast<std::size_t>(SlotOfLine[line])] = std::move(text);
        }
        CloseListFile(services, slot);
        read.slots[17] = FixedExponentFormat;
        formats = std::move(read);
    } catch (const RuntimeError& error) {
        environment.SetPendingError(error.what());
        ReportRuntimeError(services, slot);
        formats.SetDefaults();
    }
}

} // namespace teska
