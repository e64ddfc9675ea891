// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Reading the current project when it is opened or activated again:
// options, availability switches, job description, punching and design
// parameter files, slab marks, menu state and caption, in that order, with
// the early ends that a missing .P23 or an unopenable .P21 cause.

#include <functional>
#include <string>
#include <utility>

#include "project/opening/ProjectRelease.h"
#include "project/opening/ProjectState.h"

namespace teska {

class Host;

// Caption identifiers used while opening.
inline constexpr long kOpeningStatusId = 40010;
inline constexpr long kMainCaptionId = 160024;

// What OpenProject needs from around it.
struct OpeningContext {
    explicit OpeningContext(Host& reportTo, std::function<std::string(long)> lookup = {})
        : host(reportTo)
        , lookupText(std::move(lookup))
    { }

    Host& host;
    // LookupText of the text catalogue.
    std::function<std::string(long)> lookupText;
    bool StartedByGroup = false;
    // Group mode: hands the project path to the group program (its
    // "PrjFileName" property and "Update_File" with 3).
    std::function<void(const std::string& projectPath)> groupHandOver;
    // Fresh openings: the announcement of the project to the suite's tools.
    std::function<void(const std::string& directory, const std::string& baseName)> announce;
    // The owner written into lock files.
    LockOwner self = ThisProcess();
};

enum class OpenOutcome {
    Opened, // every step ran; menus enabled, caption set
    OptionsUnread, // the project file could not be read: nothing changed
    NoDesignParameters, // ResultSwitch6 but no .P23: menus and caption unchanged
    SlabFileUnopened, // .P21 passed the check but could not be opened: menus unchanged
    Failed, // a trapped error in a sibling file, reported through the host
};

struct OpenResult {
    OpenOutcome Outcome = OpenOutcome::Failed;
    LockResult Lock = LockResult::Failed; // of fresh openings only
    LockOwner LockHolder; // with HeldByOther: who holds the project
};

// The project file: ProjectPath as chosen (its extension may be in any
// case), or ProjectDirectory + ProjectBaseName + ".PO1" when it is empty.
std::string ProjectFilePath(const ProjectState& state);

// Reads the project named by state's ProjectDirectory, ProjectBaseName and
// ProjectPath. \p fresh marks a new opening (announce, lock) as opposed to
// a re-activation. Errors of the project file and of sibling files are
// caught here and reported through the host with the file and place.
OpenResult OpenProject(ProjectState& state, OpeningContext& context, bool fresh);

} // namespace teska
