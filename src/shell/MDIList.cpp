// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MDIList.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "lists/choice/ListCandidates.h"
#include "lists/choice/ProjectOffer.h"
#include "lists/writer/ListState.h"
#include "printing/PagePrinter.h"
#include "printing/frmPlotPage.h"
#include "project/opening/OpenProject.h"
#include "project/opening/ProjectReader.h"
#include "shell/GroupProgram.h"
#include "shell/HelpWindow.h"
#include "shell/MenuTable.h"
#include "shell/PictureCommands.h"
#include "suite/Errors.h"
#include "suite/Twips.h"
#include "viewer/frmViList.h"

#ifndef TESKA_ICON_SOURCE_DIR
#define TESKA_ICON_SOURCE_DIR ""
#endif

namespace teska {

namespace {

constexpr const char* kSettings = "Settings";
constexpr int kKeyRole = Qt::UserRole;
// The project path as the file system's bytes (the key is for display and
// matching only: a path that is not UTF-8 does not survive a QString).
constexpr int kPathRole = Qt::UserRole + 1;

QString toQ(const std::string& s)
{
    return QString::fromStdString(s);
}

std::string boolText(bool b)
{
    return b ? "True" : "False";
}

bool readBool(const SettingsStore& store, const std::string& key, bool fallback)
{
    return store.BoolValue(kSettings, key, fallback);
}

// Directory part (with its trailing "/") and base name of a project path.
void splitPath(const std::string& path, std::string& directory, std::string& baseName)
{
    const auto slash = path.find_last_of('/');
    directory = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const auto dot = name.find_last_of('.');
    baseName = dot == std::string::npos ? name : name.substr(0, dot);
}

// The output target of one of the six list commands; 0 for another key.
int ListCommandTarget(const std::string& key)
{
    static const char* const commands[] = {"mnuViewData", "mnuViewResult", "mnuPrintData", "mnuPrintResult",
        "mnuResultTextEditor", "mnuDataTextEditor"};
    for (int i = 0; i < 6; ++i)
        if (key == commands[i])
            return i + 1;
    return 0;
}

} // namespace

bool CopyImageStrip(const std::string& settingsDirectory)
{
    // The image strip and the two viewer icons, each copied once.
    bool copied = true;
    for (const char* name : {"1616list.bmp", "Table.ico", "TESKAText.ico"}) {
        const QString target = toQ(settingsDirectory) + name;
        if (QFileInfo::exists(target))
            continue;
        const QString installed
            = QCoreApplication::applicationDirPath() + "/../share/teska-list/icons/" + name;
        const QString source
            = QFileInfo::exists(installed) ? installed : QString(TESKA_ICON_SOURCE_DIR "/") + name;
        copied = QFile::copy(source, target) && copied;
    }
    return copied;
}

MDIList::MDIList(const std::string& settingsDirectory, const std::string& language, QWidget* parent)
    : QMainWindow(parent)
    , m_host(std::make_unique<ShellHost>())
    , m_group(std::make_unique<GroupProgram>())
{
    SessionOptions options;
    options.settingsDirectory = settingsDirectory;
    options.language = language;
    m_session = std::make_unique<Session>(*m_host, options);
    m_startup.SettingsDirectory = m_session->environment.SettingsDirectory();
    m_settings = SettingsStore(ApplicationSettingsPath(m_startup.SettingsDirectory));
    try {
        m_settings.Load();
        // A damaged line costs only itself: the rest is kept, and the file
        // as it was is kept beside it before anything is saved.
        if (!m_settings.Problems().empty()) {
            std::string message;
            for (const std::string& problem : m_settings.Problems())
                message += problem + "\n";
            message += "The other settings are kept; the damaged file is kept as "
                + m_settings.KeepDamagedCopy() + ".";
            m_host->reportError(message);
        }
    } catch (const RuntimeError& error) {
        m_host->reportError(error.what());
    }
    setObjectName("MDIList");

    m_mdi = new QMdiArea(this);
    m_navigator = new QWidget(this);
    m_navigator->setObjectName("PctNavigator");
    m_tree = new QTreeWidget(m_navigator);
    m_tree->setObjectName("TrVData");
    m_tree->setHeaderHidden(true);
    auto* layout = new QVBoxLayout(m_navigator);
    // The tree sits 60 twips inside the panel.
    const int inset = TwipsToPixels(60, dpi());
    layout->setContentsMargins(inset, inset, inset, inset);
    layout->addWidget(m_tree);
    m_navigator->setMinimumWidth(TwipsToPixels(kNavigatorMinTwips, dpi()));

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setChildrenCollapsible(false);
    // A right-to-left language mirrors the whole program: the menu bar, the
    // pop-up menus with their submenu arrows (windows of their own, which a
    // window's direction does not reach), the bars, the dialogs and this
    // splitter, which so puts the panel on the right of the frame with its
    // strip on the panel's left edge.
    m_rightToLeft = m_session->catalogue.IsRightToLeft();
    QApplication::setLayoutDirection(m_rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    m_splitter->addWidget(m_navigator);
    m_splitter->addWidget(m_mdi);
    m_splitter->setStretchFactor(1, 1);
    setCentralWidget(m_splitter);

    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName("StBGraphic");
    setStatusBar(m_statusBar);
    m_host->setStatusBar(m_statusBar);

    m_navigator->setProperty("widthTwips", kNavigatorDefaultTwips);
    connect(m_splitter, &QSplitter::splitterMoved, this, [this] {
        m_navigator->setProperty(
            "widthTwips", std::max(PixelsToTwips(m_navigator->width(), dpi()), kNavigatorMinTwips));
    });
    connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) { ActivateNode(node); });
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &MDIList::SubWindowActivated);
    // F1 shows the help topic of what is in front.
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
        [this] { ShowHelpTopic(HelpTopicInFront()); });
    m_mdi->viewport()->installEventFilter(this);

    CopyImageStrip(m_startup.SettingsDirectory);
    // Loading the window: menus, captions, disabled project commands, hidden
    // window entries, then the stored placement.
    BuildMenus();
    SetCaptions();
    setProjectMenus(false);
    for (int i = 0; i < 10; ++i)
        action(IndexedKey("MnuForms(", i))->setVisible(false);
    // The printer of the printed lists, set up from the stored settings.
    m_printer = std::make_unique<PagePrinter>();
    ApplyPrinterSettings();
    // The print options of a print or editor run (frmPlotPage); OK stores
    // them, and the run reads them from the settings.
    PrintOptionsStep = [this](int target) {
        frmPlotPage dialog(
            *m_session, m_settings, target, ChosenLists,
            [this](const QString& topic) { ShowHelpTopic(topic); }, this);
        return dialog.exec() == QDialog::Accepted;
    };
    if (const auto geometry = m_settings.Find(kSettings, "Window Placement"))
        restoreGeometry(QByteArray::fromHex(QByteArray::fromStdString(*geometry)));
    m_pictures = std::make_unique<PictureCommands>(*this);
}

