// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "suite/SettingsStore.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <filesystem>

#include "suite/Errors.h"
#include "suite/FileLock.h"
#include "suite/FileText.h"
#include "suite/TextDecoding.h"

namespace teska {

namespace {

std::string trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

std::string escape(const std::string& value)
{
    std::string out;
    out.reserve(value.size());
    for (const char c : value) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// Undoes escape(); a backslash before any other character is kept as it is,
// so hand-written Windows paths survive.
std::string unescape(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const char next = value[i + 1];
            if (next == '\\' || next == 'n' || next == 'r') {
                out += next == 'n' ? '\n' : next == 'r' ? '\r' : '\\';
                ++i;
                continue;
            }
        }
        out += value[i];
    }
    return out;
}

bool validName(const std::string& name)
{
    return !name.empty() && name.find_first_of("\r\n[]=") == std::string::npos;
}

} // namespace

std::string ApplicationSettingsPath(const std::string& settingsDirectory)
{
    return settingsDirectory + kApplicationTitle + ".ini";
}

bool SettingsStore::Load()
{
    sections_.clear();
    changes_.clear();
    problems_.clear();
    damaged_.clear();
    std::error_code ec;
    if (!std::filesystem::exists(path_, ec))
        return false;
    const std::string bytes = ReadWholeFile(path_, kMaxFileBytes);
    parse(bytes, path_, false);
    if (!problems_.empty())
        damaged_ = bytes;
    return true;
}

void SettingsStore::Parse(std::string_view bytes, const std::string& fileName)
{
    parse(bytes, fileName, true);
}

void SettingsStore::parse(std::string_view bytes, const std::string& fileName, bool strict)
{
    sections_.clear();
    problems_.clear();
    // Lines are split on the bytes; each name and value is decoded alone, so
    // that one Windows-1252 value does not change how the others read.
    const std::vector<std::string> lines = SplitLines(bytes);
    Section* current = nullptr;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t lineNumber = i + 1;
        const std::string& raw = lines[i];
        const std::string line = trim(raw);
        auto bad = [&](const std::string& what) {
            if (strict) {
                sections_.clear();
                throw FileFormatError(fileName, lineNumber, 0, 0, what);
            }
            problems_.push_back(fileName + ", line " + std::to_string(lineNumber) + ": " + what);
        };
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line[0] == '[') {
            const std::string name = line.back() == ']'
                ? DecodeSuiteText(trim(std::string_view(line).substr(1, line.size() - 2)))
                : "";
            if (line.back() != ']' || !validName(name)) {
                bad(line.back() != ']' ? "expected a section name closed by ']'"
                                       : "expected a section name between '[' and ']'");
                current = nullptr; // its entries belong to no section
                continue;
            }
            current = findSection(name);
            if (!current) {
                sections_.push_back({name, {}});
                current = &sections_.back();
            }
            continue;
        }
        const auto equals = raw.find('=');
        if (equals == std::string::npos) {
            bad("expected key=value, a [section] or a comment");
            continue;
        }
        const std::string key = DecodeSuiteText(trim(std::string_view(raw).substr(0, equals)));
        if (!validName(key)) {
            bad("expected a key before '='");
            continue;
        }
        if (!current) {
            bad("expected a [section] before the key " + key);
            continue;
        }
        std::string rawValue = unescape(std::string_view(raw).substr(equals + 1));
        std::string value = DecodeSuiteText(rawValue);
        auto it = std::find_if(
            current->entries.begin(), current->entries.end(), [&](const Entry& e) { return e.key == key; });
        if (it != current->entries.end()) {
            it->value = std::move(value);
            it->raw = std::move(rawValue);
            it->line = lineNumber;
        } else {
            current->entries.push_back({key, std::move(value), std::move(rawValue), lineNumber});
        }
    }
}

std::string SettingsStore::KeepDamagedCopy() const
{
    if (damaged_.empty())
        return {};
    const std::string copy = path_ + ".damaged";
    WriteFileAtomically(copy, damaged_);
    return copy;
}

std::string SettingsStore::ToText() const
{
    std::string text;
    for (const Section& section : sections_) {
        if (!text.empty())
            text += '\n';
        text += '[' + section.name + "]\n";
        for (const Entry& entry : section.entries)
            text += entry.key + '=' + escape(entry.raw) + '\n';
    }
    return text;
}

