// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The --text output of one run: receives the list text as the list writer
// streams it and writes it into FILE, or into the standard output for "-".
//
// A file is written under a temporary name in its own folder and takes its
// name only in Commit, once every list of the run is complete. An output
// destroyed without Commit (an aborted run, any error) removes the
// temporary file: no partial FILE is left, and an older FILE stays as it
// was.
//
// The standard output cannot be taken back. The list writer hands text on
// only in chunks of DefaultTextChunk after a completed page, and a section
// reads its files before it writes a line, so a run that fails in its first
// section, or before its first chunk, writes nothing; a later failure
// leaves the text of the sections before it.

#include <cstdio>
#include <ostream>
#include <string>
#include <string_view>

#include "lists/writer/TextSink.h"

namespace teska::report {

class TextOutput : public TextSink {
public:
    // Opens a temporary file beside \p path, or beside the target of a link
    // \p path ("-" = \p out; a device or pipe is written directly); throws
    // FileAccessError naming \p path when its folder cannot be written.
    TextOutput(const std::string& path, std::ostream& out);
    ~TextOutput() override;
    TextOutput(const TextOutput&) = delete;
    TextOutput& operator=(const TextOutput&) = delete;

    // Throws FileAccessError naming the output when a write fails.
    void WriteText(std::string_view text) override;
    // Completes the output: flushes it to the disk and renames it over the
    // target, keeping the old file's mode. Until then the target is as it
    // was; an output that is never committed leaves no file.
    void Commit();

private:
    void Discard();

    std::string path_;
    std::string target_; // the file the temporary one replaces (links resolved)
    std::string temporary_;
    bool direct_ = false; // a device or pipe, written without a temporary file
    std::FILE* file_ = nullptr;
    std::ostream* out_ = nullptr;
};

} // namespace teska::report
