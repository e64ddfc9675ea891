// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A small settings file of "[section]" headings and "key=value" lines, as
// the program's stored settings (application title "TESKA-List") are kept
// on this platform: SettingsDirectory + "TESKA-List.ini". Blank lines and
// lines starting with ";" or "#" are comments. Order of sections and keys is
// kept on save.

#include <string>
#include <utility>
#include <vector>

namespace teska {

inline constexpr const char* ProgramSettingsFileName = "TESKA-List.ini";

class IniSettings {
public:
    IniSettings() = default;
    // Parses \p content as the file \p name; throws FileFormatError naming the
    // file and line for a line that is neither a heading, a key nor a comment,
    // and for content above 1 MiB.
    static IniSettings FromText(std::string name, std::string_view content);
    // A missing file gives empty settings; an unreadable one FileAccessError.
    static IniSettings Load(const std::string& path);
    // Writes atomically (temporary file, then rename); throws FileAccessError.
    void Save(const std::string& path) const;
    std::string ToText() const;

    // The stored text, or \p fallback when the key is absent.
    std::string Get(const std::string& section, const std::string& key, const std::string& fallback) const;
    // The stored whole number, or \p fallback when absent or not a number.
    long GetLong(const std::string& section, const std::string& key, long fallback) const;
    // "True"/"False" (any case) or a number (nonzero = true), else \p fallback.
    bool GetBool(const std::string& section, const std::string& key, bool fallback) const;
    void Set(const std::string& section, const std::string& key, const std::string& value);

private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> entries;
    };
    const std::string* Find(const std::string& section, const std::string& key) const;
    std::vector<Section> m_sections;
};

} // namespace teska
