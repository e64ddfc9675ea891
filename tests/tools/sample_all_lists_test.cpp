// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every list a generated project offers for printing, data and results,
// written in one list run per target with a strict catalogue: the run ends
// normally, every chosen section writes its own pages under its own title,
// and no page is longer or wider than the page raster.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>

#include "lists/Session.h"
#include "lists/choice/ProjectOffer.h"
#include "lists/format/NumberFormats.h"
#include "lists/run/ListRun.h"
#include "lists/writer/ListWriter.h"
#include "lists/writer/PageSink.h"
#include "lists/writer/TextMeasure.h"
#include "project/opening/OpenProject.h"
#include "support/TestSupport.h"
#include "teska-sample/SampleProject.h"

namespace teska::sample {
namespace {

// The pages of a printed run, grouped by section: a section ends where its
// EndList ends the print job.
class SectionPages : public PageSink {
public:
    void PrintText(std::string_view text) override
    {
        if (sections.empty() || closed)
            sections.emplace_back();
        closed = false;
        sections.back().emplace_back(text);
    }
    void NewPrinterPage() override { }
    void EndPrintJob() override { closed = true; }

    std::vector<std::vector<std::string>> sections;
    bool closed = true;
};

std::vector<std::string> Lines(const std::string& page)
{
    std::vector<std::string> lines;
    std::istringstream in(page);
    for (std::string line; std::getline(in, line);)
        lines.push_back(
            line.empty() || line.back() != '\r' ? line + "<no CR>" : line.substr(0, line.size() - 1));
    return lines;
}

// The analysis method, the page length (a full page, and a short one on
// which more sections break) and the catalogue language.
using MethodAndPage = std::tuple<int, std::int16_t, std::string>;

class SampleAllListsTest : public ::testing::TestWithParam<MethodAndPage> {
protected:
    SampleAllListsTest()
    {
        SessionOptions options;
        options.settingsDirectory = settingsDir.dir();
        options.catalogueDirectory = std::string(TESKA_SOURCE_DATA_DIR) + "/catalogue";
        options.language = std::get<2>(GetParam());
        options.strictCatalogue = true;
        session = std::make_unique<Session>(host, options);
        termId = session->catalogue.TerminologySwitch() != 0 ? 90063L : 90065L;

        SampleOptions sample;
        sample.Method = std::get<0>(GetParam());
        sample.NodesX = 9; // 54 nodes: the node table runs onto a second page
        sample.NodesY = 6;
        sample.Borings = 3;
        WriteSampleProject(BuildSampleProject(sample), dir.file("S.PO1"));
        project.ProjectDirectory = dir.dir();
        project.ProjectBaseName = "S";
        project.ProjectPath = dir.file("S.PO1");
        OpeningContext context(host);
        opened = OpenProject(project, context, false).Outcome == OpenOutcome::Opened;
    }

    // The offered keys of \p target.
    std::vector<ListKey> Offered(int target)
    {
        const auto offered
            = BuildListCandidates(OfferStateFor(project, target, termId, &host), session->catalogue);
        if (!offered)
            ADD_FAILURE() << "no offer for target " << target;
        return offered ? *offered : std::vector<ListKey>{};
    }

    // Prints every offered list of \p target in one run and checks each
    // section's pages.
    void PrintAll(int target)
    {
        ASSERT_TRUE(opened);
        ListState state = StartState(target);
        SectionPages sink;
        ListWriter writer(*session, state, &sink);
        ListRunRequest request;
        request.OutputTarget = target;
        request.ChosenLists = Offered(target);
        ASSERT_FALSE(request.ChosenLists.empty());
        ASSERT_LE(request.ChosenLists.size(), MaxChosenLists);
        const NumberFormats formats;
        const SectionInputs inputs{*session, project, formats, termId, target};

        const ListRunResult result = RunList(inputs, writer, request);
        ASSERT_EQ(result.Outcome, ListRunOutcome::Completed)
            << (host.errors.empty() ? std::string("(no error reported)") : host.errors.back());
        EXPECT_TRUE(host.errors.empty()) << host.errors.front();
        EXPECT_TRUE(host.warnings.empty()) << host.warnings.front();
        for (const ListKey& key : result.Unavailable)
            ADD_FAILURE() << "list " << ListKeyText(key) << ": no section writer";
        ASSERT_EQ(sink.sections.size(), request.ChosenLists.size()) << "sections written";

        for (std::size_t i = 0; i < request.ChosenLists.size(); ++i) {
            const ListKey& key = request.ChosenLists[i];
            state.CurrentListKey = key;
            EXPECT_EQ(PageFault(state, writer.Title(), sink.sections[i]), "") << "list " << ListKeyText(key);
        }
        ExpectEditorTextKeepsThePages(target, request.ChosenLists, sink.sections);
    }

    // The same lists for the text editor: one text in which every printed
    // page is filled up with empty lines to LinesPerPage, so that the text
    // keeps the page raster of the printout.
    void ExpectEditorTextKeepsThePages(int printTarget, const std::vector<ListKey>& chosen,
        const std::vector<std::vector<std::string>>& printed)
    {
        const int target = printTarget == TargetPrintData ? TargetEditorData : TargetEditorResults;
        ListState state = StartState(target);
        ListWriter writer(*session, state);
        ListRunRequest request;
        request.OutputTarget = target;
        request.ChosenLists = chosen;
        const NumberFormats formats;
        const SectionInputs inputs{*session, project, formats, termId, target};
        ASSERT_EQ(RunList(inputs, writer, request).Outcome, ListRunOutcome::Completed);

        std::string expected;
        for (const std::vector<std::string>& section : printed)
            for (const std::string& page : section) {
                expected += page;
                const auto lines = static_cast<std::int16_t>(std::count(page.begin(), page.end(), '\n'));
                for (std::int16_t l = lines; l < state.LinesPerPage; ++l)
                    expected += "\r\n";
            }
        EXPECT_EQ(state.ListText, expected) << "editor target " << target;
    }

