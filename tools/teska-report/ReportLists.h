// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The command-line side of the lists of one opened project: the offered
// lists written for --offered, and the keys named on the command line. The
// lists themselves are run by the engine (lists/run/ListRequests.h).

#include <ostream>
#include <string>
#include <vector>

#include "ReportOptions.h"
#include "lists/choice/ListKey.h"
#include "lists/run/ListRequests.h"

namespace teska::report {

// Writes the four offers (data and results, for viewing and for printing)
// as "key TAB caption" lines under "#" headings. A coefficient list is
// written by its position (1-based) in the offer for viewing results. An
// offer that cannot be built (".BAU" needed and unreadable) stays empty and
// is reported on \p err; the result is then false.
bool WriteOffered(ListProject& p, std::ostream& out, std::ostream& err);

// The keys of \p selection among \p offered: "all" = every offered key; a
// whole number is a caption identifier, or, when \p byPosition and it names
// a coefficient list's position in \p offered, that list. Throws UsageError
// for a key that is not offered, a non-number, or more than 18 keys.
std::vector<ListKey> ChooseKeys(
    const ListSelection& selection, const std::vector<ListKey>& offered, bool byPosition);

} // namespace teska::report
