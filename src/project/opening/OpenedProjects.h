// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The projects that are open, in the order they were opened, and the active
// one. Entries are full project paths compared exactly (case-sensitively);
// the navigator keys its top-level entries by the same paths.

#include <string>
#include <vector>

#include "project/opening/ProjectRelease.h"

namespace teska {

struct OpenedProjects {
    std::vector<std::string> Paths; // entry i (from 1) is Paths[i - 1]
    std::size_t CurrentProject = 0; // 1-based; 0 when none is open

    std::size_t Count() const { return Paths.size(); }
    // 1-based index of \p path, 0 when it is not open.
    std::size_t IndexOf(const std::string& path) const;
    const std::string& Current() const; // "" when none
};

// Registers \p projectPath: when it is open already, makes it current and
// sets \p alreadyOpen; otherwise appends it, makes it current and clears
// \p alreadyOpen. Returns the 1-based index of its entry.
std::size_t IsProjectOpened(OpenedProjects& projects, const std::string& projectPath, bool& alreadyOpen);

struct CloseResult {
    std::string ClosedPath; // "" when nothing was open
    short Released = 0; // ProjectRelease's answer
    std::string NewCurrent; // the project to activate; "" when none is left
    bool MenusEnabled = false; // Close command, export and List menu
};

// Closes the current project: releases it (path without its last four
// characters, \p releaseKey), removes its entry (later ones move down) and
// keeps CurrentProject in range.
CloseResult CloseProject(OpenedProjects& projects, const LockOwner& releaseKey);

// Releases every project still open (the user ends the program).
void ReleaseAllProjects(OpenedProjects& projects, const LockOwner& releaseKey);

} // namespace teska
