// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/opening/OpenProject.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "project/io/RecordFile.h"
#include "project/opening/ProjectFileReader.h"
#include "project/opening/ProjectReader.h"
#include "suite/Errors.h"
#include "suite/Host.h"

namespace teska {

namespace {

bool FileExists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::exists(path, error);
}

// The project path without its last four characters (the extension).
std::string WithoutExtension(const std::string& path)
{
    return path.size() >= 4 ? path.substr(0, path.size() - 4) : path;
}

void ReadSiblings(ProjectState& state, OpeningContext& context, OpenResult& result)
{
    SetResultSwitches(state);

    // A missing job file gives three empty lines, without a message.
    const std::string jobPath = state.SiblingPath(".AUF");
    if (!DataFileRefused(jobPath, 1))
        state.JobLines = ReadJobFile(jobPath);
    else
        state.JobLines = {};

    if (state.ResultSwitch6) {
        double firstPunching = 0;
        const std::string punchingPath = state.SiblingPath(".PPU");
        if (FileExists(punchingPath) && !DataFileRefused(punchingPath, 1))
            firstPunching = ReadPunchingFirstNumber(punchingPath);
        const std::string designPath = state.SiblingPath(".P23");
        std::string refused;
        if (DataFileRefused(designPath, 1, &refused)) {
            context.host.reportError(refused + " (the design parameters, needed with punching results)");
            result.Outcome = OpenOutcome::NoDesignParameters;
            return;
        }
        state.DesignCode = ReadDesignParameterFile(designPath).DesignCode;
        state.ResultSwitch7 = PunchingResultsExist(state.ResultSwitch6, firstPunching);
    }

    state.DesignSwitch1 = DesignResultsOfMethod(state.AnalysisMethod);
    state.DesignSwitch2 = false;
    if (context.lookupText)
        context.host.statusText(context.lookupText(kOpeningStatusId));

    // A .P21 that the data file check refuses is passed over like a missing
    // one; one that passes the check but cannot be opened ends the opening.
    const std::string slabPath = state.SiblingPath(".P21");
    if (FileExists(slabPath) && !DataFileRefused(slabPath, 3)) {
        std::optional<RecordFile> slab;
        try {
            // Only the marks of records 8 and 9 are needed, not the
            // slab's records behind them (one an element).
            slab.emplace(RecordFile::FromFileStart(slabPath, 9));
        } catch (const FileAccessError& error) {
            context.host.reportError(error.what());
            result.Outcome = OpenOutcome::SlabFileUnopened;
            return;
        }
        const SlabMarks marks = ReadSlabMarks(*slab);
        state.DesignSwitch2 = SlabDesignResults(marks.SlabMark, marks.Record9, state.AnalysisMethod);
    }

    state.CloseCommandEnabled = true;
    state.ListMenuEnabled = true;
    const std::string title = context.lookupText ? context.lookupText(kMainCaptionId) : std::string();
    state.MainCaption = title + " - [" + state.ProjectBaseName + "]";
    result.Outcome = OpenOutcome::Opened;
}

} // namespace

std::string ProjectFilePath(const ProjectState& state)
{
    return state.ProjectPath.empty() ? state.SiblingPath(".PO1") : state.ProjectPath;
}

OpenResult OpenProject(ProjectState& state, OpeningContext& context, bool fresh)
{
    OpenResult result;
    try {
        if (context.StartedByGroup && context.groupHandOver)
            context.groupHandOver(state.ProjectPath);
        if (fresh) {
            if (context.announce)
                context.announce(state.ProjectDirectory, state.ProjectBaseName);
            const ProjectLock lock = AcquireProject(WithoutExtension(ProjectFilePath(state)), context.self);
            result.Lock = lock.Result;
            result.LockHolder = lock.Owner;
        }
    } catch (const std::exception& error) {
        context.host.reportError(error.what());
        result.Outcome = OpenOutcome::Failed;
        return result;
    }

    ProjectFileData options;
    try {
        options = ProjectReader::ReadOptions(ProjectFilePath(state));
    } catch (const RuntimeError& error) {
        context.host.reportError(error.what());
        result.Outcome = OpenOutcome::OptionsUnread;
        return result;
    }
    state.ProjectType = options.ProjectType;
    state.AnalysisMethod = options.AnalysisMethod;
    state.Options = options.Options;

    try {
        ReadSiblings(state, context, result);
    } catch (const RuntimeError& error) {
        context.host.reportError(error.what());
        result.Outcome = OpenOutcome::Failed;
    }
    return result;
}

} // namespace teska
