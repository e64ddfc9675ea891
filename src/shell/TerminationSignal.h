// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// SIGTERM (a session ending, `kill`) ends the window program the way its
// Exit command does, without the question: settings and layout saved,
// project locks released.

namespace teska {

class MDIList;

// From now on SIGTERM shuts \p window down and quits the event loop.
void ShutDownOnTermination(MDIList& window);

} // namespace teska
