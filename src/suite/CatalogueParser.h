// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Reading of one catalogue file (format in data/catalogue/README.md):
// "ID<TAB>text" entries, "@key<TAB>value" header entries, comments.

#include <string>
#include <string_view>
#include <unordered_map>

namespace teska {

struct CatalogueContent {
    std::unordered_map<long, std::string> texts;
    std::unordered_map<std::string, std::string> header;
};

// Parses the bytes of the catalogue file \p fileName (named in messages).
// Throws FileFormatError with the line for a malformed entry, an unknown
// escape, an identifier outside 0..999999999 or one defined twice.
CatalogueContent ParseCatalogue(std::string_view bytes, const std::string& fileName);

} // namespace teska
