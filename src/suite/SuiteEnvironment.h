// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The suite's shared services object: settings directory and settings file,
// unit settings, company header, the current file name, the missing-file
// test, the status text and the pending run-time error.

#include <string>
#include <variant>

namespace teska {

class Host;
class TextCatalogue;

// The nine unit values handed out at start-up: unit names carry one
// enclosing bracket at each end; a factor is display units per stored unit.
struct UnitSettings {
    std::string LengthUnit = "[m]";
    double LengthFactor = 1.0;
    std::string Length2Unit = "[cm]";
    double Length2Factor = 1.0;
    std::string ForceUnit = "[kN]";
    double ForceFactor = 1.0;
    std::string Force2Unit = "[kN]";
    double Force2Factor = 1.0;
    int Ninth = 0;
};

// A status message: a catalogue identifier or a literal text.
using StatusMessage = std::variant<long, std::string>;

class SuiteEnvironment {
public:
    // \p settingsDirectory empty: taken from SettingsDirectoryFromEnvironment().
    SuiteEnvironment(Host& host, std::string settingsDirectory = {});

    // TESKA_SETTINGS_DIR, else $XDG_CONFIG_HOME/teska/ (else ~/.config/teska/,
    // else <temp>/teska/ without a home); created when missing (a failure
    // shows later, when a file is saved there); always ends with "/".
    static std::string SettingsDirectoryFromEnvironment();
    const std::string& SettingsDirectory() const { return settingsDirectory_; }

    // The suite settings file (SettingsDirectory + "suite.ini"): units,
    // company header lines and language. Missing file or keys: defaults. A
    // corrupt file (bad line, non-number, unit without brackets) gives all
    // defaults and one error, naming the file and the line, reported through
    // the host.
    void LoadSettings();
    // Writes the settings atomically (temporary file, then rename); other
    // sections already in the file are kept. Throws FileAccessError.
    void SaveSettings() const;
    std::string SettingsFilePath() const { return settingsDirectory_ + "suite.ini"; }

    UnitSettings& Units() { return units_; }
    const UnitSettings& Units() const { return units_; }
    std::string CompanyLine1;
    std::string CompanyLine2;
    std::string Language = "en";

    // Called by OpenListFile before every open; the name is kept for the
    // file notice of StatusBarMode.
    void AnnounceFile(const std::string& name);
    const std::string& AnnouncedFile() const { return announcedFile_; }
    // True when the file must not be read (it does not exist, is a folder or
    // cannot be opened for reading). Unless \p quiet, the reason is shown as
    // the host's status text; \p quiet: the caller handles absence itself.
    bool IsFileMissing(const std::string& name, bool quiet) const;
    void SetCurrentFileName(const std::string& name) { currentFileName_ = name; }
    const std::string& CurrentFileName() const { return currentFileName_; }

    // Status text: shown at once in the host's status bar, kept for read-back.
    // An identifier is shown as its catalogue text when \p catalogue is
    // given, else as "#<id>".
    void SetStatusText(const StatusMessage& message, const TextCatalogue* catalogue = nullptr);
    const StatusMessage& CurrentStatusMessage() const { return status_; }
    // The notice of the announced file being opened in \p mode (host
    // fileNotice) and its clearing (host clearFileNotice). ClearStatus keeps
    // the current status message: it is the detail of later progress texts.
    void StatusBarMode(int mode);
    void ClearStatus();

    // The pending run-time error, set by the handler that caught it and
    // reported (then cleared) by ReportPendingError; nothing is reported
    // when none is pending.
    void SetPendingError(const std::string& message) { pendingError_ = message; }
    bool HasPendingError() const { return !pendingError_.empty(); }
    void ReportPendingError();
    void ClearPendingError() { pendingError_.clear(); }

    Host& host() { return host_; }

private:
    Host& host_;
    std::string settingsDirectory_;
    UnitSettings units_;
    std::string currentFileName_;
    std::string announcedFile_;
    StatusMessage status_ = std::string();
    std::string pendingError_;
};

} // namespace teska
