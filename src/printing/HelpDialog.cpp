// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/HelpDialog.h"

#include <QKeyEvent>

namespace teska {

HelpDialog::HelpDialog(QString helpTopic, std::function<void(const QString&)> showHelp, QWidget* parent)
    : QDialog(parent)
    , m_helpTopic(std::move(helpTopic))
    , m_showHelp(std::move(showHelp))
{ }

void HelpDialog::ShowHelp() const
{
    if (m_showHelp)
        m_showHelp(m_helpTopic);
}

void HelpDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::HelpContents)) {
        ShowHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace teska
