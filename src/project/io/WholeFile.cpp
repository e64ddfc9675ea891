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
#include "suite/FileText.h"

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

namespace {

void CheckListFile(const std::string& path)
{
    const std::string problem = RegularFileProblem(path);
    if (problem == "does not exist")
        throw FileAccessError(path, "the file does not exist");
    if (!problem.empty())
        throw FileAccessError(path, problem);
}

} // namespace

std::string ReadListFileStart(const std::string& path, std::size_t bytes)
{
    CheckListFile(path);
    return ReadFileStart(path, bytes);
}

std::string ReadWholeFile(const std::string& path)
{
    CheckListFile(path);
    try {
        return teska::ReadWholeFile(path, MaxListFileBytes);
    } catch (const FileFormatError&) {
        throw FileAccessError(path, "the file is too large");
    }
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