void SettingsStore::Save()
{
    if (path_.empty())
        throw FileAccessError("(settings)", "the settings store has no file name");
    const FileLock lock(std::filesystem::path(path_).parent_path().string(), path_);
    // What is on disk now, another program's changes included; a damaged
    // line there is dropped (the copy of the damaged file keeps it).
    SettingsStore disk(path_);
    disk.Load();
    for (const Change& change : changes_)
        disk.apply(change);
    WriteFileAtomically(path_, disk.ToText());
    sections_ = std::move(disk.sections_);
    changes_.clear();
}

void SettingsStore::apply(const Change& change)
{
    if (change.key.empty()) {
        std::erase_if(sections_, [&](const Section& s) { return s.name == change.section; });
        return;
    }
    if (!change.raw) {
        if (Section* s = findSection(change.section))
            std::erase_if(s->entries, [&](const Entry& e) { return e.key == change.key; });
        return;
    }
    Section* s = findSection(change.section);
    if (!s) {
        sections_.push_back({change.section, {}});
        s = &sections_.back();
    }
    for (Entry& entry : s->entries)
        if (entry.key == change.key) {
            entry.value = *change.raw;
            entry.raw = *change.raw;
            entry.line = 0;
            return;
        }
    s->entries.push_back({change.key, *change.raw, *change.raw, 0});
}

SettingsStore::Section* SettingsStore::findSection(const std::string& name)
{
    for (Section& section : sections_)
        if (section.name == name)
            return &section;
    return nullptr;
}

const SettingsStore::Section* SettingsStore::findSection(const std::string& name) const
{
    for (const Section& section : sections_)
        if (section.name == name)
            return &section;
    return nullptr;
}

const SettingsStore::Entry* SettingsStore::findEntry(const std::string& section, const std::string& key) const
{
    const Section* s = findSection(section);
    if (!s)
        return nullptr;
    for (const Entry& entry : s->entries)
        if (entry.key == key)
            return &entry;
    return nullptr;
}

std::optional<std::string> SettingsStore::Find(const std::string& section, const std::string& key) const
{
    if (const Entry* entry = findEntry(section, key))
        return entry->value;
    return std::nullopt;
}

std::string SettingsStore::RawValue(const std::string& section, const std::string& key) const
{
    const Entry* entry = findEntry(section, key);
    return entry ? entry->raw : std::string();
}

std::string SettingsStore::Value(
    const std::string& section, const std::string& key, const std::string& fallback) const
{
    const Entry* entry = findEntry(section, key);
    return entry ? entry->value : fallback;
}

long SettingsStore::WholeValue(const std::string& section, const std::string& key, long fallback) const
{
    const Entry* entry = findEntry(section, key);
    if (!entry)
        return fallback;
    const std::string text = trim(entry->value);
    long value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end == last && first != last ? value : fallback;
}

bool SettingsStore::BoolValue(const std::string& section, const std::string& key, bool fallback) const
{
    const Entry* entry = findEntry(section, key);
    if (!entry)
        return fallback;
    std::string text = trim(entry->value);
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    if (text == "true")
        return true;
    if (text == "false")
        return false;
    const long number = WholeValue(section, key, LONG_MIN);
    return number == LONG_MIN ? fallback : number != 0;
}

std::size_t SettingsStore::LineOf(const std::string& section, const std::string& key) const
{
    const Entry* entry = findEntry(section, key);
    return entry ? entry->line : 0;
}

void SettingsStore::SetValue(const std::string& section, const std::string& key, const std::string& value)
{
    if (!validName(section))
        throw RuntimeError("settings: invalid section name '" + section + "'");
    if (!validName(key) || key != trim(key) || key[0] == ';' || key[0] == '#')
        throw RuntimeError("settings: invalid key '" + key + "' in section [" + section + "]");
    Change change{section, key, value};
    apply(change);
    changes_.push_back(std::move(change));
}

void SettingsStore::Remove(const std::string& section, const std::string& key)
{
    Change change{section, key, std::nullopt};
    apply(change);
    changes_.push_back(std::move(change));
}

void SettingsStore::RemoveSection(const std::string& section)
{
    Change change{section, {}, std::nullopt};
    apply(change);
    changes_.push_back(std::move(change));
}

std::vector<std::string> SettingsStore::Sections() const
{
    std::vector<std::string> names;
    for (const Section& s : sections_)
        names.push_back(s.name);
    return names;
}

std::vector<std::string> SettingsStore::Keys(const std::string& section) const
{
    std::vector<std::string> keys;
    if (const Section* s = findSection(section))
        for (const Entry& e : s->entries)
            keys.push_back(e.key);
    return keys;
}

} // namespace teska
