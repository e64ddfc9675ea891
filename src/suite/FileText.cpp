// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "suite/FileText.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "suite/Errors.h"
#include "suite/TemporaryFiles.h"

namespace teska {

namespace {

std::string systemReason(int error)
{
    return std::strerror(error);
}

// Closes a descriptor on every path out of a scope.
struct Descriptor {
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

namespace {

std::string KindProblem(mode_t mode)
{
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return "is a folder, not a file";
    if (S_ISFIFO(mode))
        return "is a named pipe, not a file";
    if (S_ISSOCK(mode))
        return "is a socket, not a file";
    return "is a device, not a file";
}

} // namespace

std::string RegularFileProblem(const std::string& path)
{
    struct stat status { };
    if (path.empty() || ::stat(path.c_str(), &status) != 0)
        return errno == ENOENT || path.empty() ? "does not exist" : "cannot be read: " + systemReason(errno);
    if (std::string kind = KindProblem(status.st_mode); !kind.empty())
        return kind;
    if (::access(path.c_str(), R_OK) != 0)
        return "cannot be read: " + systemReason(errno);
    return {};
}

namespace {

// The bytes of \p path up to \p limit: more is an error when \p whole, else
// the rest is not read. The bytes go straight into the text, sized as the
// file is when opened, then grown by what it has grown by.
std::string ReadFileBytes(const std::string& path, std::size_t limit, bool whole)
{
    if (const std::string problem = RegularFileProblem(path); !problem.empty())
        throw FileAccessError(path, problem);
    // Not blocking on open: the file may have been swapped for a pipe
    // since it was looked at. What was opened is checked again.
    Descriptor file;
    file.fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (file.fd < 0)
        throw FileAccessError(path, "cannot be opened: " + systemReason(errno));
    struct stat status { };
    if (::fstat(file.fd, &status) != 0)
        throw FileAccessError(path, "cannot be read: " + systemReason(errno));
    if (std::string kind = KindProblem(status.st_mode); !kind.empty())
        throw FileAccessError(path, kind);
    ::fcntl(file.fd, F_SETFL, ::fcntl(file.fd, F_GETFL) & ~O_NONBLOCK);
    const std::size_t size = static_cast<std::size_t>(status.st_size);
    const auto tooLarge = [&] {
        return FileFormatError(path, 0, 0, 0, "file is larger than " + std::to_string(limit) + " bytes");
    };
    if (whole && size > limit)
        throw tooLarge();
    std::string content(std::min(size, limit), '\0');
    std::size_t have = 0;
    char spare[65536];
    for (;;) {
        // Into the text while it has room; past it (a file that has grown,
        // or the end to be seen) a piece at a time.
        const bool inside = have < content.size();
        if (!inside && !whole && have >= limit)
            break;
        const ssize_t got = inside
            ? ::read(file.fd, content.data() + have, content.size() - have)
            : ::read(file.fd, spare, whole ? sizeof spare : std::min(sizeof spare, limit - have));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw FileAccessError(path, "cannot be read: " + systemReason(errno));
        }
        if (got == 0)
            break;
        if (!inside)
            content.append(spare, static_cast<std::size_t>(got));
        have += static_cast<std::size_t>(got);
        if (whole && have > limit)
            throw tooLarge();
    }
    content.resize(have);
    return content;
}

} // namespace

std::string ReadWholeFile(const std::string& path, std::size_t maxBytes)
{
    return ReadFileBytes(path, maxBytes, true);
}

std::string ReadFileStart(const std::string& path, std::size_t bytes)
{
    return ReadFileBytes(path, bytes, false);
}

void WriteFileAtomically(const std::string& path, const std::string& content)
{
    std::string temp = path + ".XXXXXX";
    Descriptor file;
    {
        const InterruptsHeld held;
        file.fd = ::mkstemp(temp.data());
        if (file.fd < 0)
            throw FileAccessError(path, "cannot be written: " + systemReason(errno));
        RegisterTemporaryFile(temp);
    }
    struct Unregister {
        const std::string& path;
        ~Unregister() { UnregisterTemporaryFile(path); }
    } unregister{temp};
    auto fail = [&](const std::string& what) {
        const int error = errno;
        ::close(file.fd);
        file.fd = -1;
        ::unlink(temp.c_str());
        throw FileAccessError(path, what + ": " + systemReason(error));
    };
    // mkstemp creates the file for the owner only: keep the permissions of
    // the file being replaced, else give it those of an ordinary file.
    struct stat existing { };
    const mode_t mode = ::stat(path.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644;
    if (::fchmod(file.fd, mode) != 0)
        fail("cannot set the permissions of the temporary file");
    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t put = ::write(file.fd, content.data() + written, content.size() - written);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            fail("cannot be written");
        }
        written += static_cast<std::size_t>(put);
    }
    if (::fsync(file.fd) != 0)
        fail("cannot be flushed");
    if (::close(file.fd) != 0) {
        file.fd = -1;
        const int error = errno;
        ::unlink(temp.c_str());
        throw FileAccessError(path, "cannot be written: " + systemReason(error));
    }
    file.fd = -1;
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        throw FileAccessError(path, "cannot replace the file: " + systemReason(error));
    }
}

} // namespace teska
