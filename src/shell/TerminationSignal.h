// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// SIGTERM (a session ending, `kill`) ends the window program the way its
// Exit command does, without the question: settings and layout saved,
// project locks released.

namespace teska {

class MDIList;

// Catches SIGTERM from now on; call it first thing, before a project can be
// opened, so that no SIGTERM is lost before the window exists.
void CatchTermination();
// A caught SIGTERM (also one caught before) shuts \p window down and quits
// the event loop.
void ShutDownOnTermination(MDIList& window);

} // namespace teska
