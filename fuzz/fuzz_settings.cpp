// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// INI settings of any content: parsed, written back and parsed again; the
// second parse must give the same sections and keys.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "suite/Errors.h"
#include "suite/SettingsStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    teska::SettingsStore store;
    try {
        store.Parse(bytes, "fuzz.ini");
    } catch (const teska::FileFormatError&) {
        return 0;
    }
    teska::SettingsStore again;
    again.Parse(store.ToText(), "again.ini");
    if (again.Sections() != store.Sections())
        std::abort();
    for (const auto& section : store.Sections())
        for (const auto& key : store.Keys(section))
            if (again.Value(section, key) != store.Value(section, key))
                std::abort();
    return 0;
}
