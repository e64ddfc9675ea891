// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The list run: what the list generation window does on its first
// activation. It walks the chosen keys of the output target and writes one
// section per key through the list writer: the data sections (targets 1, 3
// and 6), the summary sections and result tables (targets 2, 4 and 5).
//
// Every section reads its files before it writes a line. A file that cannot
// be read ends the run: the error names the file, it is reported through the
// host, the run state becomes 3 (aborted) and ListText is emptied, so an
// aborted run leaves no partial list. A cancelled run (SuiteTools) ends at
// the next check and keeps nothing either.
//
// One call is one copy: a printed list with several copies runs once per
// copy, the way the window is shown once per copy.

#include <functional>
#include <vector>

#include "lists/choice/ListKey.h"
#include "lists/sections/SectionContent.h"

namespace teska {

class ListWriter;

struct ListRunRequest {
    int OutputTarget = 1; // 1..6
    // The key of targets 1 and 2 (one section).
    ListKey CurrentListKey = 0L;
    // The keys of targets 3 to 6, in the order chosen (at most 18).
    std::vector<ListKey> ChosenLists;
};

enum class ListRunOutcome {
    Completed, // the dialog result is set
    Aborted, // a file could not be read (run state 3)
    Cancelled, // SuiteTools ended the run
};

struct ListRunResult {
    ListRunOutcome Outcome = ListRunOutcome::Completed;
    // Keys for which this program has no section writer (nothing written).
    std::vector<ListKey> Unavailable;
};

// What the run asks of the program around it.
struct ListRunHooks {
    // Printed targets (3, 4): applies the printer device settings at the
    // start of the run and again after an aborted run.
    std::function<void()> ApplyPrinterSettings;
};

// Runs the list of \p request. The writer's state carries the page raster,
// the header switches and the project's job data; OutputTarget and
// CurrentListKey are set here. \p inputs.OutputTarget is ignored (the
// request's target is used). The text stays in the writer's ListText
// (targets 1, 2, 5, 6); printed pages went to the writer's sink.
ListRunResult RunList(const SectionInputs& inputs, ListWriter& writer, const ListRunRequest& request,
    const ListRunHooks& hooks = {});

// True for the six sections of the result list that the list run writes from
// their own files (the five summary sections and key 142).
bool IsSummaryListKey(const ListKey& key);

} // namespace teska