    ListState StartState(int target)
    {
        ListState state;
        state.OutputTarget = target;
        state.PageNumber = 0;
        state.LinesPerPage = std::get<1>(GetParam());
        state.CompanyLine1 = "Company line one";
        state.CompanyLine2 = "Street 1, Town";
        state.JobLines = project.JobLines;
        state.ProjectBaseName = project.ProjectBaseName;
        state.ProjectType = project.ProjectType;
        state.AnalysisMethod = project.AnalysisMethod;
        state.SymbolSuffix = session->catalogue.LookupText(123);
        return state;
    }

    // The first fault of a section's pages, or "". Every page stays within
    // LinesPerPage; every page but the cover starts with its header, whose
    // lines the writer fits to CharsPerLine: rules across the text block,
    // the title at the left, the page word and the running number at the
    // right edge. A table continued on the next page closes with its note
    // at the right edge. (Table and name/value lines may run wider: their
    // gaps never drop below one blank.)
    std::string PageFault(
        const ListState& state, const std::string& title, const std::vector<std::string>& pages)
    {
        const std::string margin(static_cast<std::size_t>(state.LeftMargin), ' ');
        const std::string rule
            = margin + std::string(static_cast<std::size_t>(state.CharsPerLine - state.LeftMargin), '-');
        const std::string pageWord = session->catalogue.LookupText(90006);
        const std::string closing = session->catalogue.LookupText(90033);
        const bool cover = state.CurrentListKey == ListKey(90045L);
        const std::size_t head = static_cast<std::size_t>(state.TopMargin) + 2; // the company lines
        // Page numbers run on over the sections of the run.
        const int firstPage = lastPage;
        if (!cover)
            lastPage += static_cast<int>(pages.size());
        for (std::size_t p = 0; p < pages.size(); ++p) {
            const std::vector<std::string> lines = Lines(pages[p]);
            const std::string where = "page " + std::to_string(p + 1) + " of " + std::to_string(pages.size());
            if (lines.size() > static_cast<std::size_t>(state.LinesPerPage))
                return where + ": " + std::to_string(lines.size()) + " lines\n" + pages[p];
            if (cover) {
                if (std::count(
                        lines.begin(), lines.end(), margin + std::string(rule.size() - margin.size(), '*'))
                    != 2)
                    return where + ": no framed cover page";
                continue;
            }
            const std::string number = std::to_string(firstPage + static_cast<int>(p) + 1);
            if (lines.size() < head + 3 || lines[head] != rule || lines[head + 2] != rule
                || lines[head + 1].rfind(margin + title, 0) != 0
                || TextLength(lines[head + 1]) != state.CharsPerLine
                || lines[head + 1].substr(lines[head + 1].size() - pageWord.size() - 1 - number.size())
                    != pageWord + " " + number)
                return where + ": header is not '" + title + " ... " + pageWord + " " + number + "'\n"
                    + pages[p];
            for (std::size_t l = 0; l < head; ++l)
                if (TextLength(lines[l]) > state.CharsPerLine)
                    return where + ": header line '" + lines[l] + "'";
            for (const std::string& line : lines)
                if (line.size() >= closing.size()
                    && line.compare(line.size() - closing.size(), closing.size(), closing) == 0
                    && TextLength(line) != state.CharsPerLine)
                    return where + ": continuation note not at the right edge '" + line + "'";
        }
        if (!cover) {
            // The first page holds more than the section opening.
            const std::vector<std::string> lines = Lines(pages.front());
            const std::size_t opening = OpeningLines(state);
            if (std::none_of(lines.begin() + static_cast<std::ptrdiff_t>(std::min(opening, lines.size())),
                    lines.end(),
                    [](const std::string& line) { return line.find_first_not_of(' ') != std::string::npos; }))
                return "nothing after the section opening:\n" + pages.front();
        }
        return "";
    }

    // The lines of the section opening of the current key: page header, job
    // data and, but for the two boring tables, the title block.
    std::size_t OpeningLines(const ListState& state)
    {
        ListState opening = state;
        opening.ListText.clear();
        ListWriter writer(*session, opening);
        writer.BeginSection();
        writer.WriteFirstPageHeader();
        if (state.CurrentListKey != ListKey(90060L) && state.CurrentListKey != ListKey(140164L))
            writer.WriteTitleBlock();
        return static_cast<std::size_t>(opening.LineOnPage);
    }

    test::ScratchDir dir, settingsDir;
    int lastPage = 0; // the number of the last page header of the sections checked
    RecordingHost host;
    std::unique_ptr<Session> session;
    long termId = 0;
    ProjectState project;
    bool opened = false;
};

TEST_P(SampleAllListsTest, PrintsEveryOfferedDataList)
{
    PrintAll(TargetPrintData);
}

TEST_P(SampleAllListsTest, PrintsEveryOfferedResultList)
{
    PrintAll(TargetPrintResults);
}

INSTANTIATE_TEST_SUITE_P(Methods, SampleAllListsTest,
    ::testing::Combine(::testing::Range(1, 23), ::testing::Values<std::int16_t>(65, 40),
        ::testing::Values<std::string>("en", "de", "ar")),
    [](const ::testing::TestParamInfo<MethodAndPage>& info) {
        return "Method" + std::to_string(std::get<0>(info.param)) + "_"
            + std::to_string(std::get<1>(info.param)) + "Lines_" + std::get<2>(info.param);
    });

} // namespace
} // namespace teska::sample
