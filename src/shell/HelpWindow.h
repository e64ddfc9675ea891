// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The manual (HTML pages named by topic in the help folder) and the About box.

#include <QString>

class QWidget;

namespace teska {

// TESKA_HELP_DIR when set, else the installed help folder, else the source
// tree's data/help; ends with "/".
QString HelpDirectory();
// The page of \p topic ("Titel", "2", "6_1" ...): HelpDirectory() + topic + ".html".
QString HelpPage(const QString& topic);
// Shows the topic in the one help window (created on first use).
void ShowHelp(QWidget* owner, const QString& topic);
// Program name, version, the project's analysis method and whether it has
// results of option 13.
QString AboutText(int analysisMethod, bool resultSwitch14);
void ShowAbout(QWidget* owner, const QString& title, int analysisMethod, bool resultSwitch14);

} // namespace teska
