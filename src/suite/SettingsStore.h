// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A small INI store: named sections of key=value string pairs, kept in the
// order in which they were first set, loaded from and saved to one file.
//
// File form: "[Section]" lines start a section (names may contain blanks,
// e.g. "[List frmPlotPage]"); "key=value" lines belong to the last section;
// blank lines and lines starting with ';' or '#' are comments. Keys are
// trimmed, values are taken verbatim after the first '=', with the escapes
// \\ \n \r for a backslash, line feed and carriage return. Keys compare
// case-sensitively. Bytes are UTF-8, or Windows-1252 when not valid UTF-8.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace teska {

// The application name of every stored setting of this program.
inline constexpr const char* kApplicationTitle = "TESKA-List";

// SettingsDirectory + "TESKA-List.ini": the program's own settings file
// ("List frmPlotPage", "Device Mode", recent files, window placement).
std::string ApplicationSettingsPath(const std::string& settingsDirectory);

class SettingsStore {
public:
    // Files larger than this are refused as corrupt.
    static constexpr std::size_t kMaxFileBytes = 4 * 1024 * 1024;

    SettingsStore() = default;
    explicit SettingsStore(std::string path)
        : path_(std::move(path))
    { }

    const std::string& path() const { return path_; }

    // Replaces the content by the file's. A missing file gives an empty store
    // and returns false. A line that is neither comment, section nor
    // key=value throws FileFormatError naming the file and the line (the
    // store is then empty); an unreadable file throws FileAccessError.
    bool Load();
    // Parses \p bytes as the content of a file named \p fileName (for
    // messages); throws as Load does.
    void Parse(std::string_view bytes, const std::string& fileName);
    // Writes the store atomically (temporary file, then rename).
    void Save() const;
    std::string ToText() const;

    std::optional<std::string> Find(const std::string& section, const std::string& key) const;
    std::string Value(
        const std::string& section, const std::string& key, const std::string& fallback = {}) const;
    // The value as a whole number; \p fallback when the key is absent or its
    // value is not a whole number (blanks around it are allowed).
    long WholeValue(const std::string& section, const std::string& key, long fallback) const;
    // "True" or "False" in any case, or a whole number (nonzero is true);
    // \p fallback when the key is absent or holds anything else.
    bool BoolValue(const std::string& section, const std::string& key, bool fallback) const;
    // 1-based line of the key in the file it was loaded from; 0 when it was
    // not loaded from a file.
    std::size_t LineOf(const std::string& section, const std::string& key) const;
    void SetValue(const std::string& section, const std::string& key, const std::string& value);
    void Remove(const std::string& section, const std::string& key);
    void RemoveSection(const std::string& section);
    void Clear() { sections_.clear(); }

    std::vector<std::string> Sections() const;
    std::vector<std::string> Keys(const std::string& section) const;

private:
    struct Entry {
        std::string key;
        std::string value;
        std::size_t line = 0;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };
    Section* findSection(const std::string& name);
    const Section* findSection(const std::string& name) const;
    const Entry* findEntry(const std::string& section, const std::string& key) const;

    std::string path_;
    std::vector<Section> sections_;
};

} // namespace teska
