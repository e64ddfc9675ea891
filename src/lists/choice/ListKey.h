// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A list key: the caption identifier of a list, or for the three coefficient
// lists a catalogue text followed by " [Ce]", " [Cw]" or " [ks]".

#include <string>
#include <variant>

namespace teska {

using ListKey = std::variant<long, std::string>;

// The key written as text: the identifier's digits, or the text itself.
inline std::string ListKeyText(const ListKey& key)
{
    if (const long* id = std::get_if<long>(&key))
        return std::to_string(*id);
    return std::get<std::string>(key);
}

} // namespace teska
