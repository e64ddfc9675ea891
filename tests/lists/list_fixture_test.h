// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The ground of the list fixtures: a session over a catalogue of short
// texts in a scratch folder, a tiny project in another, and a list writer
// with margins 2 (left) and 1 (top, bottom), without company header or
// job data, so that expected lists can be counted by hand.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "lists/Session.h"
#include "lists/format/NumberFormats.h"
#include "lists/writer/ListWriter.h"
#include "lists/writer/PageSink.h"
#include "project/opening/ProjectState.h"
#include "suite/Host.h"
#include "suite/TextDecoding.h"
#include "support/TestSupport.h"

namespace teska::test {

// Remembers every call a printed list makes.
class RecordingSink : public PageSink {
public:
    void PrintText(std::string_view text) override
    {
        printed.emplace_back(text);
        calls += "P";
    }
    void NewPrinterPage() override { calls += "N"; }
    void EndPrintJob() override { calls += "E"; }

    std::vector<std::string> printed;
    std::string calls;
};

// Cancels the run when a section announces itself, as the window's button
// would while the section opens; runs \c onTurn on every event-loop turn.
class CancellingHost : public RecordingHost {
public:
    void statusText(const std::string& text) override
    {
        RecordingHost::statusText(text);
        if (cancel && text.rfind("Preparing", 0) == 0)
            cancel->Cancel();
    }
    void processEvents() override
    {
        if (onTurn)
            onTurn();
    }
    SuiteTools* cancel = nullptr;
    std::function<void()> onTurn;
};

class ListFixture : public ::testing::Test {
protected:
    // A page of \p chars by \p lines; the writer prints into sink when
    // \p printed.
    ListFixture(const std::string& catalogue, int chars, int lines, bool printed = true)
    {
        catalogueText = catalogue;
        writeFile(catalogueDir.file("en"), catalogue);
        session = std::make_unique<Session>(
            host, SessionOptions{catalogueDir.dir(), catalogueDir.dir(), "en", true});
        project.ProjectDirectory = projectDir.dir();
        state.CharsPerLine = static_cast<std::int16_t>(chars);
        state.LinesPerPage = static_cast<std::int16_t>(lines);
        state.LeftMargin = 2;
        state.TopMargin = 1;
        state.BottomMargin = 1;
        state.PrintCompanyHeader = false;
        state.PrintJobData = false;
        writer = std::make_unique<ListWriter>(*session, state, printed ? &sink : nullptr);
    }

    // Adds the lines of \p texts whose identifiers the catalogue does not
    // hold yet, and reloads it.
    void AddTexts(const std::string& texts)
    {
        if (!catalogueText.empty() && catalogueText.back() != '\n')
            catalogueText += '\n';
        for (const std::string& line : SplitLines(texts))
            if (!line.empty()
                && ("\n" + catalogueText).find("\n" + line.substr(0, line.find('\t') + 1))
                    == std::string::npos)
                catalogueText += line + "\n";
        writeFile(catalogueDir.file("en"), catalogueText);
        session->catalogue = TextCatalogue(catalogueDir.dir(), "en");
        session->catalogue.setStrict(true);
    }

    std::string catalogueText;
    ScratchDir catalogueDir;
    ScratchDir projectDir;
    CancellingHost host;
    std::unique_ptr<Session> session;
    ProjectState project;
    NumberFormats formats;
    ListState state;
    RecordingSink sink;
    std::unique_ptr<ListWriter> writer;
};

// The lines of list text (each ended by CR LF) without their ends.
inline std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start) + "<no CR LF>");
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// The blank-separated words of a line.
inline std::vector<std::string> Words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// Whether one of \p lines has exactly the blank-separated \p words.
inline bool HasLineOfWords(const std::vector<std::string>& lines, const std::vector<std::string>& words)
{
    for (const std::string& line : lines)
        if (Words(line) == words)
            return true;
    return false;
}

} // namespace teska::test
