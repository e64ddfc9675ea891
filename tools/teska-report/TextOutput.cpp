// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TextOutput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "suite/Errors.h"
#include "suite/TemporaryFiles.h"

namespace teska::report {

namespace {

constexpr const char* StandardOutput = "standard output";

std::string Reason(const char* what, int error)
{
    return std::string(what) + ": " + std::strerror(error);
}

} // namespace

TextOutput::TextOutput(const std::string& path, std::ostream& out)
    : path_(path)
{
    if (path == "-") {
        out_ = &out;
        return;
    }
    // A link is written through: the new file replaces the link's target.
    std::error_code error;
    std::filesystem::path target(path);
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(target, error)))
        target = std::filesystem::weakly_canonical(target, error);
    struct stat existing { };
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        // A device or pipe (/dev/stdout, /dev/null) is written directly;
        // a pipe without a reader is refused rather than waited for.
        if (S_ISDIR(existing.st_mode))
            throw FileAccessError(path_, "is a folder, not a file");
        const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (fd < 0)
            throw FileAccessError(path_, Reason("the list text cannot be written", errno));
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        file_ = ::fdopen(fd, "wb");
        direct_ = true;
        return;
    }
    // A short hidden name in the same folder, so that the final rename
    // stays on one file system, cannot be seen half-done, and fits beside a
    // target whose own name is as long as names can be.
    std::string temporary = (target.parent_path().empty() ? std::string(".") : target.parent_path().string())
        + "/.teska-XXXXXX";
    const InterruptsHeld held;
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        throw FileAccessError(path_, Reason("the list text cannot be written", errno));
    temporary_ = temporary;
    target_ = target.string();
    RegisterTemporaryFile(temporary_);
    // The new file keeps the mode of the one it replaces; a new one gets
    // that of an ordinary file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, exists ? (existing.st_mode & 07777) : (0666 & ~mask));
    file_ = ::fdopen(fd, "wb");
}

TextOutput::~TextOutput()
{
    if (file_) {
        std::fclose(file_);
        if (!direct_)
            Discard();
    }
}

void TextOutput::Discard()
{
    std::remove(temporary_.c_str());
    UnregisterTemporaryFile(temporary_);
}

void TextOutput::WriteText(std::string_view text)
{
    if (out_) {
        out_->write(text.data(), static_cast<std::streamsize>(text.size()));
        if (!*out_)
            throw FileAccessError(StandardOutput, "the list text cannot be written");
        return;
    }
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size())
        throw FileAccessError(path_, Reason("the list text cannot be written", errno));
}

void TextOutput::Commit()
{
    if (out_) {
        out_->flush();
        if (!*out_)
            throw FileAccessError(StandardOutput, "the list text cannot be written");
        return;
    }
    std::FILE* file = file_;
    file_ = nullptr;
    // Flushed to the disk before the rename, so that a full disk or a crash
    // cannot leave a complete-looking name over incomplete bytes.
    const bool flushed = std::fflush(file) == 0 && (direct_ || ::fsync(fileno(file)) == 0);
    const int flushError = errno;
    if (std::fclose(file) != 0 || !flushed) {
        const int error = flushed ? errno : flushError;
        if (!direct_)
            Discard();
        throw FileAccessError(path_, Reason("the list text cannot be written", error));
    }
    if (direct_)
        return;
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        const int error = errno;
        Discard();
        throw FileAccessError(path_, Reason("the list text cannot be written", error));
    }
    UnregisterTemporaryFile(temporary_);
}

} // namespace teska::report
