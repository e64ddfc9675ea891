// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The lists of one opened project for the batch tool: the offered lists,
// the keys named on the command line, and the result list run over the
// chosen keys for the editor target (text) and the print target (pages).

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "PageSettings.h"
#include "ReportOptions.h"
#include "lists/choice/ListKey.h"
#include "lists/format/NumberFormats.h"
#include "project/opening/ProjectState.h"

namespace teska {
class Session;
class PageSink;
class TextCatalogue;
class TextSink;
} // namespace teska

namespace teska::report {

struct ReportProject {
    Session& session;
    ProjectState& project;
    const NumberFormats& formats;
    long TermId = 0;
};

// The lists the project offers for \p outputTarget (1..6), in offered order.
// Throws RuntimeError when the offer needs ".BAU" and it does not open.
std::vector<ListKey> OfferedLists(ReportProject& p, int outputTarget);

// Writes the four offers (data and results, for viewing and for printing)
// as "key TAB caption" lines under "#" headings. A coefficient list is
// written by its position (1-based) in the offer for viewing results. An
// offer that cannot be built (".BAU" needed and unreadable) stays empty and
// is reported on \p err; the result is then false.
bool WriteOffered(ReportProject& p, std::ostream& out, std::ostream& err);

// The keys of \p selection among \p offered: "all" = every offered key; a
// whole number is a caption identifier, or, when \p byPosition and it names
// a coefficient list's position in \p offered, that list. Throws UsageError
// for a key that is not offered, a non-number, or more than 18 keys.
std::vector<ListKey> ChooseKeys(const ListSelection& selection, const std::vector<ListKey>& offered,
    bool byPosition, const TextCatalogue& catalogue);

// The result list of \p keys for target 5 (text) or 4 (pages to \p sink;
// CopyCount runs). The text is returned, or with \p text streamed into it
// while it is written (the result is then empty). Returns nullopt when the
// run was aborted (a missing or unreadable file, reported through the host).
std::optional<std::string> RunResultList(ReportProject& p, const PageSettings& page,
    const std::vector<ListKey>& keys, int outputTarget, PageSink* sink, std::vector<std::string>& skipped,
    TextSink* text = nullptr);

// The data list of \p keys for target 6 (text, as above) or 3 (pages to
// \p sink; CopyCount runs). Keys without a section writer are added to
// \p skipped. Returns nullopt when the run was aborted.
std::optional<std::string> RunDataList(ReportProject& p, const PageSettings& page,
    const std::vector<ListKey>& keys, int outputTarget, PageSink* sink, std::vector<std::string>& skipped,
    TextSink* text = nullptr);

// What the viewer shows for the data section \p key (target 1): its text
// without page headers; nullopt when aborted.
std::optional<std::string> ViewDataList(
    ReportProject& p, const PageSettings& page, const ListKey& key, std::vector<std::string>& skipped);

// What the viewer shows for \p key: for a summary section its text; for a result table the heading row and
// the rows as tab-separated text; nullopt when aborted.
std::optional<std::string> ViewResultList(
    ReportProject& p, const PageSettings& page, const ListKey& key, std::vector<std::string>& skipped);

} // namespace teska::report
