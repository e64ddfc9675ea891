// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/page/PageLayout.h"

#include "project/ListFile.h"
#include "suite/Errors.h"
#include "suite/SuiteEnvironment.h"

namespace teska {

namespace {

constexpr long StatusSavingLayout = 140166;

} // namespace

void LoadPageLayout(
    FileServices& services, ListFileSlot& slot, PageLayout& layout, const std::string& settingsDirectory)
{
    SuiteEnvironment& environment = services.environment;
    try {
        environment.SetCurrentFileName(settingsDirectory + PageLayoutFileName);
        const std::string name = environment.CurrentFileName();
        if (environment.IsFileMissing(name, true)) {
            layout = PageLayout{};
            return;
        }
        if (OpenListFile(services, slot, name, ModeInput, 1, 7, nullptr) != 0) {
            if (!environment.HasPendingError())
                environment.SetPendingError("Cannot open the page layout file " + name);
            ReportRuntimeError(services, slot);
            layout = PageLayout{};
            return;
        }
        FieldReader& in = slot.Input();
        PageLayout read;
        read.LeftMargin = in.ReadInt16();
        read.TopMargin = in.ReadInt16();
        read.BottomMargin = in.ReadInt16();
        CloseListFile(services, slot);
        layout = read;
    } catch (const RuntimeError& error) {
        environment.SetPendingError(error.what());
        ReportRuntimeError(services, slot);
        layout = PageLayout{};
    }
}

short SavePageLayout(FileServices& services, ListFileSlot& slot, const PageLayout& layout,
    const std::string& settingsDirectory)
{
    SuiteEnvironment& environment = services.environment;
    try {
        environment.SetStatusText(StatusSavingLayout, &services.catalogue);
        environment.SetCurrentFileName(settingsDirectory + PageLayoutFileName);
        const std::string name = environment.CurrentFileName();
        if (OpenListFile(services, slot, name, ModeOutput, 1, 0, nullptr) != 0) {
            if (!environment.HasPendingError())
                environment.SetPendingError("Cannot write the page layout file " + name);
            ReportRuntimeError(services, slot);
            return -1;
        }
        FieldWriter& out = slot.Output();
        out.PrintLine(std::to_string(layout.LeftMargin));
        out.PrintLine(std::to_string(layout.TopMargin));
        out.PrintLine(std::to_string(layout.BottomMargin));
        return CloseListFile(services, slot);
    } catch (const RuntimeError& error) {
        environment.SetPendingError(error.what());
        ReportRuntimeError(services, slot);
        return -1;
    }
}

} // namespace teska
