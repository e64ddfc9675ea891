// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/PictureCommands.h"

#include <QAction>
#include <QApplication>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPrinter>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "lists/picture/ResultPicture.h"
#include "lists/run/ListRequests.h"
#include "printing/PagePrinter.h"
#include "shell/MDIList.h"
#include "suite/Errors.h"
#include "viewer/ResultGridModel.h"
#include "viewer/frmPicture.h"
#include "viewer/frmViList.h"
#include "viewer/picture/PicturePainter.h"

namespace teska {

namespace {

constexpr long kPictureCaption = 520001;
constexpr long kNoPictureTitle = 520011;
// The size of a new picture window.
constexpr int kPictureWidth = 760;
constexpr int kPictureHeight = 540;
// The picture's text on paper, in points.
constexpr double kPrintFontPoints = 9;
// Room a printed slab keeps above and below it, as a part of its height.
constexpr double kPrintSlack = 1.1;

QString OneLine(const std::string& text)
{
    return QString::fromStdString(text).replace("\r", "").replace('\n', ' ').simplified();
}

// The icon of the command and of a picture's navigator entry: a small slab
// in four bands of the sequential scale.
QIcon PictureIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QColor bands[] = {QColor(0x44, 0x01, 0x54), QColor(0x31, 0x68, 0x8e), QColor(0x35, 0xb7, 0x79),
        QColor(0xfd, 0xe7, 0x25)};
    for (int i = 0; i < 4; ++i)
        painter.fillRect(QRect(1, 1 + i * 3 + (i > 0 ? 1 : 0), 14, i == 0 ? 4 : 3), bands[i]);
    painter.setPen(QColor(0x30, 0x30, 0x30));
    painter.drawRect(QRect(1, 1, 13, 13));
    return QIcon(pixmap);
}

// Gives \p item the keyboard mnemonic of its first letter that no other
// item of its menu (\p items) has taken.
void AddMnemonic(QAction* item, const QList<QAction*>& items)
{
    QString taken;
    for (const QAction* other : items)
        if (const qsizetype at = other->text().indexOf('&');
            other != item && at >= 0 && at + 1 < other->text().size())
            taken += other->text().at(at + 1).toLower();
    QString text = item->text();
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text.at(i).isLetterOrNumber() && !taken.contains(text.at(i).toLower())) {
            item->setText(text.insert(i, '&'));
            return;
        }
}

} // namespace

PictureCommands::PictureCommands(MDIList& window)
    : m_window(window)
{
    m_action = new QAction(PictureIcon(), Caption(kPictureCaption), &window);
    m_action->setObjectName("mnuPicture");
    m_action->setEnabled(false);
    m_columns = new QMenu(&window);
    m_columns->setObjectName("PictureColumns");
    m_action->setMenu(m_columns);
    connect(m_columns, &QMenu::aboutToShow, this, [this] { FillColumns(m_columns, ActiveGridViewer()); });
    if (QMenu* list = window.findChild<QMenu*>("mnuListe")) {
        list->addSeparator();
        list->addAction(m_action);
        AddMnemonic(m_action, list->actions());
    }
    if (QToolBar* bar = window.bar("mnuListe")) {
        bar->addAction(m_action);
        if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(m_action)))
            button->setPopupMode(QToolButton::InstantPopup);
    }
}

PictureCommands::~PictureCommands() = default;

QString PictureCommands::Caption(long id, long option) const
{
    return QString::fromStdString(m_window.session().catalogue.LookupText(id, {option}));
}

frmViList* PictureCommands::ActiveGridViewer() const
{
    QMdiSubWindow* window = m_window.mdiArea()->activeSubWindow();
    auto* viewer = window ? qobject_cast<frmViList*>(window->widget()) : nullptr;
    return viewer && viewer->isGridMode() && viewer->model() ? viewer : nullptr;
}

QString PictureCommands::Refusal(const frmViList* viewer)
{
    if (!viewer || !viewer->isGridMode() || !viewer->model())
        return Caption(kNoPictureTitle, 0);
    ListProject project = m_window.listProject();
    return QString::fromStdString(PictureRefusal(project, viewer->key()));
}

