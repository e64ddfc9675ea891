// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "suite/FileText.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "suite/Errors.h"

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

std::string ReadWholeFile(const std::string& path, std::size_t maxBytes)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw FileAccessError(path, "is a folder, not a file");
    Descriptor file;
    file.fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file.fd < 0)
        throw FileAccessError(path, "cannot be opened: " + systemReason(errno));
    std::string content;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw FileAccessError(path, "cannot be read: " + systemReason(errno));
        }
        if (got == 0)
            break;
        if (content.size() + static_cast<std::size_t>(got) > maxBytes)
            throw FileFormatError(
                path, 0, 0, 0, "file is larger than " + std::to_string(maxBytes) + " bytes");
        content.append(buffer, static_cast<std::size_t>(got));
    }
    return content;
}

void WriteFileAtomically(const std::string& path, const std::string& content)
{
    std::string temp = path + ".XXXXXX";
    Descriptor file;
    file.fd = ::mkstemp(temp.data());
    if (file.fd < 0)
        throw FileAccessError(path, "cannot be written: " + systemReason(errno));
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
