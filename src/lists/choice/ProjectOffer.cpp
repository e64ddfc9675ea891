// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/choice/ProjectOffer.h"

#include "project/io/RecordFile.h"
#include "project/opening/ProjectReader.h"
#include "project/opening/ProjectState.h"
#include "suite/Errors.h"
#include "suite/Host.h"

namespace teska {

OfferState OfferStateFor(const ProjectState& project, int outputTarget, long termId, Host* host)
{
    OfferState state;
    state.OutputTarget = outputTarget;
    state.AnalysisMethod = project.AnalysisMethod;
    state.ResultSwitch = project.ResultSwitches();
    state.DesignSwitch1 = project.DesignSwitch1;
    state.DesignSwitch2 = project.DesignSwitch2;
    state.TermId = termId;
    const std::string bauPath = project.SiblingPath(".BAU");
    state.BauCount = [bauPath, host]() -> std::optional<int> {
        if (DataFileRefused(bauPath, 3))
            return std::nullopt;
        try {
            return RecordFile::FromFile(bauPath).GetInt16(4);
        } catch (const RuntimeError& error) {
            if (host)
                host->reportError(error.what());
            return std::nullopt;
        }
    };
    return state;
}

} // namespace teska
