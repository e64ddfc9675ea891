// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/CsvText.h"

#include <string>

#include "export/SheetTable.h"

namespace teska {

namespace {

void Field(std::ostream& out, const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        out << text;
        return;
    }
    out << '"';
    for (const char c : text) {
        if (c == '"')
            out << '"';
        out << c;
    }
    out << '"';
}

} // namespace

void WriteCsv(std::ostream& out, const SheetTable& table)
{
    const std::int32_t columns = table.ColumnCount();
    for (std::int32_t c = 0; c < columns; ++c) {
        if (c > 0)
            out << ',';
        std::string heading = table.Heading(c);
        for (char& ch : heading)
            if (ch == '\n')
                ch = ' ';
        Field(out, heading);
    }
    out << "\r\n";
    for (std::int32_t r = 1; r <= table.RowCount(); ++r) {
        for (std::int32_t c = 0; c < columns; ++c) {
            if (c > 0)
                out << ',';
            Field(out, table.Text(r, c));
        }
        out << "\r\n";
    }
}

} // namespace teska
