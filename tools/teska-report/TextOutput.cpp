// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TextOutput.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "suite/Errors.h"

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
    // A hidden name in the same folder, so that the final rename stays on
    // one file system and cannot be seen half-done.
    const std::filesystem::path target(path);
    const std::string stem = "." + target.filename().string() + "." + std::to_string(getpid());
    for (int attempt = 0; attempt < 100 && !file_; ++attempt) {
        temporary_ = (target.parent_path() / (stem + "-" + std::to_string(attempt) + ".part")).string();
        file_ = std::fopen(temporary_.c_str(), "wbx"); // exclusive: never another file's
        if (!file_ && errno != EEXIST)
            break;
    }
    if (!file_)
        throw FileAccessError(path_, Reason("the list text cannot be written", errno));
}

TextOutput::~TextOutput()
{
    if (file_) {
        std::fclose(file_);
        std::remove(temporary_.c_str());
    }
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
    if (std::fclose(file) != 0) {
        const int error = errno;
        std::remove(temporary_.c_str());
        throw FileAccessError(path_, Reason("the list text cannot be written", error));
    }
    if (std::rename(temporary_.c_str(), path_.c_str()) != 0) {
        const int error = errno;
        std::remove(temporary_.c_str());
        throw FileAccessError(path_, Reason("the list text cannot be written", error));
    }
}

} // namespace teska::report
