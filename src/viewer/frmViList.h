// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The list viewer: a child window of the main window's MDI area that shows
// one finished list, either as text (the data list, and the five summary
// sections of the result list) in a read-only text box, or as a result
// table in a grid over ResultGridModel. It carries the progress labels and
// the cancel button of a long grid build.

#include <QString>
#include <QWidget>
#include <memory>
#include <string>

#include "lists/choice/ListKey.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace teska {

class ResultGridModel;
class SettingsStore;
struct ListProject;

// What a viewer needs of the program around it.
struct ViewerContext {
    ListProject* project = nullptr; // the current project, read in grid mode
    SettingsStore* settings = nullptr; // placement under "List Settings"
    std::string settingsDirectory; // where "Table.ico" and "TESKAText.ico" lie
};

class frmViList : public QWidget {
    Q_OBJECT

public:
    // Load: CmdOK caption (text 7), both views hidden.
    frmViList(const ViewerContext& context, QWidget* parent = nullptr);
    ~frmViList() override;

    // Fills the viewer with the list \p key of \p outputTarget (1 or 2).
    // Text mode takes \p listText (it is emptied); grid mode reads the result
    // table itself, with progress labels and CmdOK to cancel. Returns false
    // when the fill was aborted or cancelled, or the table was empty: the
    // caller then discards the viewer (nothing half-filled is shown). On
    // success the window title is the list's caption and the tag is
    // \p projectKey + "-" + the caption.
    bool FirstTimeActivate(int outputTarget, const ListKey& key, std::string& listText, const QString& projectKey);

    bool isGridMode() const { return m_gridMode; }
    QString tag() const { return m_tag; }
    ListKey key() const { return m_key; }
    QPlainTextEdit* textBox() const { return m_text; }
    QTableView* grid() const { return m_grid; }
    ResultGridModel* model() const { return m_model.get(); }

    // The placement of the viewer's MDI window, saved under "List Settings"
    // and restored for the next viewer.
    void SavePlacement();
    void RestorePlacement();

Q_SIGNALS:
    // The viewer is closing (query-unload): the main window removes its
    // navigator and Window menu entries.
    void closing(const QString& tag);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void LayOut();

    ViewerContext m_context;
    ListKey m_key = 0L;
    bool m_gridMode = false;
    QString m_tag;
    QPlainTextEdit* m_text = nullptr; // RichTxtBox
    QTableView* m_grid = nullptr; // GrdList
    QLabel* m_flashing = nullptr; // LblFlashing
    QLabel* m_info = nullptr; // LblInfText
    QPushButton* m_ok = nullptr; // CmdOK
    std::unique_ptr<ResultGridModel> m_model;
};

} // namespace teska
