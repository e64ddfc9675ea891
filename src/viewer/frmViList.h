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
#include <functional>
#include <memory>
#include <string>

#include "lists/choice/ListKey.h"
#include "viewer/ProgressLabels.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace teska {

class Host;
class ResultGridModel;
class Session;
class SettingsStore;
struct ListProject;

// What a viewer needs of the program around it. \p project is read only by
// the constructor and FirstTimeActivate (it may be a temporary of the
// caller); the session behind it and \p settings outlive the viewer.
struct ViewerContext {
    ListProject* project = nullptr; // the current project, read in grid mode
    SettingsStore* settings = nullptr; // placement under "List Settings"
    std::string settingsDirectory; // where "Table.ico" and "TESKAText.ico" lie
    // The page of the list text: an exported document breaks its pages
    // every linesPerPage lines (0: no breaks) and is as wide as charsPerLine.
    int linesPerPage = 0;
    int charsPerLine = 80;
    // Group mode: an export first calls the group program's "Update_File"
    // (with 3) through updateFile.
    bool startedByGroup = false;
    std::function<void(int)> updateFile;
    // Where exports go: empty is the user's documents folder (XDG), or the
    // home folder when that does not exist.
    std::string exportDirectory;
    // Opens an exported file; empty is the desktop's application for its
    // type. False when nothing could open it.
    std::function<bool(const QString& path)> openDocument;
};

// The settings section of the viewers' placement.
inline constexpr const char* kListSettingsSection = "List Settings";

class frmViList : public QWidget {
    Q_OBJECT

public:
    // Load: CmdOK caption (text 7), the stored placement, both views hidden.
    frmViList(const ViewerContext& context, QWidget* parent = nullptr);
    ~frmViList() override;

    // Fills the viewer with the list \p key of \p outputTarget (1 or 2).
    // Text mode takes \p listText (it is emptied); grid mode reads the result
    // table itself, with progress labels and CmdOK to cancel. Returns false
    // when the fill was aborted or cancelled, or the table was empty: the
    // caller then discards the viewer (nothing half-filled is shown). On
    // success the window title is the list's caption and the tag is
    // \p projectKey + "-" + the caption.
    bool FirstTimeActivate(
        int outputTarget, const ListKey& key, std::string& listText, const QString& projectKey);

    bool isGridMode() const { return m_gridMode; }
    QString tag() const { return m_tag; }
    ListKey key() const { return m_key; }
    QPlainTextEdit* textBox() const { return m_text; }
    QTableView* grid() const { return m_grid; }
    ResultGridModel* model() const { return m_model.get(); }
    QLineEdit* findField() const { return m_find; }

    // The placement of the viewer's MDI window (the viewer itself when it
    // has none), saved in twips under "List Settings" and restored for the
    // next viewer. A failed save is reported through the host.
    void SavePlacement();
    void RestorePlacement();

    // The export: \p LinkedObj 0 puts the text of a text viewer into a new
    // word-processor document (.odt), 1 the grid of a grid viewer into a new
    // workbook (.xlsx); the file is written into the export folder under a
    // new name (project and caption) and opened. In order: busy pointer,
    // "Update_File" in group mode, status text 90109 with the caption and
    // status bar mode 0, the export, the status cleared, the pointer
    // restored, and a failure reported once through ReportRuntimeError
    // naming the file. Any other value (or one that does not fit the mode)
    // shows and clears the status text only. The viewer is never changed.
    void Link_OLE(long LinkedObj);
    // The folder exports go to (ends with "/").
    std::string ExportDirectory() const;
    // The file of the last successful export (empty when none).
    QString lastExport() const { return m_lastExport; }

    // Grid mode: the selected cells to the clipboard as tab-separated text,
    // with the headings when whole columns are selected (Ctrl+C).
    void CopySelection();
    // Text mode: opens the find field (Ctrl+F).
    void OpenFind();
    // True when the whole list text is in the text box: a long list goes in
    // by pieces from the event loop after its first screens are shown.
    bool textComplete() const { return m_pendingText.isEmpty(); }
    // Puts the rest of a long list into the box at once.
    void CompleteText();
    // Text mode: selects the next (or previous) match of the find field's
    // text, wrapping around the end; false when there is none (Enter, F3,
    // Shift+F3).
    bool FindNext(bool backward = false);

Q_SIGNALS:
    // The viewer is closing (query-unload): the main window removes its
    // navigator and Window menu entries.
    void closing(const QString& tag);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    class Progress;

    bool FillGrid(ListProject& project, const ListKey& key);
    void FillText(const ListKey& key, std::string& listText);
    void SizeGridColumns();
    void AppendPendingText(qsizetype lines);
    void SetIcon(const char* fileName);
    void LayOut();
    void LayOutProgress();
    ProgressControls ProgressControlsOf();
    int Px(int twips) const;

    QString ExportDocument();
    QString ExportWorkbook();

    ViewerContext m_context;
    Session* m_session = nullptr;
    std::string m_projectBaseName;
    QString m_lastExport;
    ListKey m_key = 0L;
    bool m_gridMode = false;
    bool m_rightToLeft = false;
    bool m_reading = false;
    QString m_tag;
    QPlainTextEdit* m_text = nullptr; // RichTxtBox
    QTableView* m_grid = nullptr; // GrdList
    QLabel* m_flashing = nullptr; // LblFlashing
    QLabel* m_info = nullptr; // LblInfText
    QPushButton* m_ok = nullptr; // CmdOK
    QLineEdit* m_find = nullptr; // the find field of a text viewer
    QString m_pendingText; // the part of a long list not in the box yet
    qsizetype m_pendingFrom = 0;
    std::unique_ptr<ResultGridModel> m_model;
    std::unique_ptr<Progress> m_progress;
};

} // namespace teska
