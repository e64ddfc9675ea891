// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The temporary files of outputs being written (a list text, a PDF, a
// settings file), so that an interrupted program can remove them: the
// writers register a file while it exists under its temporary name, and a
// signal handler calls RemoveTemporaryFilesNow.

#include <string>

namespace teska {

// At most this many temporary files are tracked at once; more are written
// all the same, only not removed on an interrupt.
inline constexpr int kMaxTrackedTemporaryFiles = 16;

void RegisterTemporaryFile(const std::string& path);

// Holds SIGINT and SIGTERM back for its lifetime, so that a temporary file
// is made and registered as one step: an interrupt in between would leave
// it behind.
class InterruptsHeld {
public:
    InterruptsHeld();
    ~InterruptsHeld();
    InterruptsHeld(const InterruptsHeld&) = delete;
    InterruptsHeld& operator=(const InterruptsHeld&) = delete;

private:
    unsigned long m_old[16]; // the previous signal mask (a sigset_t)
};
void UnregisterTemporaryFile(const std::string& path);

// Removes every registered file. Safe to call from a signal handler (only
// unlink on fixed buffers).
void RemoveTemporaryFilesNow();

// Makes SIGINT and SIGTERM remove the registered files and end the process
// with 128 + the signal's number (130, 143).
void RemoveTemporaryFilesOnInterrupt();

} // namespace teska
