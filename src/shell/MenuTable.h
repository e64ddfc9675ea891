// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one menu tree of the main window: every item's key, parent, image,
// shortcut and caption identifier, in creation order. The key becomes the
// QAction's objectName, so a click reaches its command by key.

#include <array>
#include <string>
#include <vector>

#include "suite/TextCatalogue.h"

namespace teska {

struct MenuEntry {
    std::string Key;
    std::string Parent; // "" for the root "MENUBAR"
    int Image = -1; // position in the image strip; -1 none
    std::string Shortcut;
    long CaptionId = 0; // 0: caption set later (recent files, windows, separators)
    TextArgs CaptionArgs; // option and marker arguments of LookupText
    bool Separator = false;
};

// The five top-level menus that also name the five command bars.
inline const std::array<const char*, 5> BarKeys
    = {"mnuFile", "mnuListe", "mnuFormat", "MnuWindow", "mnuHelp"};
// The "Settings" key that stores the visibility of command bar i.
inline const std::array<const char*, 5> BarSettingKeys
    = {"File Bar", "List Bar", "Format Bar", "Window Bar", "Help Bar"};

// The whole tree; images are numbered 0 to 19 in creation order.
const std::vector<MenuEntry>& MenuTable();

// An indexed key: prefix, decimal index, ")"; e.g. IndexedKey("MnuForms(", 3).
std::string IndexedKey(const std::string& prefix, int index);

// The dispatch of an indexed key by its prefix.
enum class IndexedCommand { None, ToggleBar, RecentFile, Arrange, Forms };
struct IndexedClick {
    IndexedCommand Command = IndexedCommand::None;
    int Index = 0;
};
// Compares the first 14, 13, 16 or 8 characters with "MnuVeiwToolBar",
// "MnuRecentFile", "MnuWindowArrange" and "MnuForms"; the index is the whole
// number between the parentheses (None when there is none).
IndexedClick ParseIndexedKey(const std::string& key);

} // namespace teska
