// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "suite/TemporaryFiles.h"

#include <csignal>
#include <cstring>
#include <unistd.h>

namespace teska {

namespace {

// Fixed slots a signal handler can read: a slot is in use while its first
// byte is not zero. The program is single-threaded; the handler only reads.
constexpr std::size_t kPathBytes = 4096;
char g_paths[kMaxTrackedTemporaryFiles][kPathBytes];
volatile std::sig_atomic_t g_used[kMaxTrackedTemporaryFiles];

void OnInterrupt(int signal)
{
    RemoveTemporaryFilesNow();
    ::_exit(128 + signal);
}

bool g_onInterrupt = false;

void InstallHandlers()
{
    struct sigaction action { };
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

} // namespace

InterruptsHeld::InterruptsHeld()
{
    static_assert(sizeof m_old >= sizeof(sigset_t));
    sigset_t held;
    sigemptyset(&held);
    sigaddset(&held, SIGINT);
    sigaddset(&held, SIGTERM);
    ::sigprocmask(SIG_BLOCK, &held, reinterpret_cast<sigset_t*>(m_old));
}

InterruptsHeld::~InterruptsHeld()
{
    ::sigprocmask(SIG_SETMASK, reinterpret_cast<const sigset_t*>(m_old), nullptr);
}

void RegisterTemporaryFile(const std::string& path)
{
    if (path.empty() || path.size() >= kPathBytes)
        return;
    // Libraries loaded since start-up may have set handlers of their own:
    // while a temporary file exists, the interrupt is ours.
    if (g_onInterrupt)
        InstallHandlers();
    for (int i = 0; i < kMaxTrackedTemporaryFiles; ++i)
        if (!g_used[i]) {
            std::memcpy(g_paths[i], path.c_str(), path.size() + 1);
            g_used[i] = 1;
            return;
        }
}

void UnregisterTemporaryFile(const std::string& path)
{
    for (int i = 0; i < kMaxTrackedTemporaryFiles; ++i)
        if (g_used[i] && path == g_paths[i]) {
            g_used[i] = 0;
            g_paths[i][0] = '\0';
        }
}

void RemoveTemporaryFilesNow()
{
    for (int i = 0; i < kMaxTrackedTemporaryFiles; ++i)
        if (g_used[i])
            ::unlink(g_paths[i]);
}

void RemoveTemporaryFilesOnInterrupt()
{
    g_onInterrupt = true;
    InstallHandlers();
}

} // namespace teska
