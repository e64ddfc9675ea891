// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "suite/TextCatalogue.h"

#include <algorithm>

#include <charconv>
#include <cstdlib>
#include <filesystem>

#include "suite/CatalogueOptions.h"
#include "suite/CatalogueParser.h"
#include "suite/Errors.h"
#include "suite/FileText.h"
#include "suite/Host.h"

namespace teska {

namespace {

constexpr std::size_t kMaxCatalogueBytes = 16 * 1024 * 1024;

std::string environmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// Reduces a locale-like language ("de_DE.UTF-8", "AR") to the catalogue file
// name ("de", "ar"); anything that is not a plain name becomes "en".
std::string normaliseLanguage(const std::string& language)
{
    std::string code;
    for (const char c : language) {
        if (c == '_' || c == '.' || c == '-' || c == '@')
            break;
        if (c >= 'A' && c <= 'Z')
            code += static_cast<char>(c - 'A' + 'a');
        else if (c >= 'a' && c <= 'z')
            code += c;
        else
            return "en";
    }
    return code.empty() || code == "c" || code == "posix" ? "en" : code;
}

long parseWhole(const std::string& text, long fallback)
{
    long value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    if (!text.empty() && *first == '+')
        ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end == last && first != last ? value : fallback;
}

} // namespace

TextCatalogue::TextCatalogue(const std::string& catalogueDirectory, const std::string& language)
    : language_(normaliseLanguage(language))
{
    std::string directory = catalogueDirectory;
    if (!directory.empty() && directory.back() != '/')
        directory += '/';

    const std::string englishPath = directory + "en";
    CatalogueContent english = ParseCatalogue(ReadWholeFile(englishPath, kMaxCatalogueBytes), englishPath);
    texts_ = std::move(english.texts);
    header_ = std::move(english.header);

    if (language_ != "en") {
        const std::string path = directory + language_;
        std::error_code ec;
        if (std::filesystem::is_regular_file(path, ec)) {
            CatalogueContent own = ParseCatalogue(ReadWholeFile(path, kMaxCatalogueBytes), path);
            for (auto& [id, text] : own.texts)
                texts_[id] = std::move(text);
            for (auto& [key, value] : own.header)
                header_[key] = std::move(value);
        } else {
            // No catalogue for this language: the whole run is in English.
            language_ = "en";
        }
    }
}

std::string TextCatalogue::DefaultDirectory()
{
    const std::string configured = environmentValue("TESKA_CATALOGUE_DIR");
    if (!configured.empty())
        return configured;
    const std::string source = std::string(TESKA_SOURCE_DATA_DIR) + "/catalogue";
    std::error_code ec;
    if (std::filesystem::is_directory(source, ec))
        return source;
    return std::string(TESKA_INSTALL_DATA_DIR) + "/catalogue";
}

std::string TextCatalogue::ChooseLanguage(const std::string& configured)
{
    const std::string forced = environmentValue("TESKA_LANG");
    if (!forced.empty())
        return normaliseLanguage(forced);
    if (!configured.empty())
        return normaliseLanguage(configured);
    return "en";
}

std::vector<TextCatalogue::Language> TextCatalogue::Languages(const std::string& catalogueDirectory)
{
    std::vector<Language> languages;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(catalogueDirectory, ec)) {
        const std::string code = entry.path().filename().string();
        // Catalogue files are named by their lower-case code alone.
        if (!entry.is_regular_file(ec) || code.empty() || normaliseLanguage(code) != code)
            continue;
        try {
            const std::string path = entry.path().string();
            const CatalogueContent content = ParseCatalogue(ReadWholeFile(path, kMaxCatalogueBytes), path);
            const auto name = content.header.find("language");
            languages.push_back({code, name == content.header.end() ? code : name->second});
        } catch (const RuntimeError&) { }
    }
    std::sort(languages.begin(), languages.end(), [](const Language& a, const Language& b) {
        return (a.Code != "en") < (b.Code != "en")
            || ((a.Code != "en") == (b.Code != "en") && a.Code < b.Code);
    });
    return languages;
}

bool TextCatalogue::Contains(long id) const
{
    return texts_.count(id) != 0;
}

std::string TextCatalogue::LookupText(long id, const TextArgs& args) const
{
    const auto it = texts_.find(id);
    if (it == texts_.end())
        return missing(id);

    long option = 0;
    std::string values[3];
    std::size_t i = 0;
    if (!args.empty() && std::holds_alternative<long>(args[0])) {
        option = std::get<long>(args[0]);
        i = 1;
    }
    for (; i < args.size(); ++i) {
        const auto* marker = std::get_if<std::string>(&args[i]);
        if (!marker || marker->size() != 2 || (*marker)[0] != '|' || (*marker)[1] < '1' || (*marker)[1] > '3')
            continue;
        const std::size_t slot = static_cast<std::size_t>((*marker)[1] - '1');
        if (i + 1 >= args.size())
            break;
        const TextArg& value = args[++i];
        if (const auto* whole = std::get_if<long>(&value))
            values[slot] = LookupText(*whole); // a whole number names a caption
        else
            values[slot] = std::get<std::string>(value);
    }
    return ApplyCatalogueOption(it->second, values, option);
}

std::string TextCatalogue::missing(long id) const
{
    const std::string placeholder = "#" + std::to_string(id);
    const std::string message = "The text catalogue (" + language_ + ") has no text " + std::to_string(id)
        + "; \"" + placeholder + "\" is shown instead.";
    if (strict_)
        throw RuntimeError(message);
    if (host_ && reportedMissing_.insert(id).second)
        host_->warning("Text catalogue", message);
    return placeholder;
}

std::string TextCatalogue::header(const std::string& key) const
{
    const auto it = header_.find(key);
    return it == header_.end() ? std::string() : it->second;
}

int TextCatalogue::MessageStyleFlags() const
{
    return static_cast<int>(parseWhole(header("style"), 0));
}

bool TextCatalogue::IsRightToLeft() const
{
    return parseWhole(header("rtl"), 0) != 0;
}

std::string TextCatalogue::AxisSymbol1() const
{
    const std::string s = header("axis1");
    return s.empty() ? "x" : s;
}

std::string TextCatalogue::AxisSymbol2() const
{
    const std::string s = header("axis2");
    return s.empty() ? "y" : s;
}

std::string TextCatalogue::AxisName1() const
{
    const std::string s = header("axisname1");
    return s.empty() ? AxisSymbol1() : s;
}

std::string TextCatalogue::AxisName2() const
{
    const std::string s = header("axisname2");
    return s.empty() ? AxisSymbol2() : s;
}

std::int16_t TextCatalogue::TerminologySwitch() const
{
    const long value = parseWhole(header("term"), 0);
    return value < -32768 || value > 32767 ? std::int16_t(1) : static_cast<std::int16_t>(value);
}

std::string TextCatalogue::LanguageName() const
{
    const std::string s = header("language");
    return s.empty() ? language_ : s;
}

} // namespace teska
