// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Start-up: the program's identity, the settings the lists need, the main
// window with its menus and bars and their stored layout, and the project
// named on the command line.

#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "suite/SettingsStore.h"

namespace teska {

class MDIList;

inline constexpr const char* kAutomationSwitch = "--automation";

// True when the program was started as an automation server: the first
// argument after the program name is "--automation".
bool StartedAsAutomation(const QStringList& arguments);
// The command line as one string: every argument after the program name,
// joined by blanks (a path with blanks may come in several pieces).
QString CommandLineOf(const QStringList& arguments);

// The path of a command line: blanks trimmed, then one leading and one
// trailing double quote removed.
std::string CleanProjectPath(const std::string& commandLine);

// Takes "--lang CODE" or "--lang=CODE" out of \p arguments (the program
// name first) and returns CODE; empty when none is given. The language of a
// start then wins over TESKA_LANG and the suite setting.
std::string TakeLanguageOption(std::vector<std::string>& arguments);

// Runs the start-up sequence and returns the window (shown unless started
// as an automation server). \p settingsDirectory empty: from the environment.
// \p rawCommandLine: the arguments after the program name as the bytes the
// system gave, joined by blanks (a path that is not UTF-8 survives only
// so); empty: taken from \p arguments. \p language: the catalogue language
// of this start (empty: TESKA_LANG, else the suite setting).
std::unique_ptr<MDIList> Main(const QStringList& arguments, const std::string& settingsDirectory = {},
    const std::string& rawCommandLine = {}, const std::string& language = {});

// Opens the project of \p path if it names a usable "*.PO1" file (upper-case
// extension only); anything else is reported, naming the file, and ignored.
void OpenProjectFromPath(MDIList& window, const std::string& path);

} // namespace teska
