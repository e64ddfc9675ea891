// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The list commands of the main window: the six commands of the List menu,
// the List drop-downs, the list generation window, the viewers with their
// navigator and Window menu entries, and the hand-over of an editor list.

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QScopeGuard>
#include <QTreeWidget>
#include <QUrl>
#include <algorithm>
#include <charconv>

#include "lists/page/PrintOptions.h"
#include "lists/writer/ListState.h"
#include "printing/PagePrinter.h"
#include "printing/PrinterPageSink.h"
#include "printing/PrinterSettings.h"
#include "printing/frmPageForm.h"
#include "project/opening/OpenProject.h"
#include "shell/ChooseLists.h"
#include "shell/GroupProgram.h"
#include "shell/MDIList.h"
#include "shell/MenuTable.h"
#include "shell/PictureCommands.h"
#include "shell/frmPrList.h"
#include "suite/Errors.h"
#include "suite/FileText.h"
#include "viewer/frmPicture.h"
#include "viewer/frmViList.h"

namespace teska {

namespace {

constexpr int kKeyRole = Qt::UserRole;
// True on the navigator entry of a picture window.
constexpr int kPictureRole = Qt::UserRole + 2;
constexpr int kWindowEntries = 10;

QString toQ(const std::string& s)
{
    return QString::fromStdString(s);
}

// A list key from its text: the identifier of a numeric key, else the text.
ListKey KeyFromText(const std::string& text)
{
    long id = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), id);
    if (ec == std::errc() && end == text.data() + text.size())
        return id;
    return text;
}

} // namespace

ListProject MDIList::listProject()
{
    return ListProject{*m_session, m_project, numberFormats, m_startup.TermId};
}

ListPageSettings MDIList::listPage()
{
    const PrintOptions stored = LoadPrintOptions(m_settings);
    ListPageSettings page;
    page.LinesPerPage = LinesPerPage;
    page.CharsPerLine = CharsPerLine;
    page.Layout = pageLayout;
    page.PageNumber = static_cast<std::int16_t>(PageNumberBeforeFirst(stored.NumberPages, stored.FirstPage));
    page.CopyCount = static_cast<std::int16_t>(stored.CopyCount);
    page.PrintCompanyHeader = stored.PrintCompanyHeader;
    page.PrintJobData = stored.PrintJobData;
    return page;
}

void MDIList::ListCommand(int outputTarget)
{
    OutputTarget = outputTarget;
    ListProject project = listProject();
    if (ChooseLists(this, project, OutputTarget, CurrentListKey, ChosenLists,
            [this](const QString& topic) { ShowHelpTopic(topic); })
        != 0)
        return;
    switch (OutputTarget) {
    case TargetViewData:
        if (!CheckRequest())
            return;
        if (RunListWindow())
            ShowResultInViewer();
        return;
    case TargetViewResults:
        if (!CheckRequest())
            return;
        if (IsTextResultKey(CurrentListKey)) {
            if (!RunListWindow())
                return;
        }
        ShowResultInViewer();
        return;
    case TargetPrintData:
    case TargetPrintResults:
        if (PrintOptionsStep && PrintOptionsStep(OutputTarget))
            PrintChosenLists();
        return;
    default: {
        // The print options come first when a chosen list has a page header.
        const bool headed
            = std::any_of(ChosenLists.begin(), ChosenLists.end(), [&project](const ListKey& key) {
                  return key != ListKey(90045L) && !ListCaption(project, key).empty();
              });
        if (headed && !(PrintOptionsStep && PrintOptionsStep(OutputTarget)))
            return;
        if (!RunListWindow())
            return;
        if (m_startup.StartedByGroup)
            m_group->UpdateFile();
        HandToTextEditor();
        return;
    }
    }
}

void MDIList::ListDropDownClick(int button, const std::string& key)
{
    try {
        CurrentListKey = KeyFromText(key);
        if (!CheckRequest())
            return;
        if (button != 0) {
            OutputTarget = TargetViewResults;
            RunConfirmed = true;
            if (IsTextResultKey(CurrentListKey))
                RunListWindow();
        } else {
            OutputTarget = TargetViewData;
            RunListWindow();
        }
        if (RunConfirmed)
            ShowResultInViewer();
    } catch (const std::exception& error) {
        m_host->reportError(error.what());
    }
}

bool MDIList::CheckRequest()
{
    ListProject project = listProject();
    const QString caption = toQ(ListCaption(project, CurrentListKey));
    QTreeWidgetItem* node = ProjectNode(m_opened.Current());
    if (!node || caption.isEmpty())
        return true;
    for (int i = 0; i < node->childCount(); ++i) {
        QTreeWidgetItem* entry = node->child(i);
        if (entry->data(0, kPictureRole).toBool() || !entry->text(0).contains(caption))
            continue;
        const QString tag = entry->data(0, kKeyRole).toString();
        for (QMdiSubWindow* window : m_mdi->subWindowList())
            if (window->property("tag").toString() == tag) {
                m_mdi->setActiveSubWindow(window);
                window->widget()->setFocus();
            }
        return false;
    }
    return true;
}