void PictureCommands::Activated(QMdiSubWindow* window)
{
    auto* viewer = window ? qobject_cast<frmViList*>(window->widget()) : nullptr;
    if (!window) // the frame itself was activated: the state stays
        return;
    const QString refusal = viewer && viewer->isGridMode() ? Refusal(viewer) : Caption(kNoPictureTitle, 0);
    m_action->setEnabled(refusal.isEmpty());
    m_action->setStatusTip(refusal);
    m_action->setToolTip(refusal.isEmpty() ? QString(m_action->text()).remove('&') : refusal);
    // A grid viewer's context menu carries the command with its columns.
    if (viewer && viewer->isGridMode() && !viewer->grid()->property("pictureMenu").toBool()) {
        QTableView* grid = viewer->grid();
        grid->setProperty("pictureMenu", true);
        grid->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(grid, &QWidget::customContextMenuRequested, viewer, [this, viewer](const QPoint& at) {
            QMenu menu(viewer);
            QMenu* columns = menu.addMenu(PictureIcon(), Caption(kPictureCaption));
            FillColumns(columns, viewer);
            columns->setEnabled(Refusal(viewer).isEmpty());
            menu.exec(viewer->grid()->viewport()->mapToGlobal(at));
        });
    }
}

void PictureCommands::FillColumns(QMenu* menu, frmViList* viewer)
{
    menu->clear();
    if (!viewer || !viewer->model())
        return;
    const ResultGrid& grid = viewer->model()->resultGrid();
    for (std::int32_t c = 1; c <= grid.ColumnCount(); ++c) {
        QString caption = OneLine(grid.Heading(0, c));
        const QString symbol = OneLine(grid.Heading(1, c));
        const QString unit = OneLine(grid.Heading(2, c));
        for (const QString& part : {symbol, unit})
            if (!part.isEmpty())
                caption += caption.isEmpty() ? part : " " + part;
        QAction* item = menu->addAction(caption);
        item->setObjectName(QString("PictureColumn%1").arg(c));
        connect(item, &QAction::triggered, this, [this, viewer = QPointer<frmViList>(viewer), c] {
            if (viewer)
                ShowPicture(viewer, c);
        });
    }
}

frmPicture* PictureCommands::ShowPicture(frmViList* viewer, int column)
{
    auto refuse = [this](const QString& reason) -> frmPicture* {
        m_window.statusBarWidget()->showMessage(reason);
        m_window.host().warning(Caption(kNoPictureTitle, 0).toStdString(), reason.toStdString());
        return nullptr;
    };
    const QString refusal = Refusal(viewer);
    if (!refusal.isEmpty())
        return refuse(refusal);

    const QString projectKey = QString::fromStdString(m_window.openedProjects().Current());
    ListProject project = m_window.listProject();
    PictureBuild build;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        build = BuildResultPicture(project, viewer->key(), column);
    } catch (const std::exception& error) {
        build.Reason = error.what();
    }
    QGuiApplication::restoreOverrideCursor();
    if (!build.Picture)
        return refuse(QString::fromStdString(build.Reason));

    const QString symbol = OneLine(viewer->model()->resultGrid().Heading(1, column));
    auto* picture
        = new frmPicture(m_window.session(), std::move(*build.Picture), viewer->key(), column, symbol);
    const QString tag = projectKey + "-" + picture->windowTitle();
    // The same picture twice is the open one brought to the front.
    for (QMdiSubWindow* window : m_window.mdiArea()->subWindowList())
        if (window->property("tag").toString() == tag) {
            delete picture;
            m_window.mdiArea()->setActiveSubWindow(window);
            return qobject_cast<frmPicture*>(window->widget());
        }
    picture->setTag(tag);
    picture->setProperty("projectKey", projectKey);
    picture->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* window = m_window.mdiArea()->addSubWindow(picture);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(picture->windowTitle());
    window->setWindowIcon(m_action->icon());
    window->resize(kPictureWidth, kPictureHeight);

    QStatusBar* status = m_window.statusBarWidget();
    connect(picture, &frmPicture::statusText, status, [status](const QString& text) {
        if (text.isEmpty())
            status->clearMessage();
        else
            status->showMessage(text);
    });
    connect(picture, &frmPicture::nodeClicked, this,
        [this, picture](std::int32_t, std::int32_t row) { ShowRow(*picture, row); });
    connect(picture, &frmPicture::printRequested, this, [this, picture] { PrintPicture(*picture); });
    connect(picture, &frmPicture::closing, &m_window, &MDIList::ViewerClosing);

    m_window.AddWindowEntries(window, tag, picture->windowTitle(), m_action->icon(), true);
    window->show();
    m_window.KeepInsideArea(window);
    m_window.mdiArea()->setActiveSubWindow(window);
    picture->setFocus();
    return picture;
}

