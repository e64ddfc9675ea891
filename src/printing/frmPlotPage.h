// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The print options dialog shown before a list is printed or handed to the
// text editor: the first page number or no page numbers, the number of
// copies, and the company lines and job data of the page headers. It reads
// and stores its choices under "List frmPlotPage" of the program's settings
// store and saves the store when OK closes it.
//
// Object names for tests and help: CmdOK, CmdCancel, cmdHelp; FrmPageNo with
// "OptPageNo(0)", "OptPageNo(1)", TxtPageNo and its spin buttons UpDown1;
// FrmCopyNo with Label1, txtCopyNo and UpDnPrint; FrmPageHead with
// ChkAuftragsdaten and ChkFirma.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "lists/choice/ListKey.h"
#include "lists/page/PrintOptions.h"
#include "printing/HelpDialog.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace teska {

class Session;
class SettingsStore;
class UpDownButtons;

class frmPlotPage : public HelpDialog {
    Q_OBJECT

public:
    // \p outputTarget 3 or 4 (printing) or 5 or 6 (text editor);
    // \p chosenLists the lists of the run, in run order (printing only the
    // cover page needs neither page numbers nor page headers). \p settings
    // is read here and written and saved by OK; a failed save is reported
    // through the session's host and the dialog closes all the same.
    // \p showHelp is called with "6_2_1" by the help button and F1.
    frmPlotPage(Session& session, SettingsStore& settings, int outputTarget,
        const std::vector<ListKey>& chosenLists, std::function<void(const QString&)> showHelp,
        QWidget* parent = nullptr);

    // The options as loaded, and as OK accepted them once it has.
    const PrintOptions& options() const { return m_options; }
    // PageNumber of the list run: the first page number - 1, or
    // NoPageNumbers when the pages are not numbered.
    int PageNumber() const { return m_pageNumber; }
    int CopyCount() const { return m_options.CopyCount; }
    bool PrintCompanyHeader() const { return m_options.PrintCompanyHeader; }
    bool PrintJobData() const { return m_options.PrintJobData; }

    static constexpr const char* HelpTopic = "6_2_1";

public Q_SLOTS:
    // OK: range checks (a failed one is told through the host's warning and
    // keeps the dialog open), results, settings stored and saved, accept.
    void ok();

private:
    void showNumberingChoice();
    void stepDown(QLineEdit* box);
    void stepUp(QLineEdit* box);
    // The number in \p box when it lies in 1..32000; otherwise the message
    // \p messageId is shown, the box takes the focus and nullopt returns.
    std::optional<int> checkedNumber(QLineEdit* box, long messageId);

    Session& m_session;
    SettingsStore& m_settings;
    PrintOptions m_options;
    int m_pageNumber = 0;

    QGroupBox* m_pageFrame = nullptr;
    QRadioButton* m_numbered = nullptr;
    QRadioButton* m_unnumbered = nullptr;
    QLineEdit* m_pageBox = nullptr;
    UpDownButtons* m_pageSpin = nullptr;
    QGroupBox* m_copyFrame = nullptr;
    QLineEdit* m_copyBox = nullptr;
    QGroupBox* m_headFrame = nullptr;
    QCheckBox* m_jobData = nullptr;
    QCheckBox* m_company = nullptr;
};

// True when a print run of \p outputTarget over \p chosenLists prints only
// the cover page: the data list (3) starting with 90045, and no further list
// with a caption (\p caption gives a key's caption).
bool PrintsCoverPageOnly(int outputTarget, const std::vector<ListKey>& chosenLists,
    const std::function<std::string(const ListKey&)>& caption);

} // namespace teska
