// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/ExportFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "suite/Errors.h"

namespace teska {

namespace {

std::string Reason(int error)
{
    return std::strerror(error);
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Links \p temporary to \p path unless \p path exists; false when it does.
bool PublishNew(const std::string& temporary, const std::string& path)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno == EEXIST)
        return false;
    if (errno != EINVAL && errno != ENOSYS)
        throw FileAccessError(path, "cannot be created: " + Reason(errno));
#endif
    // A file system without an exclusive rename: a hard link fails when
    // the name is taken.
    if (::link(temporary.c_str(), path.c_str()) == 0) {
        ::unlink(temporary.c_str());
        return true;
    }
    if (errno == EEXIST)
        return false;
    throw FileAccessError(path, "cannot be created: " + Reason(errno));
}

} // namespace

std::string ExportStem(const std::string& projectBaseName, const std::string& caption)
{
    const std::string joined = projectBaseName.empty() ? caption : projectBaseName + " - " + caption;
    std::string out;
    for (const char c : joined) {
        const bool blank = c == '/' || (static_cast<unsigned char>(c) < 0x20) || c == 0x7f;
        if (blank || c == ' ') {
            if (!out.empty() && out.back() != ' ')
                out += ' ';
        } else
            out += c;
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    constexpr std::size_t kMaxStem = 120;
    if (out.size() > kMaxStem) {
        std::size_t cut = kMaxStem;
        // Not inside a UTF-8 sequence.
        while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80)
            --cut;
        out.resize(cut);
    }
    if (out.empty() || out == "." || out == "..")
        out = "list";
    return out;
}

std::string WriteExportFile(
    const ExportTarget& target, const std::function<void(const std::string& temporary)>& write)
{
    const std::string first
        = target.path.empty() ? target.folder + target.stem + "." + target.extension : target.path;
    std::string temporary
        = (target.path.empty() ? target.folder : FolderOf(target.path)) + ".teska-export-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        throw FileAccessError(first, "cannot be written: " + Reason(errno));
    // mkstemp gives the owner alone access; an export is an ordinary file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    ::close(fd);
    try {
        write(temporary);
    } catch (const std::exception& e) {
        // The writer names no file: the reason is told of the target.
        ::unlink(temporary.c_str());
        throw FileAccessError(first, e.what());
    }
    try {
        if (target.path.empty()) {
            for (int n = 1;; ++n) {
                const std::string path = n == 1
                    ? first
                    : target.folder + target.stem + " (" + std::to_string(n) + ")." + target.extension;
                if (PublishNew(temporary, path))
                    return path;
                if (n >= 9999)
                    throw FileAccessError(first, "cannot be created: too many exports of this name");
            }
        }
        if (std::rename(temporary.c_str(), target.path.c_str()) != 0)
            throw FileAccessError(target.path, "cannot be written: " + Reason(errno));
        return target.path;
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
}

} // namespace teska
