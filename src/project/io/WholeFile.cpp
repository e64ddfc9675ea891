// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/io/WholeFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#include <unistd.h>

#include "suite/Errors.h"

namespace teska {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::string systemReason(int error)
{
    return std::strerror(error);
}

} // namespace

std::string ReadWholeFile(const std::string& path)
{
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status))
        throw FileAccessError(path, "the file does not exist");
    if (!std::filesystem::is_regular_file(status))
        throw FileAccessError(path, "not a regular file");
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file)
        throw FileAccessError(path, "cannot be opened: " + systemReason(errno));
    std::string bytes;
    const auto expected = std::filesystem::file_size(path, ec);
    if (!ec && expected > MaxListFileBytes)
        throw FileAccessError(path, "the file is too large (" + std::to_string(expected) + " bytes)");
    if (!ec)
        bytes.reserve(static_cast<std::size_t>(expected));
    char chunk[65536];
    for (;;) {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
        bytes.append(chunk, got);
        if (bytes.size() > MaxListFileBytes)
            throw FileAccessError(path, "the file is too large");
        if (got < sizeof chunk) {
            if (std::ferror(file.get()))
                throw FileAccessError(path, "cannot be read: " + systemReason(errno));
            break;
        }
    }
    return bytes;
}

std::string TemporaryPathFor(const std::string& path)
{
    return path + "." + std::to_string(::getpid()) + ".tmp";
}

void ReplaceFileWith(const std::string& temporary, const std::string& path, std::string_view bytes)
{
    FilePtr file(std::fopen(temporary.c_str(), "wb"));
    if (!file)
        throw FileAccessError(path, "cannot be written: " + systemReason(errno));
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size()
        && std::fflush(file.get()) == 0;
    const int writeError = errno;
    const bool closed = std::fclose(file.release()) == 0;
    if (!written || !closed) {
        std::remove(temporary.c_str());
        throw FileAccessError(path, "cannot be written: " + systemReason(writeError));
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int renameError = errno;
        std::remove(temporary.c_str());
        throw FileAccessError(path, "cannot be replaced: " + systemReason(renameError));
    }
}

void WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    ReplaceFileWith(TemporaryPathFor(path), path, bytes);
}

} // namespace teska
