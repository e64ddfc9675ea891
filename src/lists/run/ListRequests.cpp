// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/run/ListRequests.h"

#include <algorithm>

#include "lists/Session.h"
#include "lists/choice/ListCandidates.h"
#include "lists/run/ListRun.h"
#include "lists/tables/ColumnDefinitions.h"
#include "lists/writer/ListWriter.h"
#include "suite/Errors.h"

namespace teska {

namespace {

OfferState OfferFor(ListProject& p, int outputTarget)
{
    OfferState s;
    s.OutputTarget = outputTarget;
    s.AnalysisMethod = p.project.AnalysisMethod;
    s.ResultSwitch = p.project.ResultSwitches();
    s.DesignSwitch1 = p.project.DesignSwitch1;
    s.DesignSwitch2 = p.project.DesignSwitch2;
    s.TermId = p.TermId;
    // The ".BAU" count is read only when an offer rule asks for it, through
    // the session's list file so that a missing file is announced as usual.
    s.BauCount = [&p]() {
        FileServices services = p.session.services();
        return ReadBauCount(services, p.session.file, p.project.SiblingPath(".BAU"));
    };
    return s;
}

// The writer state of one run: the page raster and print options of
// \p page, the company header of the suite and the job data of the project.
void ApplyPage(ListState& state, const ListPageSettings& page, ListProject& p, int outputTarget)
{
    state.OutputTarget = outputTarget;
    state.LinesPerPage = page.LinesPerPage;
    state.CharsPerLine = page.CharsPerLine;
    state.LeftMargin = page.Layout.LeftMargin;
    state.TopMargin = page.Layout.TopMargin;
    state.BottomMargin = page.Layout.BottomMargin;
    state.PageNumber = page.PageNumber;
    state.CopyCount = page.CopyCount;
    state.PrintCompanyHeader = page.PrintCompanyHeader;
    state.PrintJobData = page.PrintJobData;
    state.CompanyLine1 = p.session.environment.CompanyLine1;
    state.CompanyLine2 = p.session.environment.CompanyLine2;
    state.JobLines = p.project.JobLines;
    state.ProjectBaseName = p.project.ProjectBaseName;
    state.ProjectType = p.project.ProjectType;
    state.AnalysisMethod = p.project.AnalysisMethod;
    state.SymbolSuffix = p.session.catalogue.LookupText(123);
}

} // namespace

std::vector<ListKey> OfferedLists(ListProject& p, int outputTarget)
{
    const auto offered = BuildListCandidates(OfferFor(p, outputTarget), p.session.catalogue);
    if (!offered)
        throw FileAccessError(p.project.SiblingPath(".BAU"), "needed for the offered lists and not readable");
    return *offered;
}

std::string ListCaption(ListProject& p, const ListKey& key)
{
    if (const long* id = std::get_if<long>(&key))
        return p.session.catalogue.LookupText(*id);
    return std::get<std::string>(key);
}

ListRunText RunLists(ListProject& p, const ListPageSettings& page, const ListRunOrder& order)
{
    Session& s = p.session;
    ListState state;
    ApplyPage(state, page, p, order.OutputTarget);
    const bool printed = IsPrintedTarget(order.OutputTarget);
    // A printed list runs once per copy, the way the list window is shown
    // once per copy; page numbers run on over the copies.
    const int copies = printed ? std::max<int>(1, page.CopyCount) : 1;
    ListWriter writer(s, state, printed ? order.Pages : nullptr, order.Window);
    if (!printed)
        writer.SetTextSink(order.Text);

    ListRunRequest request;
    request.OutputTarget = order.OutputTarget;
    request.CurrentListKey = order.CurrentListKey;
    request.ChosenLists = order.ChosenLists;
    const SectionInputs inputs{s, p.project, p.formats, p.TermId, order.OutputTarget};

    ListRunText run;
    for (int copy = 0; copy < copies; ++copy) {
        const ListRunResult result = RunList(inputs, writer, request);
        if (result.Outcome != ListRunOutcome::Completed) {
            run.Cancelled = result.Outcome == ListRunOutcome::Cancelled;
            run.Unavailable.clear();
            return run;
        }
        if (copy == 0)
            for (const ListKey& key : result.Unavailable)
                run.Unavailable.push_back(ListKeyText(key) + " " + ListCaption(p, key));
        if (!printed) {
            writer.FlushText();
            run.Text = std::move(state.ListText);
        }
    }
    run.Completed = true;
    run.PageNumber = state.PageNumber;
    return run;
}

std::string FirstPageHeader(ListProject& p, const ListPageSettings& page, const ListKey& key)
{
    ListState state;
    ApplyPage(state, page, p, TargetPrintResults);
    state.CurrentListKey = key;
    ListWriter writer(p.session, state);
    writer.WriteFirstPageHeader();
    return std::move(state.ListText);
}

bool IsTextResultKey(const ListKey& key)
{
    return IsSummarySection(key);
}

} // namespace teska
