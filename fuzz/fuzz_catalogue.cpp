// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Catalogue files of any content: parsed, and each text looked up with
// markers and options; only FileFormatError may come out.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "suite/CatalogueOptions.h"
#include "suite/CatalogueParser.h"
#include "suite/Errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        const teska::CatalogueContent content = teska::ParseCatalogue(bytes, "fuzz");
        const std::string values[3] = {"a|1", "", "\xC3\xA4"};
        long option = 0;
        for (const auto& [id, text] : content.texts) {
            (void)id;
            (void)teska::ApplyCatalogueOption(text, values, option);
            option = (option + 1) % 70;
        }
    } catch (const teska::FileFormatError&) { }
    return 0;
}
