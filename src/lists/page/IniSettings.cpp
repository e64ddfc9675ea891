// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/page/IniSettings.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "suite/Errors.h"

namespace teska {

namespace {

constexpr std::size_t MaximumSettingsBytes = 1u << 20;

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

} // namespace

IniSettings IniSettings::FromText(std::string name, std::string_view content)
{
    if (content.size() > MaximumSettingsBytes)
        throw FileFormatError(name, 0, 0, 0, "a settings file of at most 1 MiB");
    IniSettings settings;
    std::size_t lineNumber = 0;
    while (!content.empty()) {
        ++lineNumber;
        const std::size_t end = content.find('\n');
        const std::string_view line = Trim(content.substr(0, end));
        content = end == std::string_view::npos ? std::string_view() : content.substr(end + 1);
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            if (line.back() != ']' || line.size() < 2)
                throw FileFormatError(name, lineNumber, 0, 0, "a section heading \"[name]\"");
            settings.m_sections.push_back(Section{std::string(Trim(line.substr(1, line.size() - 2))), {}});
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0)
            throw FileFormatError(name, lineNumber, 0, 0, "a \"key=value\" line");
        if (settings.m_sections.empty())
            throw FileFormatError(name, lineNumber, 0, 0, "a section heading before the first key");
        settings.m_sections.back().entries.emplace_back(
            std::string(Trim(line.substr(0, equals))), std::string(Trim(line.substr(equals + 1))));
    }
    return settings;
}

IniSettings IniSettings::Load(const std::string& path)
{
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return IniSettings{};
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileAccessError(path, "cannot be read");
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        throw FileAccessError(path, "cannot be read");
    return FromText(path, text.str());
}

std::string IniSettings::ToText() const
{
    std::string text;
    for (const Section& section : m_sections) {
        text += "[" + section.name + "]\n";
        for (const auto& [key, value] : section.entries)
            text += key + "=" + value + "\n";
    }
    return text;
}

void IniSettings::Save(const std::string& path) const
{
    const std::string temporary = path + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            throw FileAccessError(path, "cannot be written");
        out << ToText();
        out.flush();
        if (!out)
            throw FileAccessError(path, "cannot be written");
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        throw FileAccessError(path, "cannot be replaced");
    }
}

const std::string* IniSettings::Find(const std::string& section, const std::string& key) const
{
    for (const Section& s : m_sections) {
        if (!EqualNoCase(s.name, section))
            continue;
        for (const auto& [k, v] : s.entries)
            if (EqualNoCase(k, key))
                return &v;
    }
    return nullptr;
}

std::string IniSettings::Get(
    const std::string& section, const std::string& key, const std::string& fallback) const
{
    const std::string* value = Find(section, key);
    return value ? *value : fallback;
}

long IniSettings::GetLong(const std::string& section, const std::string& key, long fallback) const
{
    const std::string* value = Find(section, key);
    if (!value)
        return fallback;
    long number = 0;
    const char* end = value->data() + value->size();
    const auto parsed = std::from_chars(value->data(), end, number);
    return parsed.ec == std::errc() && parsed.ptr == end ? number : fallback;
}

bool IniSettings::GetBool(const std::string& section, const std::string& key, bool fallback) const
{
    const std::string* value = Find(section, key);
    if (!value)
        return fallback;
    if (EqualNoCase(*value, "True"))
        return true;
    if (EqualNoCase(*value, "False"))
        return false;
    return GetLong(section, key, fallback ? 1 : 0) != 0;
}

void IniSettings::Set(const std::string& section, const std::string& key, const std::string& value)
{
    for (Section& s : m_sections) {
        if (!EqualNoCase(s.name, section))
            continue;
        for (auto& [k, v] : s.entries) {
            if (EqualNoCase(k, key)) {
                v = value;
                return;
            }
        }
        s.entries.emplace_back(key, value);
        return;
    }
    m_sections.push_back(Section{section, {{key, value}}});
}

} // namespace teska
