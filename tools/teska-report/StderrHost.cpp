// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StderrHost.h"

namespace teska::report {

StderrHost::StderrHost(std::ostream& out, bool showProgress)
    : out_(out)
    , showProgress_(showProgress)
{ }

void StderrHost::line(const std::string& text)
{
    // The same message repeated (status and progress of one step) is shown once.
    if (!showProgress_ || text.empty() || text == lastLine_)
        return;
    lastLine_ = text;
    out_ << text << '\n';
    out_.flush();
}

void StderrHost::statusText(const std::string& text)
{
    line(text);
}

void StderrHost::fileNotice(const std::string& file, int mode)
{
    (void)mode;
    line("  " + file);
}

void StderrHost::progress(const std::string& headline, const std::string& message)
{
    line(headline.empty() ? message : (message.empty() ? headline : headline + ": " + message));
}

void StderrHost::warning(const std::string& title, const std::string& text)
{
    out_ << "teska-report: warning: " << (title.empty() ? text : title + ": " + text) << '\n';
    out_.flush();
}

void StderrHost::reportError(const std::string& message)
{
    errors_.push_back(message);
    out_ << "teska-report: " << message << '\n';
    out_.flush();
}

} // namespace teska::report
