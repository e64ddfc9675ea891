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
    m_flashing = new QLabel(this);
    m_flashing->setObjectName("LblFlashing");
    m_info = new QLabel(this);
    m_info->setObjectName("LblInfText");
    for (QLabel* label : {m_flashing, m_info})
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_ok = new QPushButton(QString::fromStdString(session.catalogue.LookupText(7, {1L})), this);
    m_ok->setObjectName("CmdOK");
    m_ok->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, &frmPrList::Cancel);
    // Load: the controls hidden until the first progress message.
    m_ok->hide();
    m_flashing->hide();
    m_info->hide();
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
    m_ok->show();
    m_flashing->show();
    m_info->show();
    // The labels' texts start and end with carriage returns, which a label
    // shows as line breaks.
    auto lines = [](const std::string& text) {
        QString q = QString::fromStdString(text);
        q.replace("\r\n", "\n");
        q.replace('\r', '\n');
        return q;
    };
    m_flashing->setText(lines(headline));
    m_info->setText(lines(message));
    m_flashing->adjustSize();
    m_info->adjustSize();
    LayOut();
    m_session.host.processEvents();
}

void frmPrList::LayOut()
{
    const double dpi = dpiOf(this);
    auto twips = [dpi](int pixels) { return PixelsToTwips(pixels, dpi); };
    ProgressLayoutInput in;
    in.headlineWidth = twips(m_flashing->width());
    in.headlineHeight = twips(m_flashing->height());
    in.messageWidth = twips(m_info->width());
    in.messageHeight = twips(m_info->height());
    in.buttonHeight = twips(m_ok->height());
    in.windowWidth = twips(width());
    in.windowHeight = twips(height());
    in.windowMaximised = isMaximized();
    const ProgressLayout out = LayOutProgressWindow(in);
    auto px = [dpi](int t) { return TwipsToPixels(t, dpi); };
    if (px(out.windowWidth) != width() || px(out.windowHeight) != height())
        resize(px(out.windowWidth), px(out.windowHeight));
    m_flashing->move(px(out.headlineLeft), px(out.headlineTop));
    m_info->move(px(out.messageLeft), px(out.messageTop));
    m_ok->move(px(out.buttonLeft), px(out.buttonTop));
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
