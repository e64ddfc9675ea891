// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The one way files are opened: OpenListFile, CloseListFile, ShowProgress and
// ReportRuntimeError. The program keeps exactly one list file open at a time;
// ListFileSlot is that one file number, so a second open while one is open is
// a programming error caught at once (std::logic_error), not a convention.

#include <memory>
#include <string>
#include <variant>

#include "project/io/FieldReader.h"
#include "project/io/RecordFile.h"

namespace teska {

class Host;
class SuiteEnvironment;
class SuiteTools;
class TextCatalogue;

// The open modes of OpenListFile.
enum ListFileMode : int { ModeInput = 1, ModeOutput = 2, ModeRecord = 3, ModeRecordNoCheck = 4 };

// The list generation window as seen by the file routines: it shows the
// progress labels and is unloaded when a running list is aborted.
class ProgressWindow {
public:
    virtual ~ProgressWindow() = default;
    virtual void showProgressLabels(const std::string& headline, const std::string& message) = 0;
    virtual void unload() = 0;
};

// The services the file routines use, bundled so that callers pass one thing.
struct FileServices {
    SuiteEnvironment& environment;
    SuiteTools& tools;
    const TextCatalogue& catalogue;
};

class ListFileSlot {
public:
    bool IsOpen() const { return !std::holds_alternative<std::monostate>(file_); }
    FieldReader& Input(); // throws std::logic_error unless open in mode 1
    FieldWriter& Output(); // mode 2
    RecordFile& Records(); // modes 3 and 4
    const std::string& Name() const { return name_; }

private:
    friend short OpenListFile(
        FileServices&, ListFileSlot&, const std::string&, int, int, int, ProgressWindow*);
    friend short CloseListFile(FileServices&, ListFileSlot&);
    friend void ReportRuntimeError(FileServices&, ListFileSlot&);
    std::variant<std::monostate, FieldReader, FieldWriter, RecordFile> file_;
    std::string name_;
};

// Opens \p name in \p mode as file number \p fileNumber (always 1). Returns 0
// when open, -1 when not (missing file; during a run with a selector other
// than 0, 7 or below 1 this also sets run state 3 and unloads \p window).
// A file that exists but cannot be read throws FileAccessError.
short OpenListFile(FileServices& services, ListFileSlot& slot, const std::string& name, int mode,
    int fileNumber, int progressSelector, ProgressWindow* window);
// Closes the slot (a mode-2 file is written and renamed into place here, so
// this may throw FileAccessError; the slot is closed all the same) and
// clears the file notice. Closing a closed slot does no harm.
short CloseListFile(FileServices& services, ListFileSlot& slot);
// Message kinds: 1 status message, 2 reading-a-file message, other: detail.
void ShowProgress(FileServices& services, ProgressWindow* window, int kind, bool updateStatusBar);
// The message ShowProgress shows for \p kind (exposed for tests and windows).
std::string ProgressMessage(FileServices& services, int kind);
// The common tail of an error handler: report the pending error, close the
// list file, clear the error. Output that was being written is discarded, so
// a failed save leaves the previous file in place.
void ReportRuntimeError(FileServices& services, ListFileSlot& slot);

// Geometry of the progress window in twips, worked out from the sizes of its
// two labels (which size themselves to their text) and of the window.
struct ProgressLayoutInput {
    int headlineWidth = 0, headlineHeight = 0; // LblFlashing
    int messageWidth = 0, messageHeight = 0; // LblInfText
    int buttonHeight = 0; // CmdOK
    int windowWidth = 0, windowHeight = 0;
    bool windowMaximised = false;
};
struct ProgressLayout {
    int windowWidth = 0, windowHeight = 0; // never smaller than given
    int headlineLeft = 0, headlineTop = 0;
    int messageLeft = 0, messageTop = 0;
    int buttonLeft = 0, buttonTop = 0;
};
// The window is widened to max(3200, message width + 250) when narrower, and
// made tall enough for the button plus 500 unless maximised; labels and the
// 1250-wide button are centred (halves rounded toward zero).
ProgressLayout LayOutProgressWindow(const ProgressLayoutInput& in);

} // namespace teska
