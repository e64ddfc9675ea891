// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Sequential text input with the semantics of VB's Input # and Line Input #:
// fields are separated by commas, blanks or line ends; a quoted string may
// hold commas; CRLF, LF and a lone CR all end a line. Strings are decoded as
// UTF-8 when valid, else as Windows-1252. Every failure throws
// FileFormatError naming the file, the line and the field.
//
// Input # rules kept here: leading blanks and tabs are skipped; a number ends
// at a blank, a comma or a line end, and blank lines before it are skipped;
// an unquoted string runs to the comma or line end with trailing blanks
// trimmed, and a blank line read as a string gives ""; a quoted string ends
// at its closing quote (or at the line end when there is none) and the rest
// of the field up to the next comma or line end is skipped; an empty field
// between two commas is "" or 0. Whole numbers with a fractional part are
// rounded half to even, as VB does when it stores into an Integer.

#include <cstdint>
#include <initializer_list>
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

    // EOF(), with one deliberate difference: true also when only blanks and
    // line ends are left, so that `while (!AtEnd())` loops end cleanly on a
    // file whose last line has a line end or that has trailing blank lines.
    bool AtEnd() const { return pos_ >= dataEnd_; }
    const std::string& fileName() const { return name_; }
    std::size_t line() const { return line_; }
    std::size_t byteSize() const { return content_.size(); }

private:
    std::string_view numberField(); // the text of the next numeric field
    // The next field read as a plain single where it stands, without
    // finding its end first; false (nothing consumed) for any other field.
    bool plainSingleField(float& value);
    std::string_view quotedField();
    void beginField();
    void skipBlanks();
    void consumeLineEnd();
    void endField();
    void skipRestOfField();
    [[noreturn]] void pastEnd() const;
    [[noreturn]] void fail(const std::string& expectation) const;

    std::string name_;
    std::string content_;
    std::size_t pos_ = 0;
    std::size_t dataEnd_ = 0; // just past the last byte that is not a blank or line end
    std::size_t line_ = 1;
    std::size_t fieldOnLine_ = 0;
    std::size_t fieldLine_ = 1; // where the field being converted began
    std::size_t fieldIndex_ = 0;
};

// Sequential text output (Print # / Write #), written to a temporary file and
// renamed over the target on Close so that a failed save leaves the old file.
class FieldWriter {
public:
    // Creates the temporary file at once, so an unwritable folder fails here
    // (FileAccessError naming \p path) rather than at Close.
    explicit FieldWriter(std::string path);
    ~FieldWriter(); // discards the temporary file when Close was not called
    FieldWriter(FieldWriter&&) noexcept;
    FieldWriter& operator=(FieldWriter&&) noexcept;

    void PrintLine(std::string_view text); // Print #: text and CRLF
    // Write #: the items as given (strings already passed through Quote,
    // numbers through Number), separated by commas, then CRLF.
    void WriteFields(std::initializer_list<std::string_view> quotedOrNumbers);
    static std::string Quote(std::string_view text);
    static std::string Number(double value); // shortest text that reads back exactly
    // Writes the text to the temporary file and renames it over the target;
    // throws FileAccessError naming the target.
    void Close();
    const std::string& fileName() const { return path_; }

private:
    std::string path_;
    std::string temporary_;
    std::string buffer_;
    bool closed_ = false;
};

} // namespace teska
