// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/opening/RecentFiles.h"

#include <algorithm>

#include "suite/Errors.h"
#include "suite/SettingsStore.h"

namespace teska {

namespace {

std::string KeyOf(std::size_t index)
{
    return "File" + std::to_string(index + 1);
}

void StorePaths(SettingsStore& store, const std::vector<std::string>& paths)
{
    for (std::size_t i = 0; i < kRecentFileCount; ++i) {
        if (i < paths.size())
            store.SetValue(kRecentFilesSection, KeyOf(i), paths[i]);
        else
            store.Remove(kRecentFilesSection, KeyOf(i));
    }
}

void FillRecords(const std::vector<std::string>& paths, RecentFileTable& records)
{
    for (std::size_t i = 0; i < kRecentFileCount; ++i) {
        if (i < paths.size())
            records[i] = {"&" + std::to_string(i + 1) + " " + paths[i], true};
        else
            records[i] = {};
    }
}

} // namespace

std::vector<std::string> LoadRecentPaths(const SettingsStore& store)
{
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < kRecentFileCount; ++i) {
        // Paths are the file system's bytes, whatever their encoding.
        const std::string path = store.RawValue(kRecentFilesSection, KeyOf(i));
        if (!path.empty() && std::find(paths.begin(), paths.end(), path) == paths.end())
            paths.push_back(path);
    }
    return paths;
}

void LoadRecentList(const SettingsStore& store, RecentFileTable& records)
{
    FillRecords(LoadRecentPaths(store), records);
}

bool AddRecentFile(SettingsStore& store, const std::string& path, RecentFileTable& records)
{
    std::vector<std::string> paths = LoadRecentPaths(store);
    if (!path.empty()) {
        paths.erase(std::remove(paths.begin(), paths.end(), path), paths.end());
        paths.insert(paths.begin(), path);
        if (paths.size() > kRecentFileCount)
            paths.resize(kRecentFileCount);
    }
    StorePaths(store, paths);
    FillRecords(paths, records);
    if (store.path().empty())
        return true;
    try {
        store.Save();
    } catch (const RuntimeError&) {
        return false;
    }
    return true;
}

std::string GetRecentFile(const SettingsStore& store, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= kRecentFileCount)
        return {};
    const std::vector<std::string> paths = LoadRecentPaths(store);
    return static_cast<std::size_t>(index) < paths.size() ? paths[static_cast<std::size_t>(index)]
                                                          : std::string();
}

} // namespace teska