MDIList::~MDIList()
{
    // A window that goes without its shutdown still tells the group program
    // that the program ends; nothing it answers matters any more.
    if (!m_shutDown && m_startup.StartedByGroup && m_group) {
        try {
            m_group->EndProg();
        } catch (...) { }
    }
}

double MDIList::dpi() const
{
    return logicalDpiX() > 0 ? logicalDpiX() : 96.0;
}

QString MDIList::caption(long id, const TextArgs& args) const
{
    return toQ(m_session->catalogue.LookupText(id, args));
}

QAction* MDIList::action(const std::string& key) const
{
    return m_actions.value(toQ(key), nullptr);
}

QToolBar* MDIList::bar(const std::string& name) const
{
    return m_bars.value(toQ(name), nullptr);
}

void MDIList::BuildMenus()
{
    // The image strip: 16 x 16 images side by side, from the settings folder.
    const QImage strip(toQ(m_startup.SettingsDirectory + "1616list.bmp"));
    auto icon = [&strip](int index) {
        if (index < 0 || strip.isNull() || (index + 1) * 16 > strip.width())
            return QIcon();
        QPixmap pixmap = QPixmap::fromImage(strip.copy(index * 16, 0, 16, 16));
        // The strip's bottom-left pixel is the transparent colour.
        pixmap.setMask(pixmap.createMaskFromColor(strip.pixelColor(0, 15)));
        return QIcon(pixmap);
    };

    auto* menuBar = new QMenuBar(this);
    menuBar->setObjectName("MENUBAR");
    menuBar->setNativeMenuBar(false);
    m_menus.insert("MENUBAR", nullptr);
    for (const MenuEntry& entry : MenuTable()) {
        const QString key = toQ(entry.Key);
        if (entry.Key == "MENUBAR")
            continue;
        const bool isMenu = std::any_of(MenuTable().begin(), MenuTable().end(),
            [&entry](const MenuEntry& e) { return e.Parent == entry.Key; });
        QMenu* parentMenu = m_menus.value(toQ(entry.Parent), nullptr);
        QAction* action = nullptr;
        if (isMenu) {
            auto* menu = new QMenu(this);
            menu->setObjectName(key);
            m_menus.insert(key, menu);
            action = menu->menuAction();
            if (parentMenu)
                parentMenu->addAction(action);
            else
                menuBar->addAction(action);
        } else {
            action = new QAction(this);
            if (entry.Separator)
                action->setSeparator(true);
            if (parentMenu)
                parentMenu->addAction(action);
        }
        action->setObjectName(key);
        action->setIcon(icon(entry.Image));
        if (!entry.Shortcut.empty())
            action->setShortcut(QKeySequence(toQ(entry.Shortcut)));
        m_actions.insert(key, action);
        if (!isMenu && !entry.Separator)
            connect(action, &QAction::triggered, this, [this, k = entry.Key] { MenuClick(k); });
    }
    for (const char* key : {"MnuTrvData", "MnuStatusBar"})
        action(key)->setCheckable(true);
    for (int i = 0; i < 5; ++i)
        action(IndexedKey("MnuVeiwToolBar(", i))->setCheckable(true);

    // The menu bar is itself a dockable bar, "MENU"; the program-switch bar
    // is kept in the layout but has no programs outside the group.
    auto* menuToolBar = new QToolBar(this);
    menuToolBar->setObjectName("MENU");
    menuToolBar->addWidget(menuBar);
    m_bars.insert("MENU", menuToolBar);
    auto* programs = new QToolBar(this);
    programs->setObjectName("MENUProgram");
    m_bars.insert("MENUProgram", programs);
    BuildProgramBar();

    // The five command bars carry the icons of their menu's items.
    for (int i = 0; i < 5; ++i) {
        auto* toolBar = new QToolBar(this);
        toolBar->setObjectName(BarKeys[i]);
        m_bars.insert(BarKeys[i], toolBar);
        for (const MenuEntry& entry : MenuTable())
            if (entry.Parent == BarKeys[i] && entry.Image >= 0)
                toolBar->addAction(action(entry.Key));
        connect(toolBar, &QToolBar::visibilityChanged, this, [this, i, toolBar](bool) {
            // The bar closed by the user (hidden on its own, not with the
            // window) unchecks its View item.
            if (toolBar->isHidden() && !m_shutDown)
                action(IndexedKey("MnuVeiwToolBar(", i))->setChecked(false);
        });
    }
    // Buttons 0 and 4 of the List bar: drop-down menus of the offered lists.
    m_dataListMenu = new QMenu(this);
    m_dataListMenu->setObjectName("DataLists");
    m_resultListMenu = new QMenu(this);
    m_resultListMenu->setObjectName("ResultLists");
    action("mnuViewData")->setMenu(m_dataListMenu);
    action("mnuViewResult")->setMenu(m_resultListMenu);
    connect(m_dataListMenu, &QMenu::triggered, this,
        [this](QAction* item) { ListDropDownClick(0, item->objectName().toStdString()); });
    connect(m_resultListMenu, &QMenu::triggered, this,
        [this](QAction* item) { ListDropDownClick(4, item->objectName().toStdString()); });
    const bool projectOpen = action("mnuFileClose")->isEnabled();
    m_dataListMenu->setEnabled(projectOpen);
    m_resultListMenu->setEnabled(projectOpen);
    // setMenu adds the menu to the item in the List menu too; the list
    // command itself stays the click of the item.
    for (const char* key : {"mnuViewData", "mnuViewResult"})
        if (auto* button = qobject_cast<QToolButton*>(bar("mnuListe")->widgetForAction(action(key))))
            button->setPopupMode(QToolButton::MenuButtonPopup);
}

