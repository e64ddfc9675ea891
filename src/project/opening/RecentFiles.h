// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The recent-file list of the File menu: at most five full project paths,
// the latest first, stored in the program's settings file (TESKA-List.ini,
// section "Recent Files", keys File1 to File5).

#include <array>
#include <string>
#include <vector>

namespace teska {

class SettingsStore;

inline constexpr std::size_t kRecentFileCount = 5;
inline constexpr const char* kRecentFilesSection = "Recent Files";

// One menu entry "MnuRecentFile(i)".
struct RecentFileRecord {
    std::string Caption; // "&1 " + path for entry 0, and so on
    bool Visible = false;
};
using RecentFileTable = std::array<RecentFileRecord, kRecentFileCount>;

// The stored paths (empty and duplicate entries dropped, at most five).
std::vector<std::string> LoadRecentPaths(const SettingsStore& store);

// Fills the five records from the stored list.
void LoadRecentList(const SettingsStore& store, RecentFileTable& records);

// Puts \p path at the head (moving it up when it is there already, dropping
// the sixth), stores the list in \p store and saves it when the store has a
// path, then fills \p records. Returns false when the save failed (the
// records are filled all the same).
bool AddRecentFile(SettingsStore& store, const std::string& path, RecentFileTable& records);

// The stored path of entry \p index (0 to 4); "" when there is none.
std::string GetRecentFile(const SettingsStore& store, int index);

} // namespace teska
