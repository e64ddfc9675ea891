// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Steps shared by the project data readers: the signature line and 32-bit
// counts checked against the file size.

#include <cstdint>
#include <string>

namespace teska {

class FieldReader;

namespace data {

// Reads line 1 and refuses the file unless it is \p signature (trailing
// blanks and a UTF-8 byte order mark are tolerated).
void ExpectSignature(FieldReader& in, const char* signature);

// Reads a 32-bit count named \p what; refuses a negative count and one whose
// items of \p fieldsPerItem fields (one byte each at least) cannot be in
// the file.
std::int32_t ReadCount32(FieldReader& in, const char* what, long fieldsPerItem);

// Writer side: refuses texts that a quoted field cannot hold.
void CheckQuotable(const std::string& text, const char* what);

} // namespace data
} // namespace teska
