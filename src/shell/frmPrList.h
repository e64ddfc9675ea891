// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The list generation window: a small modal window that runs one list in
// its first activation and shows the progress of the run (the headline
// LblFlashing, the message LblInfText) with a cancel button CmdOK. Its
// close box, Escape and CmdOK all end the run at its next check (run state
// 4); a missing file ends it too (run state 3). The window closes itself
// when the run is over; RunConfirmed() then says whether the list is whole.

#include <QDialog>
#include <functional>

#include "project/ListFile.h"

class QLabel;
class QPushButton;

namespace teska {

class Session;

class frmPrList : public QDialog, public ProgressWindow {
    Q_OBJECT

public:
    // \p run does the list run (it is called once, from the first
    // activation) and returns true when the list was completed.
    frmPrList(Session& session, int outputTarget, std::function<bool(ProgressWindow*)> run,
        QWidget* parent = nullptr);

    // True after a completed run (the dialog result flag).
    bool RunConfirmed() const { return m_confirmed; }
    bool running() const { return m_running; }

    // ProgressWindow: the two labels, laid out around their text.
    void showProgressLabels(const std::string& headline, const std::string& message) override;
    void unload() override;

    // Status text identifier of the run by output target.
    static long StatusTextId(int outputTarget);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void FirstActivate();
    void Cancel();

    Session& m_session;
    int m_outputTarget = 1;
    std::function<bool(ProgressWindow*)> m_run;
    QLabel* m_flashing = nullptr; // LblFlashing
    QLabel* m_info = nullptr; // LblInfText
    QPushButton* m_ok = nullptr; // CmdOK
    bool m_activated = false;
    bool m_running = false;
    bool m_confirmed = false;
};

} // namespace teska
