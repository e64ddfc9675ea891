// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "suite/FileLock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "suite/Errors.h"

namespace teska {

FileLock::FileLock(const std::string& folder, const std::string& file)
{
    fd_ = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0)
        throw FileAccessError(file, std::string("cannot be written: ") + std::strerror(errno));
    for (int attempt = 0; attempt < 250; ++attempt) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0)
            return;
        if (errno != EWOULDBLOCK && errno != EINTR)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ::close(fd_);
    fd_ = -1;
    throw FileAccessError(
        file, "cannot be written: another program holds its folder and does not give it up");
}

FileLock::~FileLock()
{
    if (fd_ >= 0)
        ::close(fd_); // closing gives the lock up
}

} // namespace teska
