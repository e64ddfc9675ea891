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
// case-sensitively. Each value is read as UTF-8, or as Windows-1252 when it
// is not valid UTF-8; its bytes are kept as well (RawValue) and written back
// unchanged unless the value is set.
//
// Several programs may share one file: Save re-reads the file under a lock
// and writes it with this store's changes applied, so that no program loses
// what another stored meanwhile.

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
    // key=value is passed over, every other entry kept, and the damage
    // described in Problems(); an unreadable file throws FileAccessError
    // (anything but a regular file is refused without opening it).
    bool Load();
    // What Load passed over, each naming the file and the line; empty for a
    // sound file.
    const std::vector<std::string>& Problems() const { return problems_; }
    // Keeps the damaged file as it was read, beside it as "<file>.damaged",
    // and returns that name; nothing (empty) for a sound file. Throws
    // FileAccessError when the copy cannot be written.
    std::string KeepDamagedCopy() const;
    // Parses \p bytes as the content of a file named \p fileName (for
    // messages); throws as Load does.
    void Parse(std::string_view bytes, const std::string& fileName);
    // Under a lock on "<file>.lock": re-reads the file, applies the changes
    // made through SetValue, Remove and RemoveSection since the last Load or
    // Save, and writes the result atomically (temporary file, then rename);
    // the store then holds what was written. Throws FileAccessError.
    void Save();
    std::string ToText() const;

    std::optional<std::string> Find(const std::string& section, const std::string& key) const;
    std::string Value(
        const std::string& section, const std::string& key, const std::string& fallback = {}) const;
    // The value's bytes as the file holds them (paths that are not UTF-8).
    std::string RawValue(const std::string& section, const std::string& key) const;
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
        std::string value; // decoded
        std::string raw; // the bytes, unescaped
        std::size_t line = 0;
    };
    // A change not yet saved: a value set (raw), a key removed, or a whole
    // section removed (key empty).
    struct Change {
        std::string section;
        std::string key;
        std::optional<std::string> raw;
    };
    void parse(std::string_view bytes, const std::string& fileName, bool strict);
    void apply(const Change& change);
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };
    Section* findSection(const std::string& name);
    const Section* findSection(const std::string& name) const;
    const Entry* findEntry(const std::string& section, const std::string& key) const;

    std::string path_;
    std::vector<Section> sections_;
    std::vector<Change> changes_;
    std::vector<std::string> problems_;
    std::string damaged_; // the bytes of a damaged file, for KeepDamagedCopy
};

} // namespace teska