QList<frmPicture*> PictureCommands::pictures() const
{
    QList<frmPicture*> list;
    for (QMdiSubWindow* window : m_window.mdiArea()->subWindowList(QMdiArea::CreationOrder))
        if (auto* picture = qobject_cast<frmPicture*>(window->widget()))
            list.append(picture);
    return list;
}

frmViList* PictureCommands::ShowRow(const frmPicture& picture, std::int32_t row)
{
    if (row < 1)
        return nullptr;
    const QString prefix = picture.property("projectKey").toString() + "-";
    for (frmViList* viewer : m_window.viewers()) {
        if (!viewer->isGridMode() || !viewer->model() || viewer->key() != picture.key()
            || !viewer->tag().startsWith(prefix) || row > viewer->model()->rowCount())
            continue;
        const QModelIndex index = viewer->model()->index(row - 1, 0);
        QItemSelectionModel* selection = viewer->grid()->selectionModel();
        selection->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        selection->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        viewer->grid()->scrollTo(index, QAbstractItemView::PositionAtCenter);
        return viewer;
    }
    return nullptr;
}

bool PictureCommands::PrintPicture(frmPicture& picture)
{
    m_window.ApplyPrinterSettings();
    ListProject project = m_window.listProject();
    const ListPageSettings page = m_window.listPage();
    PagePrinter& printer = m_window.printer();
    const bool rightToLeft = m_window.session().catalogue.IsRightToLeft();
    try {
        const std::string header = FirstPageHeader(project, page, picture.key());
        printer.PrintPage(header, [&](QPainter& painter, const QRectF& area) {
            // The picture keeps the list's left margin (the right one in a
            // right-to-left language), a blank line under the header and
            // the bottom margin.
            const QFontMetricsF list(painter.font(), painter.device());
            const double margin = list.horizontalAdvance(QLatin1Char(' ')) * page.Layout.LeftMargin;
            const double line = list.height();
            QRectF target = area.adjusted(
                rightToLeft ? 0 : margin, line, rightToLeft ? -margin : 0, -line * page.Layout.BottomMargin);
            QFont font = QApplication::font();
            font.setPointSizeF(kPrintFontPoints);
            painter.setFont(font);
            painter.setRenderHint(QPainter::Antialiasing);
            PicturePaintOptions options = picture.paintOptions();
            options.Vector = true;
            const PicturePainter drawing(picture.picture());
            // The picture is as high as the slab needs at the page's width:
            // a wide slab leaves the foot of the page empty rather than
            // bands of nothing above and below it.
            const PictureRect& world = picture.requestedWorld().Width() > 0 ? picture.requestedWorld()
                                                                            : picture.picture().Bounds();
            const PictureLayout full = drawing.Layout(painter, target, picture.requestedWorld(), options);
            if (world.Width() > 0 && world.Height() > 0) {
                const double needed = full.Plot.width() * world.Height() / world.Width() * kPrintSlack;
                if (needed < full.Plot.height())
                    target.setHeight(target.height() - (full.Plot.height() - needed));
            }
            drawing.Paint(painter, target, picture.requestedWorld(), options);
        });
        printer.EndJob();
    } catch (const RuntimeError& error) {
        printer.AbortJob();
        m_window.host().reportError(error.what());
        return false;
    }
    return true;
}

} // namespace teska
