// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The engine's host in the main window: status texts go to panel 1 of the
// status bar, errors and warnings to message boxes. On the offscreen
// platform (tests, batch screenshots) nothing modal is shown: the messages
// are kept and written to stderr instead.

#include <QPointer>
#include <QStatusBar>
#include <string>
#include <vector>

#include "suite/Host.h"

namespace teska {

class ShellHost : public Host {
public:
    void setStatusBar(QStatusBar* bar) { m_statusBar = bar; }
    void statusText(const std::string& text) override;
    void processEvents() override;
    void warning(const std::string& title, const std::string& text) override;
    void reportError(const std::string& message) override;

    // Every reported error of this run, oldest first.
    const std::vector<std::string>& errors() const { return m_errors; }

private:
    QPointer<QStatusBar> m_statusBar;
    std::vector<std::string> m_errors;
};

} // namespace teska
