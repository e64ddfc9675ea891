// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program-switch bar "MENUProgram": one entry per program of the suite,
// shown in group mode only, this program's own entry always hidden.

#include <QAction>
#include <QToolBar>

#include "shell/GroupProgram.h"
#include "shell/MDIList.h"
#include "shell/MenuTable.h"

namespace teska {

namespace {

// Captions of the programs 1 to 5.
constexpr long kProgramCaptions[5] = {84, 85, 86, 87, 89};

} // namespace

void MDIList::BuildProgramBar()
{
    QToolBar* programs = bar("MENUProgram");
    programs->setLayoutDirection(m_rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    for (int program = 1; program <= 5; ++program) {
        auto* item = new QAction(caption(kProgramCaptions[program - 1]), this);
        const std::string key = IndexedKey("mnuPrjLink(", program);
        item->setObjectName(QString::fromStdString(key));
        m_actions.insert(item->objectName(), item);
        programs->addAction(item);
        connect(item, &QAction::triggered, this, [this, program] { ProgramClick(program); });
    }
    SetupProgramBar(m_startup.StartedByGroup);
}

void MDIList::SetupProgramBar(bool group)
{
    bar("MENUProgram")->setVisible(group);
    for (int program = 1; program <= 5; ++program)
        action(IndexedKey("mnuPrjLink(", program))->setVisible(group && program != kThisProgram);
}

void MDIList::ProgramClick(int program)
{
    // No command of this window runs while the group program switches.
    setEnabled(false);
    try {
        m_group->SwitchProg(static_cast<std::int16_t>(program));
    } catch (const std::exception& error) {
        m_host->reportError(error.what());
    }
    setEnabled(true);
}

} // namespace teska
