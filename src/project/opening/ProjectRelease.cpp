// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/opening/ProjectRelease.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <signal.h>
#include <sstream>
#include <system_error>
#include <unistd.h>

#include "suite/FileText.h"

namespace teska {

namespace {

constexpr const char* kLockSignature = "TESKA-LCK";
constexpr std::size_t kMaxLockBytes = 4096;

std::string LockText(const LockOwner& owner)
{
    return std::string(kLockSignature) + "\nhost=" + owner.Host + "\npid=" + std::to_string(owner.Pid) + "\n";
}

// The owner written in a lock file; nullopt when the file is missing,
// oversized or not in the lock form.
std::optional<LockOwner> ReadLock(const std::string& path)
{
    if (!RegularFileProblem(path).empty())
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string text(kMaxLockBytes + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (text.size() > kMaxLockBytes)
        return std::nullopt;
    std::istringstream lines(text);
    std::string signature, host, pid;
    std::getline(lines, signature);
    std::getline(lines, host);
    std::getline(lines, pid);
    auto trim = [](std::string& s) {
        while (!s.empty() && (s.back() == '\r' || s.back() == ' '))
            s.pop_back();
    };
    trim(signature), trim(host), trim(pid);
    if (signature != kLockSignature || host.rfind("host=", 0) != 0 || pid.rfind("pid=", 0) != 0)
        return std::nullopt;
    LockOwner owner;
    owner.Host = host.substr(5);
    const std::string digits = pid.substr(4);
    if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    owner.Pid = std::stol(digits);
    return owner;
}

// Creates the lock file only when none exists.
bool CreateLock(const std::string& path, const LockOwner& owner)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0)
        return false;
    const std::string text = LockText(owner);
    const bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::close(fd);
    if (!written)
        ::unlink(path.c_str());
    return written;
}

} // namespace

LockOwner ThisProcess()
{
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0)
        name[0] = '\0';
    LockOwner owner;
    owner.Host = name[0] ? name : "localhost";
    owner.Pid = static_cast<long>(::getpid());
    return owner;
}

bool LockOwnerAlive(const LockOwner& owner)
{
    if (owner.Host != ThisProcess().Host)
        return true;
    if (owner.Pid <= 0)
        return false;
    return ::kill(static_cast<pid_t>(owner.Pid), 0) == 0 || errno == EPERM;
}

std::string LockFilePath(const std::string& pathWithoutExtension)
{
    return pathWithoutExtension + ".LCK";
}

ProjectLock AcquireProject(const std::string& pathWithoutExtension, const LockOwner& self)
{
    const std::string path = LockFilePath(pathWithoutExtension);
    // Two rounds: the second after a stale lock has been removed.
    for (int round = 0; round < 2; ++round) {
        if (CreateLock(path, self))
            return {round == 0 ? LockResult::Acquired : LockResult::TakenOverStale, self};
        std::error_code error;
        if (!std::filesystem::exists(path, error))
            return {LockResult::Failed, {}};
        const std::optional<LockOwner> holder = ReadLock(path);
        if (holder && *holder == self)
            return {LockResult::AlreadyOurs, self};
        if (holder && LockOwnerAlive(*holder))
            return {LockResult::HeldByOther, *holder};
        if (!std::filesystem::remove(path, error) || error)
            return {LockResult::Failed, holder.value_or(LockOwner{})};
    }
    return {LockResult::Failed, {}};
}

short ProjectRelease(const std::string& pathWithoutExtension, const LockOwner& releaseKey)
{
    const std::string path = LockFilePath(pathWithoutExtension);
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return 0;
    const std::optional<LockOwner> holder = ReadLock(path);
    if (!holder || !(*holder == releaseKey))
        return -1;
    return std::filesystem::remove(path, error) && !error ? 0 : -1;
}

} // namespace teska
