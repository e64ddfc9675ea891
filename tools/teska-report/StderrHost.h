// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The host of the batch tool: progress (the section being written and the
// file being read) goes to stderr when stderr is a terminal; reported errors
// and warnings always go to stderr.

#include <ostream>
#include <string>
#include <vector>

#include "suite/Host.h"

namespace teska::report {

class StderrHost : public Host {
public:
    // \p showProgress: write status and progress lines (normally: stderr is
    // a terminal).
    StderrHost(std::ostream& out, bool showProgress);

    void statusText(const std::string& text) override;
    void fileNotice(const std::string& file, int mode) override;
    void progress(const std::string& headline, const std::string& message) override;
    void warning(const std::string& title, const std::string& text) override;
    void reportError(const std::string& message) override;

    const std::vector<std::string>& errors() const { return errors_; }

private:
    std::ostream& out_;
    bool showProgress_;
    std::string lastLine_;
    std::vector<std::string> errors_;
    void line(const std::string& text);
};

} // namespace teska::report
