// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/frmViList.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHeaderView>
#include <QIcon>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QStyle>
#include <QTableView>
#include <QTextDocument>
#include <QTextOption>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <limits>

#include "export/ExportFile.h"
#include "export/SheetTable.h"
#include "export/Workbook.h"
#include "lists/Session.h"
#include "lists/run/ListRequests.h"
#include "lists/run/ResultGrid.h"
#include "lists/writer/ListState.h"
#include "suite/Errors.h"
#include "suite/SettingsStore.h"
#include "suite/Twips.h"
#include "viewer/ListDocument.h"
#include "viewer/ProgressLabels.h"
#include "viewer/ResultGridModel.h"

namespace teska {

namespace {

// In a right-to-left box the bidirectional algorithm keeps a stretch of
// Latin symbols or numbers between blanks ("mx   my") in left-to-right
// order, which puts them under the wrong captions, and moves a minus sign
// behind its number. Each run between two or more blanks that does not start
// with a right-to-left letter is isolated left to right (U+2066 ... U+2069),
// so the columns mirror as the captions do and a number reads as written.
constexpr char16_t kLeftToRightIsolate = 0x2066;
constexpr char16_t kPopIsolate = 0x2069;

QString IsolateLeftToRightRuns(const QString& text)
{
    QString out;
    out.reserve(text.size() + text.size() / 4);
    const qsizetype n = text.size();
    const auto endsRun = [&](qsizetype j) {
        return text[j] == u'\n'
            || (text[j] == u' ' && (j + 1 == n || text[j + 1] == u' ' || text[j + 1] == u'\n'));
    };
    for (qsizetype i = 0; i < n;) {
        if (text[i] == u' ' || text[i] == u'\n') {
            out += text[i++];
            continue;
        }
        qsizetype j = i;
        while (j < n && !endsRun(j))
            ++j;
        const QStringView run = QStringView(text).mid(i, j - i);
        if (run.isRightToLeft()) {
            out += run;
        } else {
            out += QChar(kLeftToRightIsolate);
            out += run;
            out += QChar(kPopIsolate);
        }
        i = j;
    }
    return out;
}

// Gap between the window's edge and its text box or grid.
constexpr int kEdgeTwips = 100;
// Room a grid cell keeps beside its heading text, and the narrowest column.
constexpr int kColumnPaddingTwips = 100;
constexpr int kMinColumnTwips = 500;
// Room for the grid's frame and scroll bars beside its cells.
constexpr int kGridExtraWidthTwips = 240;
constexpr int kGridExtraHeightTwips = 250;
// The list font's size in points.
constexpr int kListFontPoints = 8;
// Lines put into a text box at once, and then by each turn of the event loop.
constexpr qsizetype kFirstTextLines = 2000;
constexpr qsizetype kNextTextLines = 20000;

double DpiOf(const QWidget* widget)
{
    return widget->logicalDpiX() > 0 ? widget->logicalDpiX() : 96.0;
}

QString ToQ(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

// The viewer as the file routines see it while a grid is read: the labels
// show which file is read; a missing file needs nothing here, as the read
// returns and the viewer is discarded.
class frmViList::Progress : public ProgressWindow {
public:
    explicit Progress(frmViList& viewer)
        : m_viewer(viewer)
    { }
    void showProgressLabels(const std::string& headline, const std::string& message) override
    {
        ShowProgressLabels(m_viewer.ProgressControlsOf(), headline, message);
    }
    void unload() override { m_viewer.m_ok->setEnabled(false); }

private:
    frmViList& m_viewer;
};

frmViList::frmViList(const ViewerContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_progress(std::make_unique<Progress>(*this))
{
    setObjectName("frmViList");
    if (context.project) {
        m_session = &context.project->session;
        m_rightToLeft = m_session->catalogue.IsRightToLeft();
        m_projectBaseName = context.project->project.ProjectBaseName;
    }

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName("RichTxtBox");
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Read-only, yet the caret moves so that a match of Find can be shown.
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    m_grid = new QTableView(this);
    m_grid->setObjectName("GrdList");
    m_grid->verticalHeader()->hide();
    m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    // Every row has the same height: a table of a million rows is laid out
    // without looking at a row.
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);

    const ProgressControls controls = CreateProgressControls(
        this, m_session ? ToQ(m_session->catalogue.LookupText(7, {1L})) : QString(), true);
    m_flashing = controls.headline;
    m_info = controls.message;
    m_ok = controls.button;
    connect(m_ok, &QPushButton::clicked, this, [this] {
        if (m_session)
            m_session->tools.Cancel();
    });

    m_find = new QLineEdit(this);
    m_find->setObjectName("FindField");
    m_find->setClearButtonEnabled(true);
    connect(m_find, &QLineEdit::returnPressed, this, [this] { FindNext(false); });

    auto* copy = new QShortcut(QKeySequence::Copy, m_grid, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(copy, &QShortcut::activated, this, &frmViList::CopySelection);
    auto* find = new QShortcut(QKeySequence::Find, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(find, &QShortcut::activated, this, &frmViList::OpenFind);
    auto* next
        = new QShortcut(QKeySequence::FindNext, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(next, &QShortcut::activated, this, [this] { FindNext(false); });
    auto* previous
        = new QShortcut(QKeySequence::FindPrevious, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(previous, &QShortcut::activated, this, [this] { FindNext(true); });
    auto* closeFind
        = new QShortcut(QKeySequence(Qt::Key_Escape), m_find, nullptr, nullptr, Qt::WidgetShortcut);
    connect(closeFind, &QShortcut::activated, this, [this] {
        m_find->hide();
        m_text->setFocus();
        LayOut();
    });

    for (QWidget* w :
        {static_cast<QWidget*>(m_text), static_cast<QWidget*>(m_grid), static_cast<QWidget*>(m_flashing),
            static_cast<QWidget*>(m_info), static_cast<QWidget*>(m_ok), static_cast<QWidget*>(m_find)})
        w->hide();
    RestorePlacement();
}

frmViList::~frmViList()
{
    // The view lets go of the model before the model goes.
    m_grid->setModel(nullptr);
}

int frmViList::Px(int twips) const
{
    return TwipsToPixels(twips, DpiOf(this));
}

bool frmViList::FirstTimeActivate(
    int outputTarget, const ListKey& key, std::string& listText, const QString& projectKey)
{
    m_key = key;
    m_text->hide();
    m_grid->hide();
    ListProject* project = m_context.project;
    // The project may be a temporary of the caller: it is not kept.
    m_context.project = nullptr;
    if (!project || !m_session)
        return false;
    m_gridMode = outputTarget == TargetViewResults && !IsTextResultKey(key);

    QString caption;
    if (m_gridMode) {
        if (!FillGrid(*project, key))
            return false;
        caption = ToQ(m_model->resultGrid().Title());
    } else {
        FillText(key, listText);
        caption = windowTitle();
    }
    m_flashing->hide();
    m_info->hide();
    m_session->host.processEvents();
    m_session->environment.ClearStatus();

    setWindowTitle(caption);
    m_ok->hide();
    m_tag = projectKey + "-" + caption;
    LayOut();
    return true;
}

bool frmViList::FillGrid(ListProject& project, const ListKey& key)
{
    Session& s = *m_session;
    s.environment.SetStatusText(90072L, &s.catalogue);
    FileServices services = s.services();
    m_ok->setEnabled(true);
    m_reading = true;
    // A click on CmdOK while the labels first show is a cancel too.
    s.tools.SetRunState(RunRunning);
    ShowProgress(services, m_progress.get(), 1, true);
    std::optional<ResultGrid> read;
    if (!s.tools.RunStopped())
        read = ResultGrid::Read(project, key, m_progress.get());
    m_reading = false;
    m_flashing->hide();
    m_info->hide();
    m_ok->hide();
    if (!read)
        return false;

    m_model = std::make_unique<ResultGridModel>(std::move(*read));
    m_grid->setModel(m_model.get());
    SizeGridColumns();
    m_grid->show();
    SetIcon("Table.ico");
    return true;
}

void frmViList::SizeGridColumns()
{
    const QFontMetrics metrics(m_grid->font());
    const double dpi = DpiOf(this);
    QHeaderView* header = m_grid->horizontalHeader();
    const int margin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    int tallest = 0;
    for (int c = 0; c < m_model->columnCount(); ++c) {
        const QRect text = metrics.boundingRect(QRect(), Qt::AlignCenter, m_model->HeadingText(c));
        const int twips = std::max(PixelsToTwips(text.width(), dpi) + kColumnPaddingTwips, kMinColumnTwips);
        header->resizeSection(c, TwipsToPixels(twips, dpi));
        tallest = std::max(tallest, text.height());
    }
    header->setFixedHeight(std::max(tallest + margin, header->sizeHint().height()));
    m_grid->verticalHeader()->setDefaultSectionSize(metrics.height() + margin);
}

void frmViList::FillText(const ListKey& key, std::string& listText)
{
    Session& s = *m_session;
    m_flashing->hide();
    m_info->hide();
    const std::string title = std::holds_alternative<long>(key) ? s.catalogue.LookupText(std::get<long>(key))
                                                                : std::get<std::string>(key);
    setWindowTitle(ToQ(title));
    s.environment.SetStatusText(s.catalogue.LookupText(90078, {std::string("|1"), title}));

    const QString family = ToQ(s.catalogue.LookupText(160017));
    QFont font = QFontDatabase::hasFamily(family) ? QFont(family)
                                                  : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(kListFontPoints);
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    m_text->setFont(font);

    const Qt::LayoutDirection direction = m_rightToLeft ? Qt::RightToLeft : Qt::LeftToRight;
    m_text->setLayoutDirection(direction);
    QTextOption option = m_text->document()->defaultTextOption();
    option.setTextDirection(direction);
    // Right to left, a line starts at the right edge of the box.
    option.setAlignment(
        m_rightToLeft ? Qt::AlignRight | Qt::AlignAbsolute : Qt::AlignLeft | Qt::AlignAbsolute);
    m_text->document()->setDefaultTextOption(option);

    // The list's lines end with CR LF; the box takes line feeds. One pass
    // over the bytes (a replace in the QString moves the rest of the text
    // at every line break).
    listText.erase(std::remove(listText.begin(), listText.end(), '\r'), listText.end());
    QString text = ToQ(listText);
    std::string().swap(listText);
    if (m_rightToLeft)
        text = IsolateLeftToRightRuns(text);
    // A text box takes about three microseconds a line: a list of a million
    // lines shows its first screens at once and gets the rest from the event
    // loop in pieces, so that the window answers while it fills.
    m_text->document()->setUndoRedoEnabled(false);
    m_pendingText = std::move(text);
    m_pendingFrom = 0;
    m_text->clear();
    AppendPendingText(kFirstTextLines);
    m_text->show();
    SetIcon("TESKAText.ico");
}

void frmViList::AppendPendingText(qsizetype lines)
{
    if (m_pendingText.isEmpty())
        return;
    qsizetype end = m_pendingFrom;
    for (qsizetype n = 0; n < lines && end >= 0; ++n) {
        end = m_pendingText.indexOf(QLatin1Char('\n'), end);
        if (end >= 0)
            ++end;
    }
    if (end < 0)
        end = m_pendingText.size();
    QTextCursor cursor(m_text->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringView(m_pendingText).mid(m_pendingFrom, end - m_pendingFrom).toString());
    m_pendingFrom = end;
    if (m_pendingFrom >= m_pendingText.size()) {
        m_pendingText.clear();
        m_pendingText.squeeze();
        m_pendingFrom = 0;
        return;
    }
    QTimer::singleShot(0, this, [this] { AppendPendingText(kNextTextLines); });
}

void frmViList::CompleteText()
{
    AppendPendingText(std::numeric_limits<qsizetype>::max());
}

void frmViList::Link_OLE(long LinkedObj)
{
    if (!m_session)
        return;
    Session& s = *m_session;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    if (m_context.startedByGroup && m_context.updateFile)
        m_context.updateFile(3);
    s.host.processEvents();
    s.environment.SetStatusText(
        s.catalogue.LookupText(90109, {std::string("|1"), windowTitle().toStdString()}));
    s.environment.StatusBarMode(0);
    try {
        QString written;
        if (LinkedObj == 0 && !m_gridMode)
            written = ExportDocument();
        else if (LinkedObj == 1 && m_gridMode && m_model)
            written = ExportWorkbook();
        if (!written.isEmpty()) {
            m_lastExport = written;
            const bool opened = m_context.openDocument
                ? m_context.openDocument(written)
                : QDesktopServices::openUrl(QUrl::fromLocalFile(written));
            if (!opened)
                s.environment.SetPendingError(
                    written.toStdString() + ": written, but no application could open it");
        }
    } catch (const std::exception& error) {
        s.environment.SetPendingError(error.what());
    }
    s.environment.SetStatusText(std::string());
    s.environment.ClearStatus();
    QGuiApplication::restoreOverrideCursor();
    FileServices services = s.services();
    ReportRuntimeError(services, s.file);
}

std::string frmViList::ExportDirectory() const
{
    QString folder = QString::fromStdString(m_context.exportDirectory);
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty() || !QDir(folder).exists())
            folder = QDir::homePath();
    }
    if (!folder.endsWith('/'))
        folder += '/';
    return folder.toStdString();
}

QString frmViList::ExportDocument()
{
    CompleteText();
    ListDocumentStyle style;
    style.fontFamily = ToQ(m_session->catalogue.LookupText(160017));
    style.rightToLeft = m_rightToLeft;
    style.linesPerPage = m_context.linesPerPage;
    style.charsPerLine = m_context.charsPerLine;
    // The document gets the list's own text, without the isolates of the box.
    QString text = m_text->toPlainText();
    text.remove(QChar(kLeftToRightIsolate)).remove(QChar(kPopIsolate));
    const ExportTarget target{
        {}, ExportDirectory(), ExportStem(m_projectBaseName, windowTitle().toStdString()), "odt"};
    return ToQ(WriteExportFile(
        target, [&](const std::string& temporary) { WriteListDocument(temporary, text, style); }));
}

QString frmViList::ExportWorkbook()
{
    const GridTable table(m_model->resultGrid());
    const ExportTarget target{
        {}, ExportDirectory(), ExportStem(m_projectBaseName, windowTitle().toStdString()), "xlsx"};
    return ToQ(WriteExportFile(target, [&](const std::string& temporary) {
        WriteWorkbook(temporary, {WorkbookSheet{&table, {}, {}, {}}});
    }));
}

void frmViList::SetIcon(const char* fileName)
{
    const QString path = ToQ(m_context.settingsDirectory) + fileName;
    if (!m_context.settingsDirectory.empty() && QFile::exists(path))
        setWindowIcon(QIcon(path));
}

void frmViList::CopySelection()
{
    if (!m_model || !m_grid->selectionModel())
        return;
    QItemSelectionModel* selection = m_grid->selectionModel();
    const QItemSelection selected = selection->selection();
    // Whole columns: every selected range runs from the first row to the last.
    bool wholeColumns = !selected.isEmpty();
    for (const QItemSelectionRange& r : selected)
        if (r.top() != 0 || r.bottom() != m_model->rowCount() - 1)
            wholeColumns = false;
    QApplication::clipboard()->setText(m_model->CopyText(selected, wholeColumns));
}

void frmViList::OpenFind()
{
    if (m_gridMode)
        return;
    m_find->show();
    m_find->setFocus();
    m_find->selectAll();
    LayOut();
}

bool frmViList::FindNext(bool backward)
{
    const QString needle = m_find->text();
    if (m_gridMode || needle.isEmpty())
        return false;
    CompleteText();
    const QTextDocument::FindFlags flags
        = backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (m_text->find(needle, flags))
        return true;
    // Once more from the other end.
    QTextCursor cursor = m_text->textCursor();
    cursor.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
    m_text->setTextCursor(cursor);
    return m_text->find(needle, flags);
}

void frmViList::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayOut();
}

void frmViList::LayOut()
{
    if (window()->isMinimized())
        return;
    const int edge = Px(kEdgeTwips);
    const int innerWidth = width();
    const int innerHeight = height();
    if (m_progress && (m_flashing->isVisible() || m_reading))
        LayOutProgress();
    if (!m_gridMode) {
        int boxHeight = innerHeight - 2 * edge;
        if (m_find->isVisible()) {
            const int findHeight = m_find->sizeHint().height();
            boxHeight -= findHeight + edge / 2;
            m_find->setGeometry(
                edge, edge + boxHeight + edge / 2, std::max(0, innerWidth - 2 * edge), findHeight);
        }
        m_text->setGeometry(edge, edge, std::max(0, innerWidth - 2 * edge), std::max(0, boxHeight));
        return;
    }
    if (!m_model)
        return;
    // The grid as large as its cells, but no larger than the window.
    const QHeaderView* header = m_grid->horizontalHeader();
    const qint64 contentWidth = header->length() + m_model->columnCount() + Px(kGridExtraWidthTwips);
    const qint64 contentHeight = header->height()
        + static_cast<qint64>(m_model->rowCount()) * m_grid->verticalHeader()->defaultSectionSize()
        + Px(kGridExtraHeightTwips);
    const int gridWidth
        = static_cast<int>(std::clamp<qint64>(contentWidth, 0, std::max(0, innerWidth - 2 * edge)));
    const int gridHeight
        = static_cast<int>(std::clamp<qint64>(contentHeight, 0, std::max(0, innerHeight - 2 * edge)));
    const int left = m_rightToLeft ? innerWidth - edge - gridWidth : edge;
    m_grid->setGeometry(left, edge, gridWidth, gridHeight);
}

void frmViList::LayOutProgress()
{
    LayOutProgressLabels(ProgressControlsOf());
}

ProgressControls frmViList::ProgressControlsOf()
{
    // An MDI child keeps its size.
    return ProgressControls{this, m_flashing, m_info, m_ok, true};
}

void frmViList::RestorePlacement()
{
    if (!m_context.settings)
        return;
    const SettingsStore& store = *m_context.settings;
    const long left = store.WholeValue(kListSettingsSection, "Left", -1);
    const long top = store.WholeValue(kListSettingsSection, "Top", -1);
    const long width = store.WholeValue(kListSettingsSection, "Width", 0);
    const long height = store.WholeValue(kListSettingsSection, "Height", 0);
    if (left < 0 || top < 0 || width <= 0 || height <= 0)
        return;
    QWidget* target = qobject_cast<QMdiSubWindow*>(parentWidget()) ? parentWidget() : this;
    target->setGeometry(Px(static_cast<int>(left)), Px(static_cast<int>(top)), Px(static_cast<int>(width)),
        Px(static_cast<int>(height)));
}

void frmViList::SavePlacement()
{
    if (!m_context.settings)
        return;
    const QWidget* target = qobject_cast<QMdiSubWindow*>(parentWidget()) ? parentWidget() : this;
    if (target->isMinimized() || target->isMaximized())
        return; // the normal placement is what the next viewer takes
    const double dpi = DpiOf(this);
    const QRect g = target->geometry();
    SettingsStore& store = *m_context.settings;
    store.SetValue(kListSettingsSection, "Left", std::to_string(PixelsToTwips(g.x(), dpi)));
    store.SetValue(kListSettingsSection, "Top", std::to_string(PixelsToTwips(g.y(), dpi)));
    store.SetValue(kListSettingsSection, "Width", std::to_string(PixelsToTwips(g.width(), dpi)));
    store.SetValue(kListSettingsSection, "Height", std::to_string(PixelsToTwips(g.height(), dpi)));
    try {
        store.Save();
    } catch (const std::exception& error) {
        if (m_session)
            m_session->host.reportError(error.what());
    }
}

void frmViList::closeEvent(QCloseEvent* event)
{
    if (m_reading) {
        // Closing while the grid is read cancels the read; the viewer is
        // discarded by whoever filled it.
        if (m_session)
            m_session->tools.Cancel();
        event->ignore();
        return;
    }
    SavePlacement();
    setWindowIcon(QIcon());
    event->accept();
    Q_EMIT closing(m_tag);
}

} // namespace teska
