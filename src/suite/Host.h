// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the list engine needs from the program around it. The main window
// implements it with its status bar, progress window and message boxes; the
// batch tool with stderr. Every member has a quiet default except error
// reporting, which nobody may silently drop.

#include <string>
#include <vector>

namespace teska {

class Host {
public:
    virtual ~Host() = default;

    // Panel 1 of the main window's status bar.
    virtual void statusText(const std::string& text) { (void)text; }
    // The notice of a file being opened (mode of OpenListFile) and its clearing.
    virtual void fileNotice(const std::string& file, int mode) { (void)file, (void)mode; }
    virtual void clearFileNotice() { }
    // The progress window's headline and message during a list run.
    virtual void progress(const std::string& headline, const std::string& message)
    {
        (void)headline, (void)message;
    }
    // Yield to the event loop so that the interface stays alive (and a cancel
    // button can be pressed) during long runs.
    virtual void processEvents() { }
    // A warning message box (title, text) such as the empty-table warning.
    virtual void warning(const std::string& title, const std::string& text) { (void)title, (void)text; }
    // Show a reported run-time error to the user.
    virtual void reportError(const std::string& message) = 0;
};

// A host that does nothing but remember the reported errors; used by tests
// and as the silent default.
class RecordingHost : public Host {
public:
    void reportError(const std::string& message) override { errors.push_back(message); }
    void warning(const std::string& title, const std::string& text) override
    {
        warnings.push_back(title + ": " + text);
    }
    void statusText(const std::string& text) override { lastStatus = text; }
    void progress(const std::string& headline, const std::string& message) override
    {
        lastProgress = headline + "|" + message;
        ++progressCount;
    }

    std::vector<std::string> errors;
    std::vector<std::string> warnings;
    std::string lastStatus;
    std::string lastProgress;
    int progressCount = 0;
};

} // namespace teska
