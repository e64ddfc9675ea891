// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An exclusive lock on a folder, held for the life of the object, so that
// programs sharing a settings folder save their files one after the other.
// The folder itself is locked: no lock file is left behind.

#include <string>

namespace teska {

class FileLock {
public:
    // Waits up to about five seconds for the lock on \p folder; throws
    // FileAccessError naming \p file (what the lock is for) when the folder
    // cannot be opened or its holder does not give the lock up.
    FileLock(const std::string& folder, const std::string& file);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int fd_ = -1;
};

} // namespace teska
