// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "suite/SuiteEnvironment.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "suite/Errors.h"
#include "suite/FileText.h"
#include "suite/Host.h"
#include "suite/SettingsStore.h"
#include "suite/TextCatalogue.h"

namespace teska {

namespace {

std::string withSlash(std::string directory)
{
    if (directory.empty() || directory.back() != '/')
        directory += '/';
    return directory;
}

std::string environmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string ensureDirectory(std::string directory)
{
    directory = withSlash(std::move(directory));
    std::error_code ec;
    std::filesystem::create_directories(directory, ec);
    return directory;
}

std::string formatReal(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// The [Units] keys of suite.ini.
constexpr const char* kUnits = "Units";
constexpr const char* kCompany = "Company";
constexpr const char* kGeneral = "General";

struct UnitName {
    const char* key;
    std::string UnitSettings::*member;
};
struct UnitFactor {
    const char* key;
    double UnitSettings::*member;
};
const UnitName kUnitNames[] = {{"L", &UnitSettings::LengthUnit}, {"L2", &UnitSettings::Length2Unit},
    {"F", &UnitSettings::ForceUnit}, {"F2", &UnitSettings::Force2Unit}};
const UnitFactor kUnitFactors[] = {{"LF", &UnitSettings::LengthFactor}, {"L2F", &UnitSettings::Length2Factor},
    {"FF", &UnitSettings::ForceFactor}, {"F2F", &UnitSettings::Force2Factor}};

// Reads the settings of \p store into the three outputs, throwing
// FileFormatError at the first bad value.
void readSettings(const SettingsStore& store, UnitSettings& units, std::string& line1, std::string& line2,
    std::string& language)
{
    auto bad = [&](const char* section, const char* key, const std::string& what) {
        throw FileFormatError(store.path(), store.LineOf(section, key), 0, 0, what);
    };
    for (const UnitName& name : kUnitNames) {
        if (auto value = store.Find(kUnits, name.key)) {
            if (value->size() < 3 || value->front() != '[' || value->back() != ']')
                bad(kUnits, name.key,
                    std::string("expected a unit name in brackets such as [m] for ") + name.key);
            units.*name.member = *value;
        }
    }
    for (const UnitFactor& factor : kUnitFactors) {
        if (auto value = store.Find(kUnits, factor.key)) {
            double number = 0;
            const char* first = value->data();
            const char* last = first + value->size();
            const auto [end, error] = std::from_chars(first, last, number);
            if (error != std::errc() || end != last || !std::isfinite(number) || number <= 0)
                bad(kUnits, factor.key,
                    std::string("expected a positive number for ") + factor.key + ", found '" + *value + "'");
            units.*factor.member = number;
        }
    }
    if (auto value = store.Find(kUnits, "N")) {
        int number = 0;
        const char* first = value->data();
        const char* last = first + value->size();
        const auto [end, error] = std::from_chars(first, last, number);
        if (error != std::errc() || end != last)
            bad(kUnits, "N", "expected a whole number for N, found '" + *value + "'");
        units.Ninth = number;
    }
    line1 = store.Value(kCompany, "Line1", line1);
    line2 = store.Value(kCompany, "Line2", line2);
    language = store.Value(kGeneral, "Language", language);
}

} // namespace

SuiteEnvironment::SuiteEnvironment(Host& host, std::string settingsDirectory)
    : host_(host)
    , settingsDirectory_(settingsDirectory.empty() ? SettingsDirectoryFromEnvironment()
                                                   : ensureDirectory(std::move(settingsDirectory)))
{ }

std::string SuiteEnvironment::SettingsDirectoryFromEnvironment()
{
    const std::string configured = environmentValue("TESKA_SETTINGS_DIR");
    if (!configured.empty())
        return ensureDirectory(configured);
    // Only an absolute XDG_CONFIG_HOME counts, as the XDG base directory rules say.
    const std::string xdg = environmentValue("XDG_CONFIG_HOME");
    if (!xdg.empty() && xdg.front() == '/')
        return ensureDirectory(withSlash(xdg) + "teska");
    const std::string home = environmentValue("HOME");
    if (!home.empty())
        return ensureDirectory(withSlash(home) + ".config/teska");
    std::error_code ec;
    const std::filesystem::path temp = std::filesystem::temp_directory_path(ec);
    return ensureDirectory((ec ? std::string("/tmp") : temp.string()) + "/teska");
}

void SuiteEnvironment::LoadSettings()
{
    UnitSettings units;
    std::string line1;
    std::string line2;
    std::string language = "en";
    SettingsStore store(SettingsFilePath());
    try {
        store.Load();
        // The suite's settings are read as a whole or not at all.
        if (!store.Problems().empty())
            throw RuntimeError(store.Problems().front());
        readSettings(store, units, line1, line2, language);
    } catch (const RuntimeError& e) {
        units_ = UnitSettings();
        CompanyLine1.clear();
        CompanyLine2.clear();
        Language = "en";
        host_.reportError("The suite settings were not read; defaults are used. " + std::string(e.what()));
        return;
    }
    units_ = units;
    CompanyLine1 = line1;
    CompanyLine2 = line2;
    Language = language.empty() ? "en" : language;
}

void SuiteEnvironment::SaveSettings() const
{
    SettingsStore store(SettingsFilePath());
    try {
        store.Load();
    } catch (const RuntimeError&) {
        store.Clear(); // a corrupt file is replaced as a whole
    }
    for (const UnitName& name : kUnitNames)
        store.SetValue(kUnits, name.key, units_.*name.member);
    for (const UnitFactor& factor : kUnitFactors)
        store.SetValue(kUnits, factor.key, formatReal(units_.*factor.member));
    store.SetValue(kUnits, "N", std::to_string(units_.Ninth));
    store.SetValue(kCompany, "Line1", CompanyLine1);
    store.SetValue(kCompany, "Line2", CompanyLine2);
    store.SetValue(kGeneral, "Language", Language);
    store.Save();
}

void SuiteEnvironment::AnnounceFile(const std::string& name)
{
    announcedFile_ = name;
}

bool SuiteEnvironment::IsFileMissing(const std::string& name, bool quiet) const
{
    // Looked at, not opened: a named pipe would block the open.
    const std::string problem = RegularFileProblem(name);
    if (problem.empty())
        return false;
    if (!quiet)
        host_.statusText(problem == "does not exist" ? "File not found: " + name : name + ": " + problem);
    return true;
}

void SuiteEnvironment::SetStatusText(const StatusMessage& message, const TextCatalogue* catalogue)
{
    status_ = message;
    if (const auto* id = std::get_if<long>(&message))
        host_.statusText(catalogue ? catalogue->LookupText(*id) : "#" + std::to_string(*id));
    else
        host_.statusText(std::get<std::string>(message));
}

void SuiteEnvironment::StatusBarMode(int mode)
{
    host_.fileNotice(announcedFile_, mode);
}

void SuiteEnvironment::ClearStatus()
{
    host_.clearFileNotice();
}

void SuiteEnvironment::ReportPendingError()
{
    if (pendingError_.empty())
        return;
    const std::string message = pendingError_;
    pendingError_.clear();
    host_.reportError(message);
}

} // namespace teska
