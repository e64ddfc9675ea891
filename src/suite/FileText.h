// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Whole-file reading with a size limit and atomic whole-file writing, shared
// by the settings store and the text catalogue.

#include <cstddef>
#include <string>

namespace teska {

// The bytes of \p path. Throws FileAccessError when the file cannot be opened
// or read, and FileFormatError when it is larger than \p maxBytes.
std::string ReadWholeFile(const std::string& path, std::size_t maxBytes);

// Writes \p content to \p path so that a reader sees either the old file or
// the complete new one: the bytes go to a temporary file in the same folder,
// which is flushed and then renamed over \p path. On failure the temporary
// file is removed and FileAccessError is thrown; \p path is left untouched.
void WriteFileAtomically(const std::string& path, const std::string& content);

} // namespace teska
