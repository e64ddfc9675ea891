// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/run/ListRun.h"

#include <memory>

#include "lists/Session.h"
#include "lists/run/ResultTableSection.h"
#include "lists/tables/ColumnDefinitions.h"
#include "lists/writer/ListWriter.h"
#include "suite/Errors.h"

namespace teska {

namespace {

bool KeyIs(const ListKey& key, long id)
{
    const long* value = std::get_if<long>(&key);
    return value && *value == id;
}

bool IsDataTarget(int target)
{
    return target == TargetViewData || target == TargetPrintData || target == TargetEditorData;
}

// The keys a target writes: one for the viewer targets, the chosen ones for
// print and editor runs.
std::vector<ListKey> KeysOf(const ListRunRequest& request)
{
    if (request.OutputTarget == TargetViewData || request.OutputTarget == TargetViewResults)
        return {request.CurrentListKey};
    return request.ChosenLists;
}

class Run {
public:
    Run(const SectionInputs& inputs, ListWriter& writer, const ListRunRequest& request,
        const ListRunHooks& hooks)
        : in_(inputs)
        , writer_(writer)
        , state_(writer.State())
        , request_(request)
        , hooks_(hooks)
        , printed_(IsPrintedTarget(request.OutputTarget))
    { }

    ListRunResult Go()
    {
        Session& s = in_.session;
        s.tools.SetRunState(RunRunning);
        state_.OutputTarget = request_.OutputTarget;
        state_.ListText.clear();
        if (printed_ && hooks_.ApplyPrinterSettings)
            hooks_.ApplyPrinterSettings();

        const bool data = IsDataTarget(request_.OutputTarget);
        for (const ListKey& key : KeysOf(request_)) {
            if (!data && request_.OutputTarget != TargetViewResults && Caption(key).empty())
                continue; // a result key without a caption has no section
            if (request_.OutputTarget == TargetViewResults && !IsSummarySection(key))
                continue; // the viewer shows result tables itself
            state_.CurrentListKey = key;
            try {
                if (!Section(key, data))
                    return Stop();
            } catch (const RuntimeError& error) {
                Report(error.what());
                return Stop();
            }
        }
        // The dialog result is set; state 4 tells the window that the run
        // is over.
        s.tools.SetRunState(RunCancelled);
        return result_;
    }

private:
    std::string Caption(const ListKey& key) const
    {
        if (const long* id = std::get_if<long>(&key))
            return in_.session.catalogue.LookupText(*id);
        return std::get<std::string>(key);
    }

    // Writes the section of \p key; false when the run must end.
    bool Section(const ListKey& key, bool data)
    {
        SectionInputs inputs{in_.session, in_.project, in_.formats, in_.TermId, request_.OutputTarget};
        std::unique_ptr<SectionContent> content;
        if (data) {
            content = ReadDataSection(inputs, key);
            if (!content)
                content = ReadSummaryOrLoadSection(inputs, key);
        } else if (IsSummaryListKey(key)) {
            content = ReadSummaryOrLoadSection(inputs, key);
        } else {
            return WriteResultTableSection(inputs, writer_, key) != ResultTableOutcome::Stopped;
        }
        if (Stopped())
            return false;
        if (!content) {
            result_.Unavailable.push_back(key);
            return true;
        }
        if (content->Empty())
            return true;
        if (KeyIs(key, 90045)) {
            // The cover page has no section opening: it begins its own
            // section and stands on a page of its own.
            content->WriteHead(writer_);
            writer_.EndList();
            return !Stopped();
        }
        writer_.BeginSection();
        writer_.WriteFirstPageHeader();
        if (Stopped())
            return false;
        if (request_.OutputTarget != TargetViewResults && !KeyIs(key, 90060) && !KeyIs(key, 140164))
            writer_.WriteTitleBlock();
        if (Stopped())
            return false;
        content->WriteHead(writer_);
        content->WriteBody(writer_);
        writer_.EndList();
        return !Stopped();
    }

    bool Stopped() const { return in_.session.tools.RunStopped(); }

    void Report(const std::string& message)
    {
        Session& s = in_.session;
        FileServices services = s.services();
        s.environment.SetPendingError(message);
        ReportRuntimeError(services, s.file);
        s.tools.SetRunState(RunAborted);
    }

    ListRunResult Stop()
    {
        Session& s = in_.session;
        result_.Outcome
            = s.tools.RunState() == RunCancelled ? ListRunOutcome::Cancelled : ListRunOutcome::Aborted;
        if (result_.Outcome == ListRunOutcome::Aborted && printed_ && hooks_.ApplyPrinterSettings)
            hooks_.ApplyPrinterSettings();
        state_.ListText.clear();
        return result_;
    }

    const SectionInputs& in_;
    ListWriter& writer_;
    ListState& state_;
    const ListRunRequest& request_;
    const ListRunHooks& hooks_;
    const bool printed_;
    ListRunResult result_;
};

} // namespace

bool IsSummaryListKey(const ListKey& key)
{
    return IsSummarySection(key) || KeyIs(key, 142);
}

ListRunResult RunList(
    const SectionInputs& inputs, ListWriter& writer, const ListRunRequest& request, const ListRunHooks& hooks)
{
    return Run(inputs, writer, request, hooks).Go();
}

} // namespace teska
