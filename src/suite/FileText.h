// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Whole-file reading with a size limit and atomic whole-file writing, shared
// by the settings store and the text catalogue.

#include <cstddef>
#include <string>

namespace teska {

// Why \p path cannot be read as a file: empty when it is a readable regular
// file, else "does not exist", "is a folder", "is a named pipe", "is a
// socket", "is a device" or the system's reason. Looks at the file without
// opening it, so that a pipe without a writer cannot block the program.
std::string RegularFileProblem(const std::string& path);

// The bytes of \p path. Anything but a regular file is refused before it is
// opened, and the open cannot block. Throws FileAccessError when the file
// cannot be opened or read, and FileFormatError when it is larger than
// \p maxBytes (nothing beyond that is read).
std::string ReadWholeFile(const std::string& path, std::size_t maxBytes);
// The first \p bytes of \p path (all of it when it is shorter), with the
// checks of ReadWholeFile; the rest is not read.
std::string ReadFileStart(const std::string& path, std::size_t bytes);

// Writes \p content to \p path so that a reader sees either the old file or
// the complete new one: the bytes go to a temporary file in the same folder,
// which is flushed and then renamed over \p path. On failure the temporary
// file is removed and FileAccessError is thrown; \p path is left untouched.
void WriteFileAtomically(const std::string& path, const std::string& content);

} // namespace teska
