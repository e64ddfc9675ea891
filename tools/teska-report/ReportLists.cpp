// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportLists.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "lists/choice/ListCandidates.h"
#include "suite/Errors.h"

namespace teska::report {

bool WriteOffered(ListProject& p, std::ostream& out, std::ostream& err)
{
    bool complete = true;
    struct Group {
        const char* heading;
        int target;
    };
    const Group groups[] = {{"# data lists for viewing", 1}, {"# data lists for printing", 3},
        {"# result lists for viewing", 2}, {"# result lists for printing", 4}};
    for (const Group& g : groups) {
        out << g.heading << '\n';
        std::vector<ListKey> keys;
        try {
            keys = OfferedLists(p, g.target);
        } catch (const RuntimeError& e) {
            err << "teska-report: " << (g.heading + 2) << ": " << e.what() << '\n';
            complete = false;
        }
        for (std::size_t i = 0; i < keys.size(); ++i) {
            const std::string key
                = std::holds_alternative<long>(keys[i]) ? ListKeyText(keys[i]) : std::to_string(i + 1);
            out << key << '\t' << ListCaption(p, keys[i]) << '\n';
        }
    }
    return complete;
}

std::vector<ListKey> ChooseKeys(
    const ListSelection& selection, const std::vector<ListKey>& offered, bool byPosition)
{
    std::vector<ListKey> chosen;
    if (selection.all)
        chosen = offered;
    for (const std::string& text : selection.keys) {
        long number = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (ec != std::errc() || end != text.data() + text.size())
            throw UsageError{"list key '" + text + "' is not a whole number (see --offered)"};
        std::optional<ListKey> found;
        if (byPosition && number >= 1 && static_cast<std::size_t>(number) <= offered.size()
            && std::holds_alternative<std::string>(offered[static_cast<std::size_t>(number - 1)]))
            found = offered[static_cast<std::size_t>(number - 1)];
        else if (std::find(offered.begin(), offered.end(), ListKey(number)) != offered.end())
            found = ListKey(number);
        if (!found)
            throw UsageError{"list " + text + " is not offered by this project (see --offered)"};
        chosen.push_back(*found);
    }
    if (chosen.size() > MaxChosenLists)
        throw UsageError{"at most " + std::to_string(MaxChosenLists)
            + " lists can be chosen for one run, not " + std::to_string(chosen.size())};
    return chosen;
}

} // namespace teska::report
