// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Helpers shared by the test executables: a scratch folder per test and
// reading or writing whole files.

#include <filesystem>
#include <string>

namespace teska::test {

// A fresh, empty folder under the system temp dir, removed on destruction.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder as a string ending with "/", like the program's directories.
    std::string dir() const { return path_.string() + "/"; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& content);

// Path of a file under tests/data.
std::string dataPath(const std::string& relative);

// Compares \p actual with the expected file tests/data/<relative>. With
// TESKA_UPDATE_EXPECTED=1 the file is rewritten instead (review the diff!).
// Returns an empty string on a match, else a description of the first
// differing line.
std::string compareWithExpected(const std::string& relative, const std::string& actual);

} // namespace teska::test
