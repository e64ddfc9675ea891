// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MenuTable.h"

#include <charconv>

namespace teska {

namespace {

std::vector<MenuEntry> buildTable()
{
    std::vector<MenuEntry> t;
    int image = 0;
    auto item = [&](std::string key, std::string parent, bool withImage, std::string shortcut, long id,
                    TextArgs args = {}) {
        MenuEntry e{std::move(key), std::move(parent), withImage ? image++ : -1, std::move(shortcut), id,
            std::move(args), false};
        t.push_back(std::move(e));
    };
    auto separator = [&](std::string key, std::string parent) {
        t.push_back(MenuEntry{std::move(key), std::move(parent), -1, "", 0, {}, true});
    };
    const TextArgs one{1L};
    const TextArgs three{3L};
    const TextArgs program{33L, std::string("|1"), 160024L};

    item("MENUBAR", "", false, "", 71);
    item("mnuFile", "MENUBAR", false, "", 107, one);
    item("MnuFileOpen", "mnuFile", true, "Ctrl+O", 124, three);
    item("mnuFileClose", "mnuFile", false, "", 60001, one);
    separator("mnuFileDash1", "mnuFile");
    item("MnuFilePrinter", "mnuFile", true, "Ctrl+P", 90084, three);
    separator("mnuDashExport", "mnuFile");
    item("MnuExportWord", "mnuFile", true, "", 90096, one);
    item("MnuExportExcel", "mnuFile", true, "", 40086, one);
    for (int i = 0; i < 5; ++i)
        item(IndexedKey("MnuRecentFile(", i), "mnuFile", false, "", 0);
    separator("mnuFileDash2", "mnuFile");
    item("mnuFileExit", "mnuFile", true, "Ctrl+Q", 110, one);
    item("MnuVeiw", "MENUBAR", false, "", 116, one);
    item("MnuTrvData", "MnuVeiw", false, "", 90091, one);
    separator("MnuVeiwDash0", "MnuVeiw");
    item("MnuStatusBar", "MnuVeiw", false, "", 79, one);
    separator("MnuVeiwDash1", "MnuVeiw");
    item("mnu_Toolbar", "MnuVeiw", false, "", 115, one);
    for (int i = 0; i < 5; ++i)
        item(IndexedKey("MnuVeiwToolBar(", i), "mnu_Toolbar", false, "", 0);
    separator("MnuVeiwDashRestToolBar", "mnu_Toolbar");
    item("mnuResetToolbar", "mnu_Toolbar", false, "", 69);
    item("mnuListe", "MENUBAR", false, "", 90182);
    item("mnuViewData", "mnuListe", true, "", 90085, one);
    item("mnuPrintData", "mnuListe", true, "", 90086, one);
    item("mnuDataTextEditor", "mnuListe", true, "", 90087, one);
    separator("MnuListeDash1", "mnuListe");
    item("mnuViewResult", "mnuListe", true, "", 90088, one);
    item("mnuPrintResult", "mnuListe", true, "", 90089, one);
    item("mnuResultTextEditor", "mnuListe", true, "", 90090, one);
    item("mnuFormat", "MENUBAR", false, "", 21, one);
    item("mnuPageFormat", "mnuFormat", true, "", 140166, three);
    item("mnuFontFormat", "mnuFormat", true, "", 14, three);
    item("mnuLanguage", "mnuFormat", false, "", 170006, three);
    item("MnuWindow", "MENUBAR", false, "", 22, one);
    item(IndexedKey("MnuWindowArrange(", 0), "MnuWindow", true, "", 90092, one);
    item(IndexedKey("MnuWindowArrange(", 1), "MnuWindow", true, "", 90093, one);
    item(IndexedKey("MnuWindowArrange(", 2), "MnuWindow", true, "", 90094, one);
    item(IndexedKey("MnuWindowArrange(", 3), "MnuWindow", false, "", 90095, one);
    for (int i = 0; i < 10; ++i)
        item(IndexedKey("MnuForms(", i), "MnuWindow", false, "", 0);
    item("mnuHelp", "MENUBAR", false, "", 8, one);
    item("mnuHelpContents", "mnuHelp", true, "", 80, one);
    item("mnuShortDescription", "mnuHelp", true, "", 82, program);
    item("mnuNewVersion", "mnuHelp", true, "", 81, program);
    separator("mnuHelpDash", "mnuHelp");
    item("mnuAbout", "mnuHelp", true, "", 114, program);
    return t;
}

} // namespace

const std::vector<MenuEntry>& MenuTable()
{
    static const std::vector<MenuEntry> table = buildTable();
    return table;
}

std::string IndexedKey(const std::string& prefix, int index)
{
    return prefix + std::to_string(index) + ")";
}

IndexedClick ParseIndexedKey(const std::string& key)
{
    struct Prefix {
        const char* Text;
        std::size_t Length;
        IndexedCommand Command;
    };
    static const Prefix prefixes[] = {
        {"MnuVeiwToolBar", 14, IndexedCommand::ToggleBar},
        {"MnuRecentFile", 13, IndexedCommand::RecentFile},
        {"MnuWindowArrange", 16, IndexedCommand::Arrange},
        {"MnuForms", 8, IndexedCommand::Forms},
    };
    const auto open = key.find('(');
    const auto close = key.find(')', open == std::string::npos ? 0 : open);
    if (open == std::string::npos || close == std::string::npos)
        return {};
    int index = 0;
    const char* first = key.data() + open + 1;
    const char* last = key.data() + close;
    const auto [end, error] = std::from_chars(first, last, index);
    if (error != std::errc() || end != last)
        return {};
    for (const Prefix& p : prefixes)
        if (key.compare(0, p.Length, p.Text) == 0)
            return {p.Command, index};
    return {};
}

} // namespace teska
