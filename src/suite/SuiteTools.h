// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The suite's tool object: the run state of a list run and its cancel, and a
// string of n blanks.

#include <string>

namespace teska {

// Run state of a list run: 0 running, 3 aborted on a missing file, 4 cancelled.
enum RunStateValue : int { RunRunning = 0, RunAborted = 3, RunCancelled = 4 };

class SuiteTools {
public:
    int RunState() const { return runState_; }
    void SetRunState(int state) { runState_ = state; }
    // Cancel of a running list (the list window's button, Ctrl+C in the batch tool).
    void Cancel() { runState_ = RunCancelled; }
    // True when the running list must stop (aborted or cancelled).
    bool RunStopped() const { return runState_ == RunAborted || runState_ == RunCancelled; }

    // A string of n blanks (none for n <= 0).
    static std::string Blanks(long n)
    {
        return n > 0 ? std::string(static_cast<std::size_t>(n), ' ') : std::string();
    }

private:
    int runState_ = RunRunning;
};

} // namespace teska
