// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Helpers shared by the test executables: an environment variable and a
// scratch folder per test, reading or writing whole files, and checking the
// file errors.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "suite/Errors.h"

namespace teska::test {

// Sets or unsets an environment variable for the life of a test and
// restores the previous value afterwards.
class EnvGuard {
public:
    EnvGuard(const char* name, const char* value)
        : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~EnvGuard()
    {
        if (old_)
            ::setenv(name_.c_str(), old_->c_str(), 1);
        else
            ::unsetenv(name_.c_str());
    }
    EnvGuard(const EnvGuard&) = delete;
    EnvGuard& operator=(const EnvGuard&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

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

// A program run to its end: exit status (124 when it outlived its time, -1
// when a signal ended it), standard output and error.
struct CommandResult {
    int status = -1;
    std::string out;
    std::string err;
};
// Runs \p program with \p args (no shell between them), standard input
// from /dev/null, ended after \p seconds; \p scratch holds the captured
// output.
CommandResult RunCommand(const std::string& program, const std::vector<std::string>& args,
    const ScratchDir& scratch, int seconds = 60);

// Path of a file under tests/data.
std::string dataPath(const std::string& relative);

// The rows of the tab-separated table tests/data/<relative>: blank lines and
// lines starting with "#" left out, each row padded with empty fields to
// \p fields. Empty when the file cannot be read.
std::vector<std::vector<std::string>> TableRows(const std::string& relative, std::size_t fields);

// \p text with the escapes of the tables under tests/data replaced: \r, \n,
// \t, \xHH, and a backslash before any other character stands for it.
std::string Unescaped(const std::string& text);

// Compares \p actual with the expected file tests/data/<relative>. With
// TESKA_UPDATE_EXPECTED=1 the file is rewritten instead (review the diff!).
// Returns an empty string on a match, else a description of the first
// differing line.
std::string compareWithExpected(const std::string& relative, const std::string& actual);

// Empty when \p actual is \p expected, else the first line in which they
// differ, both shown.
std::string FirstDifference(const std::string& expected, const std::string& actual);

// Compares \p actual with tests/data/expected/<suite>.<test><suffix>.txt,
// named after the running test (rewritten like compareWithExpected).
void ExpectAsStored(const std::string& actual, const std::string& suffix = {});

// The line that a FileFormatError thrown by \p read names, with the error's
// file checked against \p file and named in its message; 0 when \p read
// throws nothing.
template <class Read> std::size_t FormatErrorLine(const std::string& file, Read&& read)
{
    try {
        read();
    } catch (const FileFormatError& error) {
        EXPECT_EQ(error.file(), file);
        EXPECT_NE(std::string(error.what()).find(file), std::string::npos) << error.what();
        return error.line();
    }
    return 0;
}

// Expects \p access to throw a FileAccessError for \p file whose message
// contains \p messagePart (the file itself when left empty); returns the
// message, empty when nothing was thrown.
template <class Access>
std::string ExpectAccessErrorNaming(
    const std::string& file, Access&& access, const std::string& messagePart = {})
{
    try {
        access();
        ADD_FAILURE() << "no access error for " << file;
    } catch (const FileAccessError& error) {
        EXPECT_EQ(error.file(), file);
        const std::string part = messagePart.empty() ? file : messagePart;
        EXPECT_NE(std::string(error.what()).find(part), std::string::npos) << error.what();
        return error.what();
    }
    return {};
}

} // namespace teska::test
