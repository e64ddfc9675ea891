// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window: an MDI frame for the list viewers, the project navigator
// (PctNavigator with the tree TrVData) beside it in a splitter, the status
// bar StBGraphic, the menu tree of MenuTable() and seven dockable bars
// ("MENU", "MENUProgram" and the five command bars named by BarKeys).

#include <QHash>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "lists/Session.h"
#include "lists/format/NumberFormats.h"
#include "lists/page/PageLayout.h"
#include "lists/run/ListRequests.h"
#include "project/opening/OpenedProjects.h"
#include "project/opening/ProjectState.h"
#include "project/opening/RecentFiles.h"
#include "shell/ShellHost.h"
#include "suite/SettingsStore.h"

class QAction;
class QIcon;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QSplitter;
class QStatusBar;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace teska {

class frmViList;
class GroupProgram;
class PictureCommands;
class PagePrinter;
class PageSink;

// Program-wide values that start-up establishes.
struct StartupState {
    bool StartedByGroup = false;
    std::string SettingsDirectory; // ends with "/"
    std::string ProjectDirectory; // start folder of the open dialog
    long TermId = 90065;
    std::string Text123;
};

// Copies the image strip "1616list.bmp" into the settings folder when it is
// not there (the menus read it from there). False when the copy failed.
bool CopyImageStrip(const std::string& settingsDirectory);

class MDIList : public QMainWindow {
    Q_OBJECT

public:
    // \p settingsDirectory empty: from the environment (TESKA_SETTINGS_DIR ...).
    // \p language: the catalogue language (empty: TESKA_LANG, else the
    // suite setting).
    explicit MDIList(const std::string& settingsDirectory = {}, const std::string& language = {},
        QWidget* parent = nullptr);
    // Group mode, shutdown not run: "TESKAGroup_EndProg", errors ignored.
    ~MDIList() override;

    // Menu items and bars by key (nullptr when there is none).
    QAction* action(const std::string& key) const;
    QToolBar* bar(const std::string& name) const;
    QWidget* navigator() const { return m_navigator; }
    QTreeWidget* tree() const { return m_tree; }
    QSplitter* splitter() const { return m_splitter; }
    QStatusBar* statusBarWidget() const { return m_statusBar; }
    QMdiArea* mdiArea() const { return m_mdi; }

    Session& session() { return *m_session; }
    ShellHost& host() { return *m_host; }
    StartupState& startup() { return m_startup; }
    ProjectState& project() { return m_project; }
    const OpenedProjects& openedProjects() const { return m_opened; }
    const RecentFileTable& recentFiles() const { return m_recent; }
    SettingsStore& settings() { return m_settings; }
    // Loaded at start-up for the list runs.
    NumberFormats numberFormats;
    PageLayout pageLayout;
    // Fills the five recent-file entries from the stored list.
    void LoadRecentMenu();

    // Layout of the bars and panels (settings section "Settings").
    void BuildToolbars();
    void RestoreLayout();
    void SaveTBar();
    void ResetToolbars();
    void ToggleBar(int i);
    void ApplyBarCheck(int i);
    void DefaultLayout(bool visible);

    // Navigator panel width in twips; below 250 is raised to 250.
    void SetNavigatorWidth(int twips);
    int NavigatorWidthTwips() const;

    // Projects. IsProjectOpened registers ProjectPath (or activates it when
    // it is open already); OpenProject reads the current project.
    void OpenProjectDialog();
    void OpenRecentFile(int index);
    bool IsProjectOpened();
    void OpenProject(bool fresh);
    void CloseProject();
    void AddToRecentList(const std::string& path);
    // Activation of a navigator entry as a click on it does.
    void ActivateNode(QTreeWidgetItem* node);
    // Set while the group program hands over a project: opening it then
    // counts as a re-activation (no announcement, no lock).
    bool GroupHandOver = false;

    // The group program's object (empty outside group mode) and the
    // program-switch bar: shown in group mode, this program's entry hidden.
    GroupProgram& groupProgram() { return *m_group; }
    void SetupProgramBar(bool group);
    // An entry of the program-switch bar: the group program switches to
    // \p program while the window is disabled.
    void ProgramClick(int program);

    // The click of a menu item, by key; indexed keys by their prefix.
    void MenuClick(const std::string& key);
    void ShowHelpTopic(const QString& topic);

    // Window placement and bars saved, projects released (unless the group
    // program ends the run), windows closed; a user's end in group mode
    // tells the group program.
    void ShutDown(bool releasedByGroup);
    bool shutDownDone() const { return m_shutDown; }
    // The exit query: true when the user wants to end the program. Asks
    // with a message box; Escape answers no.
    bool ExitQuery();

    // The state of the list commands: the target and key(s) of the next
    // run, and the dialog result flag of the last one.
    int OutputTarget = 1;
    ListKey CurrentListKey = 0L;
    std::vector<ListKey> ChosenLists;
    bool RunConfirmed = false;
    std::string ListText;

