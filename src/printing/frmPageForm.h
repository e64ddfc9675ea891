// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The page format dialog: the page size of the current printer (lines per
// page, characters per line; shown only) and the three page margins. OK
// range-checks the margins and applies them for the rest of the run; Save
// applies them unchecked and writes PAGELAYO.LST; Cancel leaves them.
//
// Object names: CmdOK, CmdCancel, cmdHelp, cmdSave; FraALLPageSize with
// lbMaxZeilenProSeite and lbMaxCharacterProZeile; Frame1 with the margin
// boxes TxtLR, TxtRo, TxtRu and their spin buttons "UpDnMargin(3)",
// "UpDnMargin(4)", "UpDnMargin(5)".

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "lists/page/PageLayout.h"
#include "printing/HelpDialog.h"

class QLineEdit;
class QPushButton;

namespace teska {

class Session;

class frmPageForm : public HelpDialog {
    Q_OBJECT

public:
    // \p layout is shown and, by OK or Save, changed; it must outlive the
    // dialog. \p linesPerPage and \p charsPerLine are the page size of the
    // current printer and bound the margins. \p settingsDirectory ends with
    // a separator; Save writes PAGELAYO.LST there and reports a failure
    // through the session's host (the file on disk is then left as it was).
    // \p showHelp is called with "7_1" by the help button and F1.
    frmPageForm(Session& session, PageLayout& layout, int linesPerPage, int charsPerLine,
        const std::string& settingsDirectory, std::function<void(const QString&)> showHelp,
        QWidget* parent = nullptr);

    static constexpr const char* HelpTopic = "7_1";

public Q_SLOTS:
    // Range checks (left margin 0..CharsPerLine - 1, top and bottom margin
    // 0..LinesPerPage - 1; a failed one is told through the host's warning
    // and keeps the dialog open), then the margins applied and accept.
    void ok();
    // The boxes' numbers applied as they are and written to PAGELAYO.LST;
    // the dialog stays open. Returns 0 when written, -1 when not.
    short save();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One margin box: its spin limits and the message of its range check.
    struct Margin {
        QLineEdit* box = nullptr;
        int spinFloor = 0; // the down button stops here
        int spinCeiling = 0; // the up button stops here; OK accepts one less
        long messageId = 0;
    };
    void step(const Margin& margin, int delta);
    std::optional<std::int16_t> checked(const Margin& margin);
    PageLayout boxValues() const;

    Session& m_session;
    PageLayout& m_layout;
    std::string m_settingsDirectory;
    Margin m_left;
    Margin m_top;
    Margin m_bottom;
    QPushButton* m_okButton = nullptr;
};

} // namespace teska
