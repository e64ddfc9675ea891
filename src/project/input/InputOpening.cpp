// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/input/InputOpening.h"

#include "project/io/WholeFile.h"
#include "suite/Errors.h"
#include "suite/SuiteEnvironment.h"

namespace teska {

namespace {

// The calling order every input reader follows: announce the name, read it
// back, open it as file 1, read, close; a trapped error is reported and the
// file closed.
template <class Read>
short readInputFile(FileServices& services, ListFileSlot& slot, const std::string& path, int mode,
    int progressSelector, ProgressWindow* window, const Read& read)
{
    services.environment.SetCurrentFileName(path);
    const std::string name = services.environment.CurrentFileName();
    try {
        if (OpenListFile(services, slot, name, mode, 1, progressSelector, window) != 0)
            return -1;
        read();
        CloseListFile(services, slot);
        return 0;
    } catch (const RuntimeError& error) {
        services.environment.SetPendingError(error.what());
        ReportRuntimeError(services, slot);
        return -1;
    }
}

} // namespace

short ReadTextInputFile(FileServices& services, ListFileSlot& slot, const std::string& path,
    int progressSelector, ProgressWindow* window, const std::function<void(FieldReader&)>& read)
{
    return readInputFile(
        services, slot, path, ModeInput, progressSelector, window, [&] { read(slot.Input()); });
}

short ReadRecordInputFile(FileServices& services, ListFileSlot& slot, const std::string& path,
    int progressSelector, ProgressWindow* window, const std::function<void(const RecordFile&)>& read)
{
    return readInputFile(
        services, slot, path, ModeRecord, progressSelector, window, [&] { read(slot.Records()); });
}

// ----------------------------------------------------------- shared arrays

namespace {

template <class Item, class Field> auto column(const std::vector<Item>& items, Field Item::*field)
{
    std::vector<Field> values;
    values.reserve(items.size());
    for (const auto& item : items)
        values.push_back(item.*field);
    return values;
}

} // namespace

void ApplySupportFileP61(const SupportFileP61& file, SupportData& data)
{
    data.ItemNumbers = column(file.Items, &SupportItemP61::ItemNumber);
    data.Texts1 = column(file.Items, &SupportItemP61::Text1);
    data.Texts2 = column(file.Items, &SupportItemP61::Text2);
    data.Texts3 = column(file.Items, &SupportItemP61::Text3);
    data.Pairs = file.Pairs;
}

void ApplySupportFileP71(const SupportFileP71& file, SupportData& data)
{
    data.ItemNumbers = column(file.Items, &SupportItemP71::ItemNumber);
    data.Texts1 = column(file.Items, &SupportItemP71::Text1);
    data.Texts2 = column(file.Items, &SupportItemP71::Text2);
}

void ApplySupportFileP31(const SupportFileP31& file, InputArrays& data)
{
    SupportData& supports = data.Supports;
    supports.KeptNumbers = column(file.Items, &SupportItemP31::KeptNumber);
    supports.ItemNumbers = column(file.Items, &SupportItemP31::ItemNumber);
    supports.Texts2.clear();
    supports.Conditions2.clear();
    supports.Conditions3.clear();
    for (const auto& item : file.Items) {
        supports.Texts2.push_back(item.Conditions[0]);
        supports.Conditions2.push_back(item.Conditions[1]);
        supports.Conditions3.push_back(item.Conditions[2]);
    }
    data.Points = file.Points;
}

void ApplyLoadFilePCF(const LoadFilePCF& file, LoadData& data)
{
    data.Numbers = column(file.Items, &LoadItemPCF::Number);
    data.Values1.clear();
    data.Values2.clear();
    data.Values3.clear();
    for (const auto& item : file.Items) {
        data.Values1.push_back(item.Values[0]);
        data.Values2.push_back(item.Values[1]);
        data.Values3.push_back(item.Values[2]);
    }
    data.Groups = file.Groups;
}

void ApplyLoadFilePCW(const LoadFilePCW& file, LoadData& data)
{
    data.Numbers = column(file.Items, &LoadItemPCW::Number);
    data.Values1.clear();
    data.Values2.clear();
    for (const auto& item : file.Items) {
        data.Values1.push_back(item.Values[0]);
        data.Values2.push_back(item.Values[1]);
    }
}

short ReadSupportFileP61(FileServices& services, ListFileSlot& slot, const std::string& path,
    int progressSelector, ProgressWindow* window, InputArrays& data)
{
    return ReadTextInputFile(services, slot, path, progressSelector, window,
        [&](FieldReader& in) { ApplySupportFileP61(ReadSupportFileP61(in), data.Supports); });
}

short ReadSupportFileP71(FileServices& services, ListFileSlot& slot, const std::string& path,
    int progressSelector, ProgressWindow* window, InputArrays& data)
{
    return ReadTextInputFile(services, slot, path, progressSelector, window,
        [&](FieldReader& in) { ApplySupportFileP71(ReadSupportFileP71(in), data.Supports); });
}

short ReadSupportFileP31(FileServices& services, ListFileSlot& slot, const std::string& path,
    int progressSelector, ProgressWindow* window, InputArrays& data)
{
    return ReadTextInputFile(services, slot, path, progressSelector, window,
        [&](FieldReader& in) { ApplySupportFileP31(ReadSupportFileP31(in), data); });
}

short ReadLoadFilePC1(FileServices& services, ListFileSlot& slot, const std::string& path,
    int progressSelector, ProgressWindow* window, InputArrays& data)
{
    return ReadRecordInputFile(services, slot, path, progressSelector, window, [&](const RecordFile& in) {
        data.PC1 = ReadLoadFilePC1(in);
        data.Points = data.PC1.Points;
    });
}

short ReadLoadFilePCF(FileServices& services, ListFileSlot& slot, const std::string& path,
    int progressSelector, ProgressWindow* window, InputArrays& data)
{
    return ReadTextInputFile(services, slot, path, progressSelector, window,
        [&](FieldReader& in) { ApplyLoadFilePCF(ReadLoadFilePCF(in), data.Loads); });
}

short ReadLoadFilePCW(FileServices& services, ListFileSlot& slot, const std::string& path,
    int progressSelector, ProgressWindow* window, InputArrays& data)
{
    return ReadTextInputFile(services, slot, path, progressSelector, window,
        [&](FieldReader& in) { ApplyLoadFilePCW(ReadLoadFilePCW(in), data.Loads); });
}

// ------------------------------------------------------------------ saving

void SaveInputFile(const std::string& path, const std::string& bytes)
{
    WriteFileAtomically(path, std::string_view(bytes));
}

} // namespace teska