    // The six list commands (OutputTarget 1 to 6).
    void ListCommand(int outputTarget);
    // A list chosen in a List drop-down: \p button 0 is a data list, any
    // other button a result list; \p key is the list key as text.
    void ListDropDownClick(int button, const std::string& key);
    // False (and the list's open window focused) when a viewer of the active
    // project already shows CurrentListKey.
    bool CheckRequest();
    // The current project as the list engine reads it, and the page raster
    // and print options of a run.
    ListProject listProject();
    ListPageSettings listPage();
    // The printer of the printed lists and the page size measured on it.
    PagePrinter& printer() { return *m_printer; }
    std::int16_t LinesPerPage = 65;
    std::int16_t CharsPerLine = 80;
    // Applies the stored printer set-up and list font to the printer (ending
    // an open print job) and measures LinesPerPage and CharsPerLine; a value
    // the printer refuses is reported and the previous page size stays.
    void ApplyPrinterSettings();
    // The printer dialog, the list font dialog and the page format dialog.
    void PrinterCommand();
    void FontCommand();
    // Stores the chosen catalogue language in the suite settings; the
    // program takes it at its next start.
    void LanguageCommand();
    void PageFormatCommand();
    // OutputTarget's ChosenLists on the printer, once per copy of the
    // stored print options, as one print job: a copy that is aborted is left
    // out, and the page numbers run on from copy to copy. Returns the number
    // of copies printed.
    int PrintChosenLists();
    // Shows frmPrList modally for OutputTarget; sets RunConfirmed and, for
    // the view and editor targets, ListText.
    bool RunListWindow();
    // The same run on \p page; a printed run's pages go to \p pages, and
    // \p pageNumber gets the PageNumber after the run.
    bool RunListWindow(const ListPageSettings& page, PageSink* pages, std::int16_t* pageNumber = nullptr);
    // A new viewer for CurrentListKey (text mode takes ListText); nullptr
    // when its fill was aborted.
    frmViList* ShowResultInViewer();
    // The print options step of print and editor runs; true to go on. The
    // printer set-up fills it in; until then printing stops here.
    std::function<bool(int outputTarget)> PrintOptionsStep;
    // The list text of an editor run written to EditorFilePath() and opened
    // with the user's text editor. False (with a message naming the file)
    // when it could not be written or opened.
    bool HandToTextEditor();
    QString EditorFilePath(int outputTarget) const;
    // The viewers in the MDI area, oldest first.
    QList<frmViList*> viewers() const;
    // Gives a new child window of the MDI area its navigator entry (under
    // the current project, with \p icon) and the first free Window menu
    // entry, both found again by \p tag. \p picture marks a picture window,
    // whose entry the request check of the list commands passes over.
    void AddWindowEntries(
        QMdiSubWindow* window, const QString& tag, const QString& title, const QIcon& icon, bool picture);
    // Moves a shown child window wholly inside the MDI area where it fits: a
    // right-to-left area places a new window from its right edge and may
    // leave the rest of it outside.
    void KeepInsideArea(QMdiSubWindow* window) const;
    // A child window closes: its navigator and Window menu entries go, the
    // later Window menu entries move up a place.
    void ViewerClosing(const QString& tag);
    // The Picture command and the picture windows.
    PictureCommands& pictures() { return *m_pictures; }
    const std::array<QString, 10>& WindowTags() const { return m_windowTags; }
    // The help topic of the window or dialog in front.
    QString HelpTopicInFront() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void BuildProgramBar();
    void SetCaptions();
    QString caption(long id, const TextArgs& args = {}) const;
    void updateRecentMenu();
    void setProjectMenus(bool enabled);
    void FillListDropDowns();
    double dpi() const;
    void saveSettings();
    void SubWindowActivated(QMdiSubWindow* window);
    void MakeProjectCurrent(const std::string& path);
    QTreeWidgetItem* ProjectNode(const std::string& path) const;
    void ResetTitle();
    // Tells who holds the project being opened; true to open it read-only.
    bool OpenInUse(const LockOwner& holder);
    void AssignMnemonics();

    std::unique_ptr<ShellHost> m_host;
    std::unique_ptr<PagePrinter> m_printer;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<GroupProgram> m_group;
    std::unique_ptr<PictureCommands> m_pictures;
    StartupState m_startup;
    ProjectState m_project;
    OpenedProjects m_opened;
    RecentFileTable m_recent;
    SettingsStore m_settings;

    QHash<QString, QAction*> m_actions;
    QHash<QString, QToolBar*> m_bars;
    QHash<QString, QMenu*> m_menus;
    QMdiArea* m_mdi = nullptr;
    QWidget* m_navigator = nullptr;
    QTreeWidget* m_tree = nullptr;
    QSplitter* m_splitter = nullptr;
    QStatusBar* m_statusBar = nullptr;
    QMenu* m_dataListMenu = nullptr;
    QMenu* m_resultListMenu = nullptr;
    std::array<QString, 10> m_windowTags;
    bool m_rightToLeft = false;
    bool m_shutDown = false;
};

} // namespace teska
