// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The one path from an opened project to its lists, shared by the main
// window and the batch tool: the offered lists of a target, the list run
// over chosen keys for each OutputTarget (once per copy for printed
// output), and the text of a section shown in a text viewer. The caller
// keeps only its surface: dialogs and viewers, or a command line and sinks.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "lists/choice/ListKey.h"
#include "lists/format/NumberFormats.h"
#include "lists/page/PageLayout.h"
#include "project/opening/ProjectState.h"

namespace teska {

class Session;
class PageSink;
class ProgressWindow;
class TextSink;

// The opened project a list is made of, with the services that read it.
struct ListProject {
    Session& session;
    ProjectState& project;
    const NumberFormats& formats;
    long TermId = 0; // 90063 or 90065, by the catalogue's terminology switch
};

// The page raster and print options of one run.
struct ListPageSettings {
    std::int16_t LinesPerPage = 65;
    std::int16_t CharsPerLine = 80;
    PageLayout Layout;
    // PageNumber before the first page header (NoPageNumbers: not numbered).
    std::int16_t PageNumber = 0;
    std::int16_t CopyCount = 1;
    bool PrintCompanyHeader = true;
    bool PrintJobData = true;
};

// The lists the project offers for \p outputTarget (1..6), in offered order.
// Throws RuntimeError (naming the file) when the offer needs ".BAU" and it
// does not open.
std::vector<ListKey> OfferedLists(ListProject& p, int outputTarget);

// The caption of \p key: the catalogue text of an identifier, or the text
// of a coefficient key itself.
std::string ListCaption(ListProject& p, const ListKey& key);

// One list run.
struct ListRunOrder {
    int OutputTarget = 1; // 1..6
    // Targets 1 and 2: the one key shown; targets 3 to 6: ChosenLists.
    ListKey CurrentListKey = 0L;
    std::vector<ListKey> ChosenLists;
    PageSink* Pages = nullptr; // printed targets (3, 4): where full pages go
    TextSink* Text = nullptr; // other targets: optional streaming of the text
    // The list generation window: its progress labels show each file read,
    // and it is unloaded when a missing file aborts the run (may be null).
    ProgressWindow* Window = nullptr;
};

struct ListRunText {
    bool Completed = false; // false: aborted (reported) or cancelled
    bool Cancelled = false;
    // The list text (targets 1, 2, 5, 6) unless it was streamed to Text.
    std::string Text;
    // PageNumber after the run: the number of the last page header (a next
    // copy goes on from it), NoPageNumbers when pages are not numbered.
    std::int16_t PageNumber = 0;
    // "key caption" of the chosen keys that have no section writer.
    std::vector<std::string> Unavailable;
};

// Runs the list of \p order on the page of \p page: the writer state is
// made from the page settings and the project's job data, the run goes over
// the keys of the target, and for printed output once per copy
// (CopyCount). Target 1 gives the data section's text without page
// headers; target 2 writes only a text result key (IsTextResultKey), any
// other key leaves the text empty (it is read with ResultGrid). An aborted
// run (reported through the host) or a cancelled one leaves no text and no
// Unavailable entries; text already streamed to Text stays with the sink.
ListRunText RunLists(ListProject& p, const ListPageSettings& page, const ListRunOrder& order);

// True when a key of the result list is shown as text (the five summary
// sections); every other result key is shown as a grid (ResultGrid).
bool IsTextResultKey(const ListKey& key);

// The header of the first printed page of result key \p key (company
// header, job data, list title, page number) as a printed list starts with
// it: for a page that shows something other than list text, a picture.
std::string FirstPageHeader(ListProject& p, const ListPageSettings& page, const ListKey& key);

} // namespace teska
