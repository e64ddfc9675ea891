// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The commands that open a project from a path (command line, the open
// dialog's choice) or from an entry of the recent-file list: check the file,
// register it among the open projects, read it, and put it at the top of
// the recent-file list.

#include <string>

#include "project/opening/OpenProject.h"
#include "project/opening/OpenedProjects.h"
#include "project/opening/RecentFiles.h"

namespace teska {

class SettingsStore;

// Everything the opening commands change.
struct OpeningSession {
    ProjectState& state;
    OpenedProjects& projects;
    SettingsStore& settings; // holds the recent-file list
    RecentFileTable& recent;
    OpeningContext& context;
};

enum class OpenCommandOutcome {
    Refused, // not a project file; nothing changed
    NoEntry, // an empty recent-file entry
    Activated, // already open: made current and read again (no announcement)
    Opened, // registered and read; see Open for how far reading went
};

struct OpenCommandResult {
    OpenCommandOutcome Outcome = OpenCommandOutcome::Refused;
    std::size_t Index = 0; // 1-based entry in OpenedProjects
    OpenResult Open;
    std::string Reason; // with Refused: why, naming the file
};

// Splits \p path into its directory (with the trailing separator) and its
// base name (the file name without its last extension).
void SplitProjectPath(const std::string& path, std::string& directory, std::string& baseName);

// Opens \p path. A refused file leaves the current project as it was; a new
// project is added to the recent-file list (as given) after it is read.
OpenCommandResult OpenProjectFromPath(OpeningSession& session, const std::string& path);

// Opens the project of recent-file entry \p index (0 to 4).
OpenCommandResult OpenRecentFile(OpeningSession& session, int index);

} // namespace teska
