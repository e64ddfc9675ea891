// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/ListFile.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

#include "suite/Host.h"
#include "suite/SuiteEnvironment.h"
#include "suite/SuiteTools.h"
#include "suite/TextCatalogue.h"

namespace teska {

namespace {

constexpr long HeadlineTextId = 104; // headline of the progress window
constexpr long ReadingTextId = 107; // "reading file" message

// Selectors 7 and below 1 open silently; the list writers pass 2 and 4.
bool silent(int progressSelector)
{
    return progressSelector == 7 || progressSelector < 1;
}

// The text of the current status message: an identifier is looked up, a text
// holding only a whole number is taken as an identifier, other text as is.
std::string statusText(FileServices& services)
{
    const StatusMessage& message = services.environment.CurrentStatusMessage();
    if (const long* id = std::get_if<long>(&message))
        return services.catalogue.LookupText(*id, {});
    const std::string& text = std::get<std::string>(message);
    long id = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), id);
    if (!text.empty() && ec == std::errc() && end == text.data() + text.size())
        return services.catalogue.LookupText(id, {});
    return text;
}

template <typename File>
File& openAs(std::variant<std::monostate, FieldReader, FieldWriter, RecordFile>& file, const char* what)
{
    if (File* open = std::get_if<File>(&file))
        return *open;
    throw std::logic_error(std::string("the list file is not open for ") + what);
}

} // namespace

FieldReader& ListFileSlot::Input()
{
    return openAs<FieldReader>(file_, "input");
}
FieldWriter& ListFileSlot::Output()
{
    return openAs<FieldWriter>(file_, "output");
}
RecordFile& ListFileSlot::Records()
{
    return openAs<RecordFile>(file_, "records");
}

short OpenListFile(FileServices& services, ListFileSlot& slot, const std::string& name, int mode,
    int fileNumber, int progressSelector, ProgressWindow* window)
{
    if (fileNumber != 1)
        throw std::logic_error("list files are opened as file number 1, not " + std::to_string(fileNumber));
    if (mode < ModeInput || mode > ModeRecordNoCheck)
        throw std::logic_error("open mode " + std::to_string(mode) + " is not one of 1 to 4");
    if (slot.IsOpen())
        throw std::logic_error("'" + name + "' opened while '" + slot.name_ + "' is still open");

    services.environment.AnnounceFile(name);
    if ((mode == ModeInput || mode == ModeRecord) && services.environment.IsFileMissing(name, false)) {
        if (!silent(progressSelector)) {
            services.tools.SetRunState(RunAborted);
            if (window)
                window->unload();
        }
        return -1;
    }
    if (!silent(progressSelector))
        ShowProgress(services, window, 2, false);
    services.environment.StatusBarMode(mode);

    switch (mode) {
    case ModeInput:
        slot.file_ = FieldReader::FromFile(name);
        break;
    case ModeOutput:
        slot.file_.emplace<FieldWriter>(name);
        break;
    case ModeRecord:
        slot.file_ = RecordFile::FromFile(name);
        break;
    default:
        // Mode 4 opens without the missing-file test: an absent file reads
        // as one without records.
        if (services.environment.IsFileMissing(name, true))
            slot.file_ = RecordFile(name, std::string());
        else
            slot.file_ = RecordFile::FromFile(name);
        break;
    }
    slot.name_ = name;
    return 0;
}

short CloseListFile(FileServices& services, ListFileSlot& slot)
{
    auto file = std::move(slot.file_);
    slot.file_ = std::monostate();
    slot.name_.clear();
    services.environment.ClearStatus();
    if (FieldWriter* writer = std::get_if<FieldWriter>(&file))
        writer->Close();
    return 0;
}

std::string ProgressMessage(FileServices& services, int kind)
{
    const std::string text = statusText(services);
    const std::string detail = text.empty() ? std::string() : " (" + text + ") ";
    switch (kind) {
    case 1:
        return text;
    case 2:
        return services.catalogue.LookupText(ReadingTextId, {}) + " '"
            + services.environment.CurrentFileName() + "\r\r" + detail;
    default:
        return detail;
    }
}

void ShowProgress(FileServices& services, ProgressWindow* window, int kind, bool updateStatusBar)
{
    const std::string message = ProgressMessage(services, kind);
    Host& host = services.environment.host();
    if (updateStatusBar)
        host.statusText(message);
    if (window) {
        window->showProgressLabels(
            "\r" + services.catalogue.LookupText(HeadlineTextId, {}) + "\r", "\r" + message);
        host.processEvents();
    }
}

void ReportRuntimeError(FileServices& services, ListFileSlot& slot)
{
    services.environment.ReportPendingError();
    // Unsaved output is dropped rather than committed half written.
    if (std::holds_alternative<FieldWriter>(slot.file_))
        slot.file_ = std::monostate();
    try {
        CloseListFile(services, slot);
    } catch (...) {
        // Errors while closing are ignored here, as the handler's tail must
        // leave the slot free for the next file.
    }
    services.environment.ClearPendingError();
}

ProgressLayout LayOutProgressWindow(const ProgressLayoutInput& in)
{
    ProgressLayout out;
    const int targetWidth = std::max(3200, in.messageWidth + 250);
    out.windowWidth = std::max(in.windowWidth, targetWidth);
    out.headlineTop = 30;
    out.messageTop = in.headlineHeight + 60;
    out.buttonTop = in.headlineHeight + std::max(in.headlineHeight, in.messageHeight) + 90;
    const int neededHeight = out.buttonTop + in.buttonHeight + 500;
    out.windowHeight = !in.windowMaximised && in.windowHeight < neededHeight ? neededHeight : in.windowHeight;
    out.headlineLeft = (out.windowWidth - in.headlineWidth) / 2;
    out.messageLeft = (out.windowWidth - in.messageWidth) / 2;
    out.buttonLeft = (out.windowWidth - 1250) / 2;
    return out;
}

} // namespace teska
