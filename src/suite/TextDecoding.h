// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Text written by the suite's Windows programs: UTF-8 when the bytes are
// valid UTF-8, else Windows-1252. Lines end with CRLF or LF.

#include <string>
#include <string_view>
#include <vector>

namespace teska {

// True when \p bytes is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view bytes);

// \p bytes as UTF-8: unchanged when valid UTF-8, else read as Windows-1252.
// A leading UTF-8 byte order mark is dropped.
std::string DecodeSuiteText(std::string_view bytes);

// Splits decoded text into lines; "\r\n" and "\n" both end a line, a final
// line without an end is kept, an empty text gives no lines.
std::vector<std::string> SplitLines(std::string_view text);

} // namespace teska
