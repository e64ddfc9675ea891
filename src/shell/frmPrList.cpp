// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frmPrList.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "lists/Session.h"
#include "lists/writer/ListState.h"
#include "suite/Twips.h"
#include "viewer/ProgressLabels.h"

namespace teska {

namespace {

constexpr int kWindowWidthTwips = 3200;
constexpr int kButtonWidthTwips = 1250;

double dpiOf(const QWidget* widget)
{
    return widget->logicalDpiX() > 0 ? widget->logicalDpiX() : 96.0;
}

} // namespace

long frmPrList::StatusTextId(int outputTarget)
{
    switch (outputTarget) {
    case TargetPrintResults:
        return 158;
    case TargetPrintData:
        return 90070;
    case TargetViewData:
    case TargetEditorData:
        return 90071;
    default:
        return 90072;
    }
}

frmPrList::frmPrList(
    Session& session, int outputTarget, std::function<bool(ProgressWindow*)> run, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
    , m_outputTarget(outputTarget)
    , m_run(std::move(run))
{
    setObjectName("frmPrList");
    setModal(true);
    setWindowTitle(QString::fromStdString(session.catalogue.LookupText(86)));
    const ProgressControls controls
        = CreateProgressControls(this, QString::fromStdString(session.catalogue.LookupText(7, {1L})), false);
    m_flashing = controls.headline;
    m_info = controls.message;
    m_ok = controls.button;
    connect(m_ok, &QPushButton::clicked, this, &frmPrList::Cancel);
    const double dpi = dpiOf(this);
    resize(TwipsToPixels(kWindowWidthTwips, dpi), TwipsToPixels(1500, dpi));
    m_ok->resize(TwipsToPixels(kButtonWidthTwips, dpi), m_ok->sizeHint().height());
    if (session.catalogue.IsRightToLeft())
        setLayoutDirection(Qt::RightToLeft);
}

void frmPrList::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_activated)
        return;
    m_activated = true;
    // The run starts once the window is on screen.
    QTimer::singleShot(0, this, &frmPrList::FirstActivate);
}

void frmPrList::FirstActivate()
{
    Host& host = m_session.host;
    m_session.environment.SetStatusText(StatusMessage(StatusTextId(m_outputTarget)), &m_session.catalogue);
    showProgressLabels("\r" + m_session.catalogue.LookupText(104) + "\r",
        "\r" + m_session.catalogue.LookupText(StatusTextId(m_outputTarget)));
    m_running = true;
    bool completed = false;
    try {
        completed = m_run(this);
    } catch (const std::exception& error) {
        host.reportError(error.what());
    }
    m_running = false;
    // The run leaves its own state behind (4 once it is over); whether the
    // list is whole is what the run answered.
    m_confirmed = completed;
    m_session.environment.ClearStatus();
    host.statusText(std::string());
    done(m_confirmed ? QDialog::Accepted : QDialog::Rejected);
}

void frmPrList::showProgressLabels(const std::string& headline, const std::string& message)
{
    ShowProgressLabels(ProgressControls{this, m_flashing, m_info, m_ok, false}, headline, message);
    m_session.host.processEvents();
}

void frmPrList::unload()
{
    // A missing file ended the run (run state 3): the run returns on its own
    // and the window closes after it.
    m_ok->setEnabled(false);
}

void frmPrList::Cancel()
{
    if (m_running)
        m_session.tools.Cancel();
}

void frmPrList::closeEvent(QCloseEvent* event)
{
    // The close box ends the run; the window closes once the run returns.
    if (m_running) {
        Cancel();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void frmPrList::reject()
{
    if (m_running) {
        Cancel();
        return;
    }
    QDialog::reject();
}

} // namespace teska
