// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Marking a project as in use and releasing it. The mark is a lock file
// beside the project file, NAME.LCK, created exclusively and holding the
// host name and process id of the program that opened the project:
//
//     TESKA-LCK
//     host=<host name>
//     pid=<process id>
//
// A lock of this host whose process no longer runs, or whose content is not
// in that form, is stale and is taken over. A lock of another host is
// always taken as live. Listing only reads a project, so a project held by
// another program is still opened; the caller warns the user.

#include <string>

namespace teska {

// Who holds a lock; the release key of a project.
struct LockOwner {
    std::string Host;
    long Pid = 0;
    bool operator==(const LockOwner&) const = default;
};

// The owner that this process writes into its locks.
LockOwner ThisProcess();

enum class LockResult {
    Acquired, // a new lock was written
    AlreadyOurs, // the lock held the given owner already
    TakenOverStale, // a stale lock was replaced
    HeldByOther, // a live lock of another owner is in place (see Owner)
    Failed, // the lock file could not be written (read-only folder ...)
};

struct ProjectLock {
    LockResult Result = LockResult::Failed;
    LockOwner Owner; // the holder of the lock file after the call
};

// The lock of the project whose path without
// extension is \p pathWithoutExtension is that path + ".LCK".
std::string LockFilePath(const std::string& pathWithoutExtension);

// Marks the project in use for \p self.
ProjectLock AcquireProject(const std::string& pathWithoutExtension, const LockOwner& self);

// Releases the project: removes the lock file when \p releaseKey holds it.
// Returns 0 when the project is no longer marked for \p releaseKey (removed,
// or there was no lock), -1 when another owner holds it or it cannot be
// removed (the lock is then left alone).
short ProjectRelease(const std::string& pathWithoutExtension, const LockOwner& releaseKey);

// Whether the holder of a lock still runs (a lock of another host: true).
bool LockOwnerAlive(const LockOwner& owner);

} // namespace teska