bool MDIList::RunListWindow()
{
    return RunListWindow(listPage(), nullptr);
}

bool MDIList::RunListWindow(const ListPageSettings& page, PageSink* pages, std::int16_t* pageNumber)
{
    RunConfirmed = false;
    ListText.clear();
    ListProject project = listProject();
    ListRunText result;
    frmPrList window(
        *m_session, OutputTarget,
        [&](ProgressWindow* progress) {
            ListRunOrder order;
            order.OutputTarget = OutputTarget;
            order.CurrentListKey = CurrentListKey;
            order.ChosenLists = ChosenLists;
            order.Window = progress;
            order.Pages = pages;
            result = RunLists(project, page, order);
            return result.Completed;
        },
        this);
    window.exec();
    RunConfirmed = window.RunConfirmed();
    if (RunConfirmed)
        ListText = std::move(result.Text);
    if (pageNumber && RunConfirmed)
        *pageNumber = result.PageNumber;
    for (const std::string& missing : result.Unavailable)
        m_host->warning(caption(86).toStdString(), missing);
    return RunConfirmed;
}

int MDIList::PrintChosenLists()
{
    // The printer is set up at the start of a printed run, and again at its
    // end, which sends the job out.
    ApplyPrinterSettings();
    ListPageSettings page = listPage();
    const int copies = std::max<int>(1, page.CopyCount);
    page.CopyCount = 1;
    int printed = 0;
    {
        PrinterPageSink sink(*m_printer);
        try {
            for (int copy = 0; copy < copies; ++copy) {
                if (RunListWindow(page, &sink, &page.PageNumber)) {
                    sink.Commit();
                    ++printed;
                } else {
                    sink.Drop();
                }
            }
            sink.Finish();
        } catch (const RuntimeError& error) {
            sink.Abort();
            m_host->reportError(error.what());
            printed = 0;
        }
    }
    ApplyPrinterSettings();
    return printed;
}

void MDIList::ApplyPrinterSettings()
{
    m_session->environment.SetStatusText(80074L, &m_session->catalogue);
    const PagePrinter::Applied applied = m_printer->ApplyPrinterSettings(
        ReadDeviceMode(m_settings), ReadListFont(m_settings), m_session->catalogue.IsRightToLeft());
    if (applied.Measured) {
        LinesPerPage = static_cast<std::int16_t>(std::clamp(applied.Measure.LinesPerPage, 1, 32767));
        CharsPerLine = static_cast<std::int16_t>(std::clamp(applied.Measure.CharsPerLine, 1, 32767));
    }
    m_statusBar->clearMessage();
    if (!applied.Error.empty())
        m_host->reportError(applied.Error);
}

void MDIList::PrinterCommand()
{
    QPrintDialog dialog(&m_printer->Printer(), this);
    dialog.setWindowTitle(caption(90084));
    if (dialog.exec() != QDialog::Accepted)
        return;
    // "Print to file" in the dialog makes the printed lists a PDF file.
    QPrinter& printer = m_printer->Printer();
    const QString file = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    const DeviceMode chosen = m_printer->CurrentDeviceMode();
    StoreDeviceMode(m_settings, chosen);
    saveSettings();
    if (!file.isEmpty()) {
        try {
            m_printer->SetPdfFile(file.toStdString());
        } catch (const RuntimeError& error) {
            m_host->reportError(error.what());
        }
    } else if (!m_printer->PdfFile().empty()) {
        m_printer->SetPdfFile({});
    }
    ApplyPrinterSettings();
}

void MDIList::PageFormatCommand()
{
    // The margins are bounded by the page of the printer as it is set up.
    ApplyPrinterSettings();
    frmPageForm dialog(
        *m_session, pageLayout, LinesPerPage, CharsPerLine, m_startup.SettingsDirectory,
        [this](const QString& topic) { ShowHelpTopic(topic); }, this);
    dialog.exec();
}

void MDIList::FontCommand()
{
    ListFont font = ReadListFont(m_settings);
    bool chosen = false;
    const QFont picked = QFontDialog::getFont(&chosen, m_printer->Font(), this,
        action("mnuFontFormat")->text().remove('&'), QFontDialog::MonospacedFonts);
    if (!chosen)
        return;
    font.Family = picked.family().toStdString();
    font.PointSize = picked.pointSizeF() > 0 ? picked.pointSizeF() : 8;
    font.Weight = picked.bold() ? 700 : 400;
    font.Italic = picked.italic();
    StoreListFont(m_settings, font);
    saveSettings();
    // The blank of the new font measures the lines and characters.
    ApplyPrinterSettings();
}

