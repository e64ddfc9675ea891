// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Exported files appear whole or not at all: the writer fills a temporary
// file beside the target, which is then renamed to the target. An export
// of the window never replaces an older one; the batch tool replaces the
// file it was told to write.

#include <functional>
#include <string>

namespace teska {

// Where an export goes: a given file (replaced when it exists), or a new
// file in \p folder named "<stem>.<extension>", "<stem> (2).<extension>",
// ... whichever does not exist yet.
struct ExportTarget {
    std::string path; // a given file; empty: a new file in folder
    std::string folder; // ends with "/"
    std::string stem;
    std::string extension; // without the dot
};

// The file name stem of an export of the list \p caption of the project
// \p projectBaseName: "<base> - <caption>", with the characters a file name
// cannot hold ('/', control characters) replaced by blanks, runs of blanks
// made one, and at most 120 characters (cut at a character boundary).
std::string ExportStem(const std::string& projectBaseName, const std::string& caption);

// Calls \p write with the path of a new, empty temporary file beside the
// target; on its return puts the file in place and returns the final path.
// When \p write throws, or the file cannot be created or put in place, the
// temporary file is removed, nothing else changes, and FileAccessError
// naming the target (with the reason \p write gave) is thrown.
std::string WriteExportFile(
    const ExportTarget& target, const std::function<void(const std::string& temporary)>& write);

} // namespace teska
