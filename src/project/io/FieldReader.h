// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Sequential text input with the semantics of VB's Input # and Line Input #:
// fields are separated by commas, blanks or line ends; a quoted string may
// hold commas; CRLF, LF and a lone CR all end a line. Strings are decoded as
// UTF-8 when valid, else as Windows-1252. Every failure throws
// FileFormatError naming the file, the line and the field.

#include <cstdint>
#include <string>
#include <string_view>

namespace teska {

class FieldReader {
public:
    // Reads \p path whole; throws FileAccessError when it cannot be read.
    static FieldReader FromFile(const std::string& path);
    // Reads \p content as if it were the file \p name (tests, fuzzing).
    FieldReader(std::string name, std::string content);

    // Line Input #: the rest of the current line without its line end.
    std::string LineInput();
    // Input # of one field into a variable of the given type.
    std::string ReadString();
    std::int16_t ReadInt16(); // whole number, range-checked to 16 bits
    std::int32_t ReadInt32(); // whole number, range-checked to 32 bits
    float ReadSingle();
    double ReadDouble();
    bool ReadBool(); // #TRUE#, #FALSE#, True, False, or a number (nonzero = true)

    // EOF(): true when nothing but line ends is left... as VB: no bytes left.
    bool AtEnd() const;
    const std::string& fileName() const { return name_; }
    std::size_t line() const { return line_; }
    std::size_t byteSize() const { return content_.size(); }

private:
    std::string name_;
    std::string content_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
    std::size_t fieldOnLine_ = 0;
};

// Sequential text output (Print # / Write #), written to a temporary file and
// renamed over the target on Close so that a failed save leaves the old file.
class FieldWriter {
public:
    explicit FieldWriter(std::string path);
    ~FieldWriter(); // discards the temporary file when Close was not called
    FieldWriter(FieldWriter&&) noexcept;
    FieldWriter& operator=(FieldWriter&&) noexcept;

    void PrintLine(std::string_view text); // Print #: text and CRLF
    void WriteFields(std::initializer_list<std::string_view> quotedOrNumbers);
    void Close();
    const std::string& fileName() const { return path_; }

private:
    std::string path_;
    std::string buffer_;
    bool closed_ = false;
};

} // namespace teska
