// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/opening/OpenedProjects.h"

namespace teska {

namespace {

std::string WithoutExtension(const std::string& path)
{
    return path.size() >= 4 ? path.substr(0, path.size() - 4) : std::string();
}

} // namespace

std::size_t OpenedProjects::IndexOf(const std::string& path) const
{
    for (std::size_t i = 0; i < Paths.size(); ++i)
        if (Paths[i] == path)
            return i + 1;
    return 0;
}

const std::string& OpenedProjects::Current() const
{
    static const std::string none;
    return CurrentProject >= 1 && CurrentProject <= Paths.size() ? Paths[CurrentProject - 1] : none;
}

std::size_t IsProjectOpened(OpenedProjects& projects, const std::string& projectPath, bool& alreadyOpen)
{
    const std::size_t index = projects.IndexOf(projectPath);
    alreadyOpen = index != 0;
    if (alreadyOpen) {
        projects.CurrentProject = index;
        return index;
    }
    projects.Paths.push_back(projectPath);
    projects.CurrentProject = projects.Paths.size();
    return projects.CurrentProject;
}

CloseResult CloseProject(OpenedProjects& projects, const LockOwner& releaseKey)
{
    CloseResult result;
    if (projects.CurrentProject < 1 || projects.CurrentProject > projects.Paths.size()) {
        result.MenusEnabled = !projects.Paths.empty();
        return result;
    }
    result.ClosedPath = projects.Paths[projects.CurrentProject - 1];
    result.Released = ProjectRelease(WithoutExtension(result.ClosedPath), releaseKey);
    projects.Paths.erase(projects.Paths.begin() + static_cast<std::ptrdiff_t>(projects.CurrentProject - 1));
    if (projects.CurrentProject > projects.Paths.size())
        projects.CurrentProject = projects.Paths.size();
    result.NewCurrent = projects.Current();
    result.MenusEnabled = !projects.Paths.empty();
    return result;
}

void ReleaseAllProjects(OpenedProjects& projects, const LockOwner& releaseKey)
{
    for (const std::string& path : projects.Paths)
        ProjectRelease(WithoutExtension(path), releaseKey);
}

} // namespace teska