void MDIList::LanguageCommand()
{
    const std::vector<TextCatalogue::Language> languages
        = TextCatalogue::Languages(TextCatalogue::DefaultDirectory());
    QStringList names;
    int current = 0;
    for (const TextCatalogue::Language& language : languages) {
        if (language.Code == m_session->catalogue.language())
            current = static_cast<int>(names.size());
        names << QString::fromStdString(language.Name);
    }
    bool chosen = false;
    const QString name = QInputDialog::getItem(
        this, action("mnuLanguage")->text().remove('&'), caption(170007), names, current, false, &chosen);
    const auto index = names.indexOf(name);
    if (!chosen || index < 0)
        return;
    SuiteEnvironment& environment = m_session->environment;
    environment.Language = languages[static_cast<std::size_t>(index)].Code;
    environment.SaveSettings();
    QMessageBox box(QMessageBox::Information, caption(kMainCaptionId),
        caption(170008, {std::string("|1"), name.toStdString()}), QMessageBox::Ok, this);
    box.exec();
}

void MDIList::KeepInsideArea(QMdiSubWindow* window) const
{
    const QSize area = m_mdi->viewport()->size();
    QRect placed = window->geometry();
    placed.moveLeft(std::clamp(placed.left(), 0, std::max(0, area.width() - placed.width())));
    placed.moveTop(std::clamp(placed.top(), 0, std::max(0, area.height() - placed.height())));
    window->setGeometry(placed);
}

frmViList* MDIList::ShowResultInViewer()
{
    ViewerContext context;
    ListProject project = listProject();
    context.project = &project;
    context.settings = &m_settings;
    context.settingsDirectory = m_startup.SettingsDirectory;
    context.linesPerPage = LinesPerPage;
    context.charsPerLine = CharsPerLine;
    context.startedByGroup = m_startup.StartedByGroup;
    // "Update_File" of the group program before an export; a failure is
    // reported and the export goes on.
    context.updateFile = [this](int) {
        try {
            m_group->UpdateFile();
        } catch (const std::exception& error) {
            m_host->reportError(error.what());
        }
    };
    auto* viewer = new frmViList(context);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* window = m_mdi->addSubWindow(viewer);
    window->setAttribute(Qt::WA_DeleteOnClose);
    viewer->RestorePlacement();
    window->show();
    KeepInsideArea(window);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool filled
        = viewer->FirstTimeActivate(OutputTarget, CurrentListKey, ListText, toQ(m_opened.Current()));
    QGuiApplication::restoreOverrideCursor();
    ListText.clear();
    m_statusBar->clearMessage();
    if (!filled) {
        // Nothing half-filled stays on screen.
        delete window;
        return nullptr;
    }
    const QString tag = viewer->tag();
    window->setProperty("tag", tag);
    window->setWindowTitle(viewer->windowTitle());
    window->setWindowIcon(viewer->windowIcon());
    connect(viewer, &frmViList::closing, this, &MDIList::ViewerClosing);
    // Image 2 for a result table, 3 for a text.
    AddWindowEntries(window, tag, viewer->windowTitle(),
        action(viewer->isGridMode() ? "mnuViewResult" : "mnuViewData")->icon(), false);
    m_mdi->setActiveSubWindow(window);
    SubWindowActivated(window);
    return viewer;
}

void MDIList::AddWindowEntries(
    QMdiSubWindow* window, const QString& tag, const QString& title, const QIcon& icon, bool picture)
{
    window->setProperty("tag", tag);
    // The navigator entry under the active project.
    if (QTreeWidgetItem* node = ProjectNode(m_opened.Current())) {
        auto* entry = new QTreeWidgetItem(QStringList(title));
        entry->setData(0, kKeyRole, tag);
        entry->setData(0, kPictureRole, picture);
        entry->setIcon(0, icon);
        node->addChild(entry);
        node->setExpanded(true);
        m_tree->setCurrentItem(entry);
    }
    // The Window menu lists the first ten windows: "n base-caption".
    for (int n = 0; n < kWindowEntries; ++n) {
        QAction* item = action(IndexedKey("MnuForms(", n));
        if (item->isVisible())
            continue;
        item->setText(QString::number(n) + " " + toQ(m_project.ProjectBaseName) + "-" + title);
        item->setVisible(true);
        m_windowTags[static_cast<std::size_t>(n)] = tag;
        break;
    }
}

