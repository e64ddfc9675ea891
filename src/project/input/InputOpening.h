// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The opening step shared by every input reader, and the readers whose
// files share arrays: the support files .P61, .P71, .P31 (with .P35 and
// .PC1 sharing the point list) and the load files .PCF and .PCW.
//
// DataFileCheck is the caller's: before .P31, .PC1, .P21 and .GL1 the list
// run asks it and, when it answers true, does not call the reader, so the
// shared arrays keep what the former reads left in them.

#include <functional>
#include <string>
#include <vector>

#include "project/ListFile.h"
#include "project/input/InputFiles.h"

namespace teska {

// Hands \p path to SuiteEnvironment as the current file name, opens the name
// read back as file 1 (mode 1 / mode 3), runs \p read, closes the file.
// Returns 0 on success, -1 when the file was not opened or a read failed; a
// failed read is reported through ReportRuntimeError (the message names the
// file and the place) and leaves the file closed.
short ReadTextInputFile(FileServices& services, ListFileSlot& slot, const std::string& path,
    int progressSelector, ProgressWindow* window, const std::function<void(FieldReader&)>& read);
short ReadRecordInputFile(FileServices& services, ListFileSlot& slot, const std::string& path,
    int progressSelector, ProgressWindow* window, const std::function<void(const RecordFile&)>& read);

// The support arrays shared by .P61, .P71 and .P31. Each file re-creates the
// arrays it fills with its own item count, so a later file replaces what an
// earlier one left: ItemNumbers come from .P61, then .P71, then the second
// whole number of .P31; Texts1 from .P61 text 1, then .P71 text 1; Texts2
// from .P61 text 2, .P71 text 2, then the first condition of .P31.
struct SupportData {
    std::vector<std::int16_t> ItemNumbers;
    std::vector<std::string> Texts1;
    std::vector<std::string> Texts2;
    std::vector<std::string> Texts3; // .P61 text 3
    std::vector<std::int16_t> KeptNumbers; // .P31 first whole number
    std::vector<std::string> Conditions2; // .P31 condition 2
    std::vector<std::string> Conditions3; // .P31 condition 3
    std::vector<std::array<std::int16_t, 2>> Pairs; // .P61
    std::size_t ItemCount() const { return ItemNumbers.size(); }
};

// The shared arrays of the load files: .PCF and .PCW both fill Numbers,
// Values1 and Values2 of the first list (the later file wins); Values3 and
// the groups are .PCF's alone.
struct LoadData {
    std::vector<std::int16_t> Numbers;
    std::vector<float> Values1;
    std::vector<float> Values2;
    std::vector<float> Values3;
    std::vector<LoadGroupPCF> Groups;
    std::size_t ItemCount() const { return Numbers.size(); }
};

// Program-wide arrays of the input readers, owned by the list run.
struct InputArrays {
    SupportData Supports;
    std::vector<PointXY> Points; // shared by .P31, .P35 and .PC1
    PointFileP35 P35;
    LoadData Loads;
    LoadFilePC1 PC1;
};

void ApplySupportFileP61(const SupportFileP61& file, SupportData& data);
void ApplySupportFileP71(const SupportFileP71& file, SupportData& data);
void ApplySupportFileP31(const SupportFileP31& file, InputArrays& data);
void ApplyLoadFilePCF(const LoadFilePCF& file, LoadData& data);
void ApplyLoadFilePCW(const LoadFilePCW& file, LoadData& data);

// The readers of the six shared files: open, read, apply. A failed read
// leaves \p data as it was.
short ReadSupportFileP61(FileServices& services, ListFileSlot& slot, const std::string& path,
    int progressSelector, ProgressWindow* window, InputArrays& data);
short ReadSupportFileP71(FileServices& services, ListFileSlot& slot, const std::string& path,
    int progressSelector, ProgressWindow* window, InputArrays& data);
short ReadSupportFileP31(FileServices& services, ListFileSlot& slot, const std::string& path,
    int progressSelector, ProgressWindow* window, InputArrays& data);
short ReadLoadFilePC1(FileServices& services, ListFileSlot& slot, const std::string& path,
    int progressSelector, ProgressWindow* window, InputArrays& data);
short ReadLoadFilePCF(FileServices& services, ListFileSlot& slot, const std::string& path,
    int progressSelector, ProgressWindow* window, InputArrays& data);
short ReadLoadFilePCW(FileServices& services, ListFileSlot& slot, const std::string& path,
    int progressSelector, ProgressWindow* window, InputArrays& data);

} // namespace teska
