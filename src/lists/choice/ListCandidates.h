// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The lists a project offers: BuildListCandidates for the data targets
// (1, 3, 6) and the result targets (2, 4, 5), the texts and help topics of
// the choice dialogs, and the drop-down menus of the List toolbar.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "lists/choice/ListKey.h"

namespace teska {

class TextCatalogue;
struct FileServices;
class ListFileSlot;

// What the offer depends on. ResultSwitch[1]..[18] are used; [0] is unused.
struct OfferState {
    int OutputTarget = 0;
    int AnalysisMethod = 0;
    std::array<bool, 19> ResultSwitch{};
    bool DesignSwitch1 = false;
    bool DesignSwitch2 = false;
    long TermId = 0;
    // The count in record 4 of the project's ".BAU" file; nullopt when the
    // file does not open. Called only when a rule needs it.
    std::function<std::optional<int>()> BauCount;
};

// The offered keys in their fixed order, or nullopt when ".BAU" was needed
// and did not open. Coefficient keys use the catalogue texts 140177, 140221.
std::optional<std::vector<ListKey>> BuildListCandidates(
    const OfferState& state, const TextCatalogue& catalogue);

// Reads the ".BAU" count (a 16-bit whole number in record 4) silently.
std::optional<int> ReadBauCount(FileServices& services, ListFileSlot& slot, const std::string& path);

// Title, prompt (catalogue identifiers) and help topic of the choice dialog
// of an output target.
struct ChoiceTexts {
    long Title = 0;
    long Prompt = 0;
    const char* HelpTopic = "";
};
ChoiceTexts ChoiceTextsFor(int outputTarget);

// At most this many lists are chosen for one print or editor run.
constexpr std::size_t MaxChosenLists = 18;

// One entry of a List toolbar drop-down menu.
struct NavigatorItem {
    std::string Key; // the list key as text
    std::string Caption; // LookupText of the key
};
struct NavigatorLists {
    std::vector<NavigatorItem> DataLists; // button 0: OutputTarget 1
    std::vector<NavigatorItem> ResultLists; // button 4: OutputTarget 2
};
// The contents of the two drop-down menus. \p state's OutputTarget is
// ignored. Returns nullopt when the candidates could not be built.
std::optional<NavigatorLists> FillNavigatorLists(OfferState state, const TextCatalogue& catalogue);

} // namespace teska