QList<frmViList*> MDIList::viewers() const
{
    QList<frmViList*> list;
    for (QMdiSubWindow* window : m_mdi->subWindowList(QMdiArea::CreationOrder))
        if (auto* viewer = qobject_cast<frmViList*>(window->widget()); viewer && !viewer->tag().isEmpty())
            list.append(viewer);
    return list;
}

void MDIList::ViewerClosing(const QString& tag)
{
    // The Window menu entries after the closed one move up a place.
    int closed = -1;
    for (int i = 0; i < kWindowEntries; ++i)
        if (action(IndexedKey("MnuForms(", i))->isVisible()
            && m_windowTags[static_cast<std::size_t>(i)] == tag) {
            closed = i;
            break;
        }
    if (closed >= 0) {
        int last = closed;
        for (int i = closed + 1; i < kWindowEntries && action(IndexedKey("MnuForms(", i))->isVisible(); ++i) {
            QAction* to = action(IndexedKey("MnuForms(", i - 1));
            to->setText(QString::number(i - 1) + action(IndexedKey("MnuForms(", i))->text().mid(1));
            m_windowTags[static_cast<std::size_t>(i - 1)] = m_windowTags[static_cast<std::size_t>(i)];
            last = i;
        }
        action(IndexedKey("MnuForms(", last))->setVisible(false);
        m_windowTags[static_cast<std::size_t>(last)].clear();
    }
    for (int p = 0; p < m_tree->topLevelItemCount(); ++p) {
        QTreeWidgetItem* node = m_tree->topLevelItem(p);
        for (int c = node->childCount() - 1; c >= 0; --c)
            if (node->child(c)->data(0, kKeyRole).toString() == tag)
                delete node->takeChild(c);
    }
    if (viewers().size() <= 1) {
        action("MnuExportWord")->setEnabled(false);
        action("MnuExportExcel")->setEnabled(false);
    }
}

void MDIList::SubWindowActivated(QMdiSubWindow* window)
{
    auto* viewer = window ? qobject_cast<frmViList*>(window->widget()) : nullptr;
    const QString tag = window ? window->property("tag").toString() : QString();
    // The Picture command follows the window in front once its project is
    // the current one.
    const auto pictures = qScopeGuard([this, window] {
        if (m_pictures)
            m_pictures->Activated(window);
    });
    if (tag.isEmpty())
        return;
    // A picture window exports nothing.
    action("MnuExportWord")->setEnabled(viewer && !viewer->isGridMode());
    action("MnuExportExcel")->setEnabled(viewer && viewer->isGridMode());
    for (int p = 0; p < m_tree->topLevelItemCount(); ++p) {
        QTreeWidgetItem* node = m_tree->topLevelItem(p);
        for (int c = 0; c < node->childCount(); ++c) {
            if (node->child(c)->data(0, kKeyRole).toString() != tag)
                continue;
            const std::string path = node->data(0, Qt::UserRole + 1).toByteArray().toStdString();
            if (path != m_opened.Current())
                MakeProjectCurrent(path);
            m_tree->setCurrentItem(node->child(c));
            return;
        }
    }
}

QString MDIList::EditorFilePath(int outputTarget) const
{
    return toQ(m_startup.SettingsDirectory + m_project.ProjectBaseName
        + (outputTarget == TargetEditorData ? "-data.txt" : "-results.txt"));
}

bool MDIList::HandToTextEditor()
{
    const QString file = EditorFilePath(OutputTarget);
    try {
        WriteFileAtomically(file.toStdString(), ListText);
    } catch (const RuntimeError& error) {
        m_host->reportError(error.what());
        return false;
    }
    ListText.clear();
    // $VISUAL names the user's editor; it is started directly, never
    // through a shell, with the file as its last argument.
    const QString visual = qEnvironmentVariable("VISUAL").trimmed();
    bool started = false;
    if (!visual.isEmpty()) {
        QStringList arguments = QProcess::splitCommand(visual);
        const QString program = arguments.takeFirst();
        arguments << file;
        started = QProcess::startDetached(program, arguments);
    } else {
        started = QDesktopServices::openUrl(QUrl::fromLocalFile(file));
    }
    if (!started)
        m_host->reportError(caption(170004, {std::string("|1"), file.toStdString()}).toStdString());
    return started;
}

QString MDIList::HelpTopicInFront() const
{
    if (auto* dialog = qobject_cast<ListChoiceDialog*>(QApplication::activeModalWidget()))
        return dialog->helpTopic();
    // A picture window is told of on the page of the result tables.
    if (QMdiSubWindow* window = m_mdi->activeSubWindow();
        window && qobject_cast<frmPicture*>(window->widget()))
        return QStringLiteral("6_2_1");
    return QStringLiteral("Titel");
}

} // namespace teska
