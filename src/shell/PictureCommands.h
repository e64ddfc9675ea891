// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Picture command of the main window: an item of the List menu and of
// the List bar (enabled while the active child window is a grid viewer of a
// table that has a picture) and of a grid viewer's context menu, each with
// a submenu of the table's value columns. It opens picture windows
// (frmPicture) in the MDI area with navigator and Window menu entries,
// prints a picture on one page under the list's page header, and shows the
// row of a clicked node in the table's open grid viewer.

#include <QList>
#include <QObject>
#include <QString>
#include <cstdint>
#include <string>

class QAction;
class QMdiSubWindow;
class QMenu;

namespace teska {

class MDIList;
class frmPicture;
class frmViList;

class PictureCommands : public QObject {
    Q_OBJECT

public:
    // Adds the command to the List menu and the List bar of \p window.
    explicit PictureCommands(MDIList& window);
    ~PictureCommands() override;

    // The List menu item; its submenu lists the value columns.
    QAction* action() const { return m_action; }
    // Why the table of \p viewer has no picture (a text mode viewer, a
    // plane model, a table without one value per node); empty when it has.
    QString Refusal(const frmViList* viewer);
    // Opens (or brings to the front) the picture of value column \p column
    // (from 1) of the grid viewer's table. nullptr when there is none: the
    // reason goes to the status bar and a warning.
    frmPicture* ShowPicture(frmViList* viewer, int column);
    // The picture windows in the MDI area, oldest first.
    QList<frmPicture*> pictures() const;
    // Prints the visible part of \p picture on one page under the page
    // header of its list; false when the printer failed (reported).
    bool PrintPicture(frmPicture& picture);
    // Selects and shows row \p row (of the list, from 1) in the open grid
    // viewer of \p picture's table; that viewer, or nullptr when none is open.
    frmViList* ShowRow(const frmPicture& picture, std::int32_t row);
    // The column submenu for \p viewer (the grid viewers' context menus).
    void FillColumns(QMenu* menu, frmViList* viewer);
    // A child window came to the front (or a viewer in front was filled):
    // the command is enabled for a grid viewer of a table with a picture,
    // and a grid viewer's context menu gets the command.
    void Activated(QMdiSubWindow* window);

private:
    frmViList* ActiveGridViewer() const;
    QString Caption(long id, long option = 1) const;

    MDIList& m_window;
    QAction* m_action = nullptr;
    QMenu* m_columns = nullptr;
};

} // namespace teska
