// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The text catalogue: every caption, heading and message by numeric
// identifier, one UTF-8 file per language under data/catalogue/ (format in
// data/catalogue/README.md).

#include <cstdint>
#include <set>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

namespace teska {

class Host;

// One element of a LookupText argument array: an option number, a marker
// such as "|1", or the value that follows a marker.
using TextArg = std::variant<long, std::string>;
using TextArgs = std::vector<TextArg>;

class TextCatalogue {
public:
    // Loads language \p language (falling back to English for missing
    // identifiers) from \p catalogueDirectory. Throws FileAccessError when
    // not even the English file can be read, FileFormatError (file, line)
    // for a malformed catalogue file.
    TextCatalogue(const std::string& catalogueDirectory, const std::string& language);

    // The catalogue folder of this installation: the source tree during
    // development, the installed data folder otherwise.
    static std::string DefaultDirectory();
    // The language to use: TESKA_LANG when set, else \p configured, else "en".
    static std::string ChooseLanguage(const std::string& configured);

    struct Language {
        std::string Code; // the file name: "en", "de", "ar"
        std::string Name; // its "@language" entry, else the code
    };
    // The languages of \p catalogueDirectory, English first, then by code.
    // A file that cannot be read or parsed is left out.
    static std::vector<Language> Languages(const std::string& catalogueDirectory);

    // Member 1: the text of \p id with each marker "|1".."|3" replaced by the
    // argument that follows it. A leading whole number in \p args is the
    // option (CatalogueOptions.h); a whole number after a marker is an
    // identifier whose text is inserted. Unknown identifiers give "#<id>"
    // (reported once through the host when one is set) or, in strict mode,
    // throw RuntimeError.
    std::string LookupText(long id, const TextArgs& args = {}) const;

    // Member 2: message box style flags added to the exclamation style.
    int MessageStyleFlags() const;
    // Member 3: true for a right-to-left language.
    bool IsRightToLeft() const;
    // Members 4, 5: symbols of the first and the second coordinate axis.
    std::string AxisSymbol1() const;
    std::string AxisSymbol2() const;
    // Members 7, 8: names of the first and the second coordinate axis.
    std::string AxisName1() const;
    std::string AxisName2() const;
    // Member 11: the terminology switch (start-up picks TermId by it; the data
    // list writes an extra block when it is not 0).
    std::int16_t TerminologySwitch() const;
    // Member 12: the name of the language, passed after "|1".
    std::string LanguageName() const;

    // True when \p id has a text (in the chosen language or in English).
    bool Contains(long id) const;

    // The language actually loaded: "en" when the chosen one has no file.
    const std::string& language() const { return language_; }
    void setStrict(bool strict) { strict_ = strict; }
    void setHost(Host* host) { host_ = host; }

private:
    std::string header(const std::string& key) const;
    // The placeholder "#<id>" for an unknown identifier; reports it once
    // (host warning) or throws RuntimeError in strict mode.
    std::string missing(long id) const;

    std::string language_;
    std::unordered_map<long, std::string> texts_;
    std::unordered_map<std::string, std::string> header_;
    bool strict_ = false;
    Host* host_ = nullptr;
    mutable std::set<long> reportedMissing_;
};

} // namespace teska
