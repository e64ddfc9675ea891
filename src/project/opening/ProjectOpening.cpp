// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/opening/ProjectOpening.h"

#include "project/opening/ProjectReader.h"

namespace teska {

void SplitProjectPath(const std::string& path, std::string& directory, std::string& baseName)
{
    const std::size_t slash = path.find_last_of('/');
    directory = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    baseName = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

OpenCommandResult OpenProjectFromPath(OpeningSession& session, const std::string& path)
{
    OpenCommandResult result;
    const ProjectCheck check = ProjectReader::CheckProjectFile(path);
    if (!check) {
        result.Reason = check.Reason;
        return result;
    }
    session.state.ProjectPath = path;
    SplitProjectPath(path, session.state.ProjectDirectory, session.state.ProjectBaseName);
    bool alreadyOpen = false;
    result.Index = IsProjectOpened(session.projects, path, alreadyOpen);
    if (alreadyOpen) {
        // Selecting the existing entry re-activates it as a click would.
        result.Outcome = OpenCommandOutcome::Activated;
        result.Open = OpenProject(session.state, session.context, false);
        return result;
    }
    result.Outcome = OpenCommandOutcome::Opened;
    result.Open = OpenProject(session.state, session.context, true);
    AddRecentFile(session.settings, path, session.recent);
    return result;
}

OpenCommandResult OpenRecentFile(OpeningSession& session, int index)
{
    const std::string path = GetRecentFile(session.settings, index);
    LoadRecentList(session.settings, session.recent);
    if (path.empty()) {
        OpenCommandResult result;
        result.Outcome = OpenCommandOutcome::NoEntry;
        return result;
    }
    return OpenProjectFromPath(session, path);
}

} // namespace teska
