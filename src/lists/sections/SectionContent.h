// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The content of one data or summary section, read before anything of the
// section is written. The list run reads a section's files first (a file
// that cannot be read ends the run before the section leaves a line), then
// writes the section opening (page header, title block, cancellation
// checks), then the head, then the body when the key has one, then EndList.

#include <memory>

#include "lists/choice/ListKey.h"

namespace teska {

class ListWriter;
class Session;
struct NumberFormats;
struct ProjectState;

// What a section reads from: the session (catalogue, units, settings
// directory, the list file slot), the opened project and the number formats.
struct SectionInputs {
    Session& session;
    const ProjectState& project;
    const NumberFormats& formats;
    long TermId = 0; // the caption key of the design data section
    int OutputTarget = 1;
};

class SectionContent {
public:
    virtual ~SectionContent() = default;
    // The head, written right after the section opening.
    virtual void WriteHead(ListWriter& writer) = 0;
    // The body that follows the head for keys that have one; EndList is the
    // run's.
    virtual void WriteBody(ListWriter&) { }
    // True for a section that has nothing to show (a table whose rows are
    // all zero, warned about while reading): the run passes it over.
    virtual bool Empty() const { return false; }
};

// The content of a section with nothing to show.
class EmptySection : public SectionContent {
public:
    void WriteHead(ListWriter&) override { }
    bool Empty() const override { return true; }
};

// The sections of the soil, load, pile and summary modules: reads the files
// of \p key and returns its content, or nullptr when the key is not one of
// theirs. Throws FileAccessError or FileFormatError naming the file.
std::unique_ptr<SectionContent> ReadSummaryOrLoadSection(const SectionInputs& inputs, const ListKey& key);

// The sections of the data module (cover page, nodes, elements, supports,
// points, slab, plate data, design data...): likewise.
std::unique_ptr<SectionContent> ReadDataSection(const SectionInputs& inputs, const ListKey& key);

} // namespace teska
