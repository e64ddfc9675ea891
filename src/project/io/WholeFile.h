// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Reading a file whole and replacing a file atomically, shared by the text
// and record file classes.

#include <cstddef>
#include <string>
#include <string_view>

namespace teska {

// Files larger than this are refused rather than read into memory.
constexpr std::size_t MaxListFileBytes = std::size_t(1) << 30;

// The bytes of \p path; throws FileAccessError naming the file when it is
// missing, not a regular file, unreadable or larger than MaxListFileBytes.
std::string ReadWholeFile(const std::string& path);
// The first \p bytes of \p path (all of it when it is shorter), with the
// errors of ReadWholeFile but the size limit; the rest is not read.
std::string ReadListFileStart(const std::string& path, std::size_t bytes);

// The temporary file beside \p path into which a save writes first.
std::string TemporaryPathFor(const std::string& path);

// Writes \p bytes to \p temporary, then renames it over \p path; on any
// failure the temporary file is removed and FileAccessError names \p path.
void ReplaceFileWith(const std::string& temporary, const std::string& path, std::string_view bytes);

// ReplaceFileWith through TemporaryPathFor(path).
void WriteFileAtomically(const std::string& path, std::string_view bytes);

} // namespace teska
