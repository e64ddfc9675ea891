// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The errors of the list engine. Readers and catalogue calls throw; the
// routines that trap errors catch RuntimeError, hand the message to
// SuiteEnvironment as the pending error and report it.

#include <cstddef>
#include <stdexcept>
#include <string>

namespace teska {

// A trapped run-time error: anything a reader or a suite call may raise.
class RuntimeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Bad content of a file: names the file, the place and what was expected.
// line is 1-based for text files (0 = unknown); record is 1-based for record
// files (0 = not a record file); field is 1-based within the line or 0.
class FileFormatError : public RuntimeError {
public:
    FileFormatError(
        std::string file, std::size_t line, std::size_t field, std::size_t record, std::string expectation);

    const std::string& file() const { return file_; }
    std::size_t line() const { return line_; }
    std::size_t field() const { return field_; }
    std::size_t record() const { return record_; }
    const std::string& expectation() const { return expectation_; }

private:
    std::string file_;
    std::size_t line_;
    std::size_t field_;
    std::size_t record_;
    std::string expectation_;
};

// A file that cannot be opened, read or written at all.
class FileAccessError : public RuntimeError {
public:
    FileAccessError(std::string file, std::string reason);
    const std::string& file() const { return file_; }

private:
    std::string file_;
};

} // namespace teska