void MDIList::SetCaptions()
{
    for (const MenuEntry& entry : MenuTable())
        if (entry.CaptionId != 0 && action(entry.Key))
            action(entry.Key)->setText(caption(entry.CaptionId, entry.CaptionArgs));
    // Bar toggle items carry the caption of their top menu; so do the bars.
    for (int i = 0; i < 5; ++i) {
        const QString text = action(BarKeys[i])->text();
        action(IndexedKey("MnuVeiwToolBar(", i))->setText(text);
        bar(BarKeys[i])->setWindowTitle(QString(text).remove('&'));
    }
    AssignMnemonics();
    bar("MENU")->setWindowTitle(caption(71));
    bar("MENUProgram")->setWindowTitle(caption(73));
    ResetTitle();
    m_statusBar->setLayoutDirection(m_rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
}

void MDIList::setProjectMenus(bool enabled)
{
    // The menu itself, not only its action: a menu widget passes its own
    // enabled state on to its action whenever the window is enabled again.
    m_menus.value("mnuListe")->setEnabled(enabled);
    // The drop-down menus of the two list buttons act for their actions
    // the same way.
    for (QMenu* menu : {m_dataListMenu, m_resultListMenu})
        if (menu)
            menu->setEnabled(enabled);
    for (const MenuEntry& entry : MenuTable())
        if (entry.Parent == "mnuListe")
            action(entry.Key)->setEnabled(enabled);
    action("mnuFileClose")->setEnabled(enabled);
    if (!enabled) {
        action("MnuExportWord")->setEnabled(false);
        action("MnuExportExcel")->setEnabled(false);
    }
}

void MDIList::BuildToolbars()
{
    // Menu bar first, then the five command bars, then the program bar.
    const bool stored = m_settings.Find(kSettings, "Toolbar Layout").has_value();
    addToolBar(Qt::TopToolBarArea, bar("MENU"));
    addToolBarBreak(Qt::TopToolBarArea);
    for (const char* name : BarKeys)
        addToolBar(Qt::TopToolBarArea, bar(name));
    addToolBar(Qt::TopToolBarArea, bar("MENUProgram"));
    SetupProgramBar(m_startup.StartedByGroup);
    if (!stored) {
        DefaultLayout(true);
        return;
    }
    const auto state = m_settings.Find(kSettings, "Toolbar Layout");
    if (!restoreState(QByteArray::fromHex(QByteArray::fromStdString(*state))))
        DefaultLayout(true);
    bar("MENU")->setVisible(true);
    SetupProgramBar(m_startup.StartedByGroup);
}

void MDIList::DefaultLayout(bool visible)
{
    for (QToolBar* toolBar : m_bars)
        removeToolBar(toolBar);
    addToolBar(Qt::TopToolBarArea, bar("MENU"));
    addToolBarBreak(Qt::TopToolBarArea);
    for (const char* name : BarKeys)
        addToolBar(Qt::TopToolBarArea, bar(name));
    addToolBar(Qt::TopToolBarArea, bar("MENUProgram"));
    bar("MENU")->setVisible(true);
    SetupProgramBar(m_startup.StartedByGroup);
    for (int i = 0; i < 5; ++i) {
        action(IndexedKey("MnuVeiwToolBar(", i))->setChecked(visible);
        ApplyBarCheck(i);
    }
}

void MDIList::ApplyBarCheck(int i)
{
    if (i < 0 || i > 4)
        return;
    bar(BarKeys[i])->setVisible(action(IndexedKey("MnuVeiwToolBar(", i))->isChecked());
}

void MDIList::ToggleBar(int i)
{
    if (i < 0 || i > 4)
        return;
    QAction* item = action(IndexedKey("MnuVeiwToolBar(", i));
    item->setChecked(!item->isChecked());
    ApplyBarCheck(i);
}

void MDIList::RestoreLayout()
{
    for (int i = 0; i < 5; ++i)
        action(IndexedKey("MnuVeiwToolBar(", i))->setChecked(readBool(m_settings, BarSettingKeys[i], true));
    for (int i = 0; i < 5; ++i)
        ApplyBarCheck(i);
    action("MnuStatusBar")->setChecked(readBool(m_settings, "Status Bar", true));
    action("MnuTrvData")->setChecked(readBool(m_settings, "Project Navigator", true));
    // A 16-bit whole number in twips.
    long width = m_settings.WholeValue(kSettings, "Navigator Width", kNavigatorDefaultTwips);
    if (width < -32768 || width > 32767)
        width = kNavigatorDefaultTwips;
    SetNavigatorWidth(static_cast<int>(width));
    m_navigator->setVisible(action("MnuTrvData")->isChecked());
    m_statusBar->setVisible(action("MnuStatusBar")->isChecked());
}

void MDIList::SaveTBar()
{
    for (int i = 0; i < 5; ++i)
        m_settings.SetValue(
            kSettings, BarSettingKeys[i], boolText(action(IndexedKey("MnuVeiwToolBar(", i))->isChecked()));
    m_settings.SetValue(kSettings, "Status Bar", boolText(action("MnuStatusBar")->isChecked()));
    m_settings.SetValue(kSettings, "Project Navigator", boolText(action("MnuTrvData")->isChecked()));
    m_settings.SetValue(kSettings, "Navigator Width", std::to_string(NavigatorWidthTwips()));
    m_settings.SetValue(kSettings, "Toolbar Layout", saveState().toHex().toStdString());
    saveSettings();
}

void MDIList::saveSettings()
{
    try {
        m_settings.Save();
    } catch (const RuntimeError& error) {
        m_host->reportError(error.what());
    }
}

void MDIList::ResetToolbars()
{
    DefaultLayout(true);
}

void MDIList::SetNavigatorWidth(int twips)
{
    twips = std::max(twips, kNavigatorMinTwips);
    const int pixels = TwipsToPixels(twips, dpi());
    QList<int> sizes = m_splitter->sizes();
    const int total = std::max(sizes.value(0) + sizes.value(1), pixels + 100);
    const int other = std::max(total - pixels, 1);
    m_splitter->setSizes({pixels, other});
    m_navigator->setProperty("widthTwips", twips);
}

int MDIList::NavigatorWidthTwips() const
{
    // Kept in twips; only a drag of the splitter changes it from pixels, so
    // a stored width comes back unchanged by rounding.
    return m_navigator->property("widthTwips").toInt();
}

void MDIList::updateRecentMenu()
{
    for (int i = 0; i < static_cast<int>(kRecentFileCount); ++i) {
        QAction* item = action(IndexedKey("MnuRecentFile(", i));
        item->setText(toQ(m_recent[i].Caption));
        item->setVisible(m_recent[i].Visible);
    }
}

void MDIList::LoadRecentMenu()
{
    LoadRecentList(m_settings, m_recent);
    updateRecentMenu();
}

void MDIList::AddToRecentList(const std::string& path)
{
    if (!AddRecentFile(m_settings, path, m_recent))
        m_host->reportError("The recent-file list could not be saved to " + m_settings.path());
    updateRecentMenu();
}

bool MDIList::IsProjectOpened()
{
    bool alreadyOpen = false;
    const std::size_t index = teska::IsProjectOpened(m_opened, m_project.ProjectPath, alreadyOpen);
    const QString key = toQ(m_project.ProjectPath);
    if (alreadyOpen) {
        for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
            if (m_tree->topLevelItem(i)->data(0, kKeyRole).toString() == key) {
                m_tree->setCurrentItem(m_tree->topLevelItem(i));
                ActivateNode(m_tree->topLevelItem(i));
            }
        return true;
    }
    (void)index;
    auto* node = new QTreeWidgetItem(QStringList(toQ(m_project.ProjectBaseName)));
    node->setData(0, kKeyRole, key);
    node->setData(0, kPathRole, QByteArray::fromStdString(m_project.ProjectPath));
    node->setIcon(0, action("MnuFileOpen")->icon());
    m_tree->addTopLevelItem(node);
    m_tree->setCurrentItem(node);
    return false;
}

void MDIList::OpenProject(bool fresh)
{
    OpeningContext context(*m_host, [this](long id) { return m_session->catalogue.LookupText(id); });
    context.StartedByGroup = m_startup.StartedByGroup;
    context.groupHandOver = [this](const std::string& path) {
        m_group->SetPrjFileName(path);
        m_group->UpdateFile();
    };
    m_project.MainCaption = windowTitle().toStdString();
    const OpenResult result = teska::OpenProject(m_project, context, fresh && !GroupHandOver);
    // The opening's status texts are done with.
    m_statusBar->clearMessage();
    if (result.Outcome != OpenOutcome::Opened)
        return;
    if (result.Lock == LockResult::HeldByOther && !OpenInUse(result.LockHolder)) {
        CloseProject();
        return;
    }
    setProjectMenus(m_project.ListMenuEnabled);
    FillListDropDowns();
    setWindowTitle(toQ(m_project.MainCaption));
}

bool MDIList::OpenInUse(const LockOwner& holder)
{
    // Who holds the project and since when; the lists only read it, so it
    // may be opened all the same.
    const QFileInfo lock(toQ(LockFilePath(m_project.ProjectDirectory + m_project.ProjectBaseName)));
    QMessageBox box(QMessageBox::Question, caption(kMainCaptionId),
        caption(170005,
            {std::string("|1"), m_project.ProjectBaseName, std::string("|2"),
                holder.Host + " (" + std::to_string(holder.Pid) + ")", std::string("|3"),
                lock.lastModified().toString(Qt::ISODate).toStdString()}),
        QMessageBox::Open | QMessageBox::Cancel, this);
    box.setObjectName("ProjectInUse");
    box.setDefaultButton(QMessageBox::Open);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Open;
}

void MDIList::ResetTitle()
{
    setWindowTitle(caption(kMainCaptionId) + " - [" + caption(93) + "]");
}

QTreeWidgetItem* MDIList::ProjectNode(const std::string& path) const
{
    const QString key = toQ(path);
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
        if (m_tree->topLevelItem(i)->data(0, kKeyRole).toString() == key)
            return m_tree->topLevelItem(i);
    return nullptr;
}

void MDIList::MakeProjectCurrent(const std::string& path)
{
    m_opened.CurrentProject = m_opened.IndexOf(path);
    m_project.ProjectPath = path;
    splitPath(path, m_project.ProjectDirectory, m_project.ProjectBaseName);
    OpenProject(false);
}

void MDIList::FillListDropDowns()
{
    m_dataListMenu->clear();
    m_resultListMenu->clear();
    const OfferState state = OfferStateFor(m_project, 0, m_startup.TermId, m_host.get());
    const auto lists = FillNavigatorLists(state, m_session->catalogue);
    if (!lists)
        return;
    for (const NavigatorItem& item : lists->DataLists)
        m_dataListMenu->addAction(toQ(item.Caption))->setObjectName(toQ(item.Key));
    for (const NavigatorItem& item : lists->ResultLists)
        m_resultListMenu->addAction(toQ(item.Caption))->setObjectName(toQ(item.Key));
}

void MDIList::OpenProjectDialog()
{
    const std::string oldDirectory = m_project.ProjectDirectory;
    const std::string oldBase = m_project.ProjectBaseName;
    QFileDialog dialog(this, caption(124, {1L}),
        toQ(m_project.ProjectDirectory.empty() ? m_startup.ProjectDirectory : m_project.ProjectDirectory),
        "*.PO1");
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const std::string path = dialog.selectedFiles().first().toStdString();
    if (const ProjectCheck check = ProjectReader::CheckProjectFile(path); !check) {
        m_host->reportError(check.Reason);
        m_project.ProjectDirectory = oldDirectory;
        m_project.ProjectBaseName = oldBase;
        return;
    }
    m_project.ProjectPath = path;
    splitPath(path, m_project.ProjectDirectory, m_project.ProjectBaseName);
    if (IsProjectOpened())
        return;
    OpenProject(true);
    AddToRecentList(m_project.ProjectDirectory + m_project.ProjectBaseName + ".PO1");
}

void MDIList::OpenRecentFile(int index)
{
    const std::string path = GetRecentFile(m_settings, index);
    if (path.empty())
        return;
    if (const ProjectCheck check = ProjectReader::CheckProjectFile(path); !check) {
        m_host->reportError(check.Reason);
        return;
    }
    m_project.ProjectPath = path;
    splitPath(path, m_project.ProjectDirectory, m_project.ProjectBaseName);
    if (IsProjectOpened())
        return;
    OpenProject(true);
    AddToRecentList(path);
}

void MDIList::ActivateNode(QTreeWidgetItem* node)
{
    if (!node)
        return;
    QTreeWidgetItem* projectNode = node->parent() ? node->parent() : node;
    const std::string path = projectNode->data(0, kPathRole).toByteArray().toStdString();
    if (path != m_opened.Current() || !node->parent())
        MakeProjectCurrent(path);
    QTreeWidgetItem* focus = node->parent() ? node : projectNode->child(0);
    if (focus) {
        const QString tag = focus->data(0, kKeyRole).toString();
        for (QMdiSubWindow* window : m_mdi->subWindowList())
            if (window->property("tag").toString() == tag)
                m_mdi->setActiveSubWindow(window);
        m_tree->setCurrentItem(focus);
    } else {
        m_tree->setCurrentItem(projectNode);
        if (m_mdi->activeSubWindow() && m_mdi->activeSubWindow()->isMaximized())
            m_mdi->cascadeSubWindows();
    }
}

void MDIList::CloseProject()
{
    if (m_opened.CurrentProject == 0)
        return;
    const std::string closing = m_opened.Current();
    const QString key = toQ(closing);
    for (int i = m_tree->topLevelItemCount() - 1; i >= 0; --i) {
        QTreeWidgetItem* node = m_tree->topLevelItem(i);
        if (node->data(0, kKeyRole).toString() != key)
            continue;
        for (int c = node->childCount() - 1; c >= 0; --c) {
            const QString tag = node->child(c)->data(0, kKeyRole).toString();
            for (QMdiSubWindow* window : m_mdi->subWindowList())
                if (window->property("tag").toString() == tag)
                    window->close();
        }
        delete m_tree->takeTopLevelItem(i);
    }
    // Closing a list window activates the next one, which may belong to
    // another project and make that one current: close the project the
    // command started with.
    m_opened.CurrentProject = m_opened.IndexOf(closing);
    const CloseResult result = teska::CloseProject(m_opened, ThisProcess());
    if (result.NewCurrent.empty()) {
        setProjectMenus(false);
        ResetTitle();
        m_project = ProjectState();
        return;
    }
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
        if (m_tree->topLevelItem(i)->data(0, kKeyRole).toString() == toQ(result.NewCurrent)) {
            m_tree->setCurrentItem(m_tree->topLevelItem(i));
            ActivateNode(m_tree->topLevelItem(i));
        }
}

void MDIList::ShowHelpTopic(const QString& topic)
{
    ShowHelp(this, topic);
}

void MDIList::MenuClick(const std::string& key)
{
    try {
        if (key == "MnuFileOpen")
            OpenProjectDialog();
        else if (key == "mnuFileClose")
            CloseProject();
        else if (key == "mnuFileExit")
            close();
        else if (key == "MnuFilePrinter")
            PrinterCommand();
        else if (key == "mnuFontFormat")
            FontCommand();
        else if (key == "mnuPageFormat")
            PageFormatCommand();
        else if (key == "mnuLanguage")
            LanguageCommand();
        else if (key == "MnuExportWord" || key == "MnuExportExcel") {
            // The active viewer exports its text (0) or its grid (1).
            QMdiSubWindow* window = m_mdi->activeSubWindow();
            if (auto* viewer = window ? qobject_cast<frmViList*>(window->widget()) : nullptr)
                viewer->Link_OLE(key == "MnuExportWord" ? 0 : 1);
        } else if (const int target = ListCommandTarget(key))
            ListCommand(target);
        else if (key == "MnuStatusBar")
            m_statusBar->setVisible(action(key)->isChecked());
        else if (key == "MnuTrvData")
            m_navigator->setVisible(action(key)->isChecked());
        else if (key == "mnuResetToolbar")
            ResetToolbars();
        else if (key == "mnuHelpContents")
            ShowHelpTopic("Titel");
        else if (key == "mnuShortDescription")
            ShowHelpTopic("2");
        else if (key == "mnuNewVersion")
            ShowHelpTopic("teska_new");
        else if (key == "mnuAbout")
            ShowAbout(this, action("mnuAbout")->text(), m_project.AnalysisMethod, m_project.ResultSwitch14);
        else {
            const IndexedClick click = ParseIndexedKey(key);
            switch (click.Command) {
            case IndexedCommand::ToggleBar:
                // The checkable item has toggled itself already.
                ApplyBarCheck(click.Index);
                break;
            case IndexedCommand::RecentFile:
                OpenRecentFile(click.Index);
                break;
            case IndexedCommand::Arrange:
                if (click.Index == 0)
                    m_mdi->cascadeSubWindows();
                else
                    m_mdi->tileSubWindows();
                break;
            case IndexedCommand::Forms:
                if (click.Index >= 0 && click.Index < 10)
                    for (QMdiSubWindow* window : m_mdi->subWindowList())
                        if (window->property("tag").toString() == m_windowTags[click.Index]) {
                            m_mdi->setActiveSubWindow(window);
                            break;
                        }
                break;
            case IndexedCommand::None:
                break;
            }
        }
    } catch (const std::exception& error) {
        m_host->reportError(error.what());
    }
}

bool MDIList::eventFilter(QObject* watched, QEvent* event)
{
    // Right button released on the frame's client area: the Format menu.
    if (watched == m_mdi->viewport() && event->type() == QEvent::MouseButtonRelease) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            m_menus.value("mnuFormat")->popup(QCursor::pos());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MDIList::closeEvent(QCloseEvent* event)
{
    if (!m_shutDown) {
        if (!ExitQuery()) {
            event->ignore();
            return;
        }
        ShutDown(false);
    }
    event->accept();
}

bool MDIList::ExitQuery()
{
    QMessageBox box(QMessageBox::Question, caption(kMainCaptionId),
        caption(170001, {std::string("|1"), kMainCaptionId}), QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName("ExitQuery");
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    if (m_rightToLeft)
        box.setLayoutDirection(Qt::RightToLeft);
    return box.exec() == QMessageBox::Yes;
}

void MDIList::AssignMnemonics()
{
    // Each menu gives its items keyboard mnemonics: the first letter of a
    // caption that no earlier item of the same menu has taken.
    auto assign = [](const QList<QAction*>& items) {
        QString taken;
        for (QAction* item : items) {
            QString text = item->text();
            if (item->isSeparator() || text.isEmpty() || text.contains('&'))
                continue;
            for (int i = 0; i < text.size(); ++i) {
                const QChar c = text.at(i).toLower();
                if (c.isLetterOrNumber() && !taken.contains(c)) {
                    taken += c;
                    text.insert(i, '&');
                    item->setText(text);
                    break;
                }
            }
        }
    };
    if (auto* menuBar = findChild<QMenuBar*>("MENUBAR"))
        assign(menuBar->actions());
    for (QMenu* menu : m_menus)
        if (menu)
            assign(menu->actions());
}

void MDIList::ShutDown(bool releasedByGroup)
{
    if (m_shutDown)
        return;
    // Every step is attempted, whatever an earlier one did.
    try {
        m_settings.SetValue(kSettings, "Window Placement", saveGeometry().toHex().toStdString());
    } catch (...) { }
    try {
        m_mdi->closeAllSubWindows();
    } catch (...) { }
    try {
        SaveTBar();
    } catch (...) { }
    m_shutDown = true;
    if (!releasedByGroup) {
        try {
            ReleaseAllProjects(m_opened, ThisProcess());
        } catch (...) { }
        if (m_startup.StartedByGroup)
            m_group->EndProg();
    }
}

} // namespace teska
