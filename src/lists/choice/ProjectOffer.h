// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The offer state of an opened project: its analysis method and
// availability switches, and the boring count of its ".BAU" file, read
// only when an offer rule asks for it.

#include "lists/choice/ListCandidates.h"

namespace teska {

class Host;
struct ProjectState;

// \p project must outlive the returned state (its BauCount reads the
// project's ".BAU" file). A missing or empty ".BAU" gives nullopt silently;
// a corrupt one gives nullopt and is reported through \p host when given.
OfferState OfferStateFor(const ProjectState& project, int outputTarget, long termId, Host* host = nullptr);

} // namespace teska
