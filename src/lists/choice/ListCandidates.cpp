// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/choice/ListCandidates.h"

#include "project/ListFile.h"
#include "suite/Errors.h"
#include "suite/SuiteEnvironment.h"
#include "suite/TextCatalogue.h"

namespace teska {

namespace {

bool isOneOf(int value, std::initializer_list<int> set)
{
    for (int v : set)
        if (v == value)
            return true;
    return false;
}

class Offer {
public:
    explicit Offer(std::vector<ListKey> master)
        : master_(std::move(master))
    { }
    void set(std::size_t m, ListKey key) { master_.at(m - 1) = std::move(key); }
    void add(std::size_t m) { keys_.push_back(master_.at(m - 1)); }
    void add(std::initializer_list<std::size_t> ms)
    {
        for (std::size_t m : ms)
            add(m);
    }
    std::vector<ListKey> take() { return std::move(keys_); }

private:
    std::vector<ListKey> master_;
    std::vector<ListKey> keys_;
};

// The ".BAU" count asked at most once per build; -1 marks a failed open.
class BauCount {
public:
    explicit BauCount(const OfferState& state)
        : state_(state)
    { }
    // True when the count is above 1; sets failed() when the file did not open.
    bool aboveOne()
    {
        if (!asked_) {
            asked_ = true;
            if (state_.BauCount)
                value_ = state_.BauCount();
        }
        if (!value_) {
            failed_ = true;
            return false;
        }
        return *value_ > 1;
    }
    bool failed() const { return failed_; }

private:
    const OfferState& state_;
    bool asked_ = false;
    bool failed_ = false;
    std::optional<int> value_;
};

std::optional<std::vector<ListKey>> resultCandidates(const OfferState& s, const TextCatalogue& catalogue)
{
    const int method = s.AnalysisMethod;
    const auto& sw = s.ResultSwitch;
    Offer o({138L, 90098L, 90048L, 139L, 140L, 141L, 160010L, 160008L, 160009L, 142L, 90049L, 146L, 140019L,
        90103L, 90163L, 90105L, catalogue.LookupText(140177) + " [Ce]",
        catalogue.LookupText(140177) + " [Cw]", catalogue.LookupText(140221) + " [ks]", 90060L, 90050L,
        140164L, 150L, 80045L, 400165L});
    const bool shear = sw[9] || sw[8];
    const bool shearOrSoil = sw[9] || sw[8] || sw[14];

    if (method == 21) {
        o.set(1, 80006L);
        o.set(2, 160008L);
        o.set(3, 160009L);
        o.set(4, 90046L);
        o.add({1, 2, 3, 4});
        if (shear)
            o.add(10);
        return o.take();
    }
    if (method == 22) {
        o.set(1, 90046L);
        o.set(2, 90183L);
        o.set(3, 90184L);
        o.add({1, 2, 3});
        if (shear)
            o.add(10);
        return o.take();
    }
    // The tail shared by the plate models: shear, soil and special lists.
    auto plateTail = [&](bool shearRule) {
        if (sw[4])
            o.add({7, 8, 9});
        if (shearRule)
            o.add(10);
        if (sw[6])
            o.add(11);
        if (sw[7])
            o.add(24);
    };
    if (method == 16) {
        o.add({4, 7, 8, 9});
        if (shear)
            o.add(10);
    }
    if (method == 15) {
        o.add({4, 5, 6});
        plateTail(shear);
        return o.take();
    }
    if (method == 4) {
        o.add({2, 4, 5, 6});
        plateTail(shearOrSoil);
    }
    if (method == 2 || s.DesignSwitch1) {
        o.add({3, 4, 5, 6});
        plateTail(shearOrSoil);
    }
    if (method == 4 || method == 16)
        o.add(12);
    if (isOneOf(method, {1, 5, 6})) {
        if (s.DesignSwitch2)
            o.add({1, 2});
        o.add({3, 4, 5, 6});
        plateTail(shearOrSoil);
    }
    if (method == 13 || method == 20) {
        if (s.DesignSwitch2)
            o.add({1, 2});
        o.add(3);
        if (sw[14])
            o.add(10);
    }
    if (method == 7 || method == 19) {
        if (s.DesignSwitch2)
            o.add({1, 2});
        o.add(3);
        if (shearOrSoil)
            o.add(10);
    }
    if (sw[5])
        o.add(13);
    if (sw[2])
        o.add(14);
    if (sw[1])
        o.add(15);
    if (sw[3])
        o.add(16);
    if (s.OutputTarget == 2 && !sw[15]) {
        if (isOneOf(method, {1, 2, 5, 6, 7, 13, 17, 18, 19, 20}))
            o.add(17);
        if (isOneOf(method, {1, 5, 6, 7, 13}) && s.DesignSwitch2)
            o.add(18);
        if (isOneOf(method, {1, 2, 5, 7, 17, 19}))
            o.add(19);
    }
    if (method == 8 || method == 9)
        o.add(20);
    if (method == 7)
        o.add(21);
    if (sw[10]) {
        if (isOneOf(method, {1, 3, 5, 6, 7, 9, 13})) {
            BauCount bau(s);
            const bool many = bau.aboveOne();
            if (bau.failed())
                return std::nullopt;
            if (many)
                o.add(22);
        }
        o.add(23);
    }
    if (sw[14])
        o.add(25);
    return o.take();
}

std::optional<std::vector<ListKey>> dataCandidates(const OfferState& s)
{
    const int method = s.AnalysisMethod;
    const auto& sw = s.ResultSwitch;
    Offer o({90045L, 90054L, 90055L, 10032L, 140015L, 60005L, 140162L, s.TermId, 90073L, 140169L, 140175L,
        60004L, 60003L, 90062L, 140195L});
    if (s.OutputTarget != 1)
        o.add(1);
    o.add(2);
    if (method == 21) {
        if (sw[4])
            o.add(4);
        if (sw[8])
            o.add(5);
        if (sw[9])
            o.add(6);
        o.add(10);
        return o.take();
    }
    if (method != 16)
        o.add(3);
    if (sw[4])
        o.add(4);
    if (sw[8])
        o.add(5);
    if (sw[9])
        o.add(6);
    if (method == 15 || method == 22)
        o.set(8, 140176L);
    if (method == 15) {
        o.add({8, 10});
        if (sw[6])
            o.add(14);
        return o.take();
    }
    if (method != 16 && method != 22)
        o.add(7);
    if (method != 16)
        o.add(8);
    if (isOneOf(method, {1, 3, 5, 6, 7, 9, 13})) {
        BauCount bau(s);
        const bool many = bau.aboveOne();
        if (bau.failed())
            return std::nullopt;
        if (many)
            o.add(9);
    }
    o.add(10);
    if (sw[2])
        o.add(11);
    if (sw[1])
        o.add(12);
    if (sw[3])
        o.add(13);
    if (sw[6])
        o.add(14);
    if (sw[14])
        o.add(15);
    return o.take();
}

} // namespace

std::optional<std::vector<ListKey>> BuildListCandidates(
    const OfferState& state, const TextCatalogue& catalogue)
{
    switch (state.OutputTarget) {
    case 2:
    case 4:
    case 5:
        return resultCandidates(state, catalogue);
    case 1:
    case 3:
    case 6:
        return dataCandidates(state);
    default:
        return std::vector<ListKey>{};
    }
}

std::optional<int> ReadBauCount(FileServices& services, ListFileSlot& slot, const std::string& path)
{
    services.environment.SetCurrentFileName(path);
    const std::string name = services.environment.CurrentFileName();
    try {
        if (OpenListFile(services, slot, name, ModeRecord, 1, 0, nullptr) != 0)
            return std::nullopt;
        const int count = slot.Records().GetInt16(4);
        CloseListFile(services, slot);
        return count;
    } catch (const RuntimeError& e) {
        services.environment.SetPendingError(e.what());
        ReportRuntimeError(services, slot);
        return std::nullopt;
    }
}

ChoiceTexts ChoiceTextsFor(int outputTarget)
{
    switch (outputTarget) {
    case 1:
        return {90085, 90113, "6_1"};
    case 2:
        return {90088, 90113, "6_4"};
    case 3:
        return {90086, 90113, "6_2"};
    case 4:
        return {90089, 90111, "6_5"};
    case 5:
        return {90090, 90112, "6_6"};
    case 6:
        return {90087, 90112, "6_3"};
    default:
        return {};
    }
}

std::optional<NavigatorLists> FillNavigatorLists(OfferState state, const TextCatalogue& catalogue)
{
    NavigatorLists lists;
    for (int target : {1, 2}) {
        state.OutputTarget = target;
        auto keys = BuildListCandidates(state, catalogue);
        if (!keys)
            return std::nullopt;
        auto& items = target == 1 ? lists.DataLists : lists.ResultLists;
        for (const ListKey& key : *keys) {
            const long* id = std::get_if<long>(&key);
            items.push_back({ListKeyText(key), id ? catalogue.LookupText(*id) : std::get<std::string>(key)});
        }
    }
    return lists;
}

} // namespace teska
