// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A table as comma-separated text (RFC 4180).

#include <ostream>

namespace teska {

class SheetTable;

// Writes \p table to \p out: one heading record (each heading's lines
// joined by blanks), then one record per row with the cell texts the list
// shows (a dot as the decimal separator). Fields holding a comma, a double
// quote, CR or LF are quoted, with quotes doubled; records end with CR LF.
void WriteCsv(std::ostream& out, const SheetTable& table);

} // namespace teska
