// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/frmPicture.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QStandardPaths>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "lists/Session.h"
#include "lists/format/FormatNumber.h"
#include "suite/Errors.h"

namespace teska {

namespace {

// One wheel notch (120 units) or one +/- key zooms by this factor.
constexpr double kZoomStep = 1.25;
// A press and release closer than this many pixels is a click, not a drag.
constexpr int kClickSlop = 4;
// The closest view shows a millionth of the slab, the farthest fifty slabs.
constexpr double kMinSpan = 1e-6;
constexpr double kMaxSpan = 50.0;
// An arrow key pans by this part of the plot.
constexpr double kArrowPan = 0.1;

// Catalogue texts of the window.
constexpr long kTitleText = 520002;
constexpr long kFitText = 520003;
constexpr long kZoomInText = 520004;
constexpr long kZoomOutText = 520005;
constexpr long kPrintText = 520006;
constexpr long kSaveText = 520007;
constexpr long kOutsideText = 520008;
constexpr long kNodeRowText = 520009;
constexpr long kHelpText = 520010;
constexpr long kPngText = 520012;
constexpr long kSvgText = 520013;
constexpr long kPdfText = 520014;
constexpr long kHelpCaption = 8;

// A unit label without its brackets: "[kNm/m]" -> "kNm/m".
QString BareUnit(const std::string& unit)
{
    QString text = QString::fromStdString(unit).trimmed();
    if (text.startsWith('[') && text.endsWith(']'))
        text = text.mid(1, text.size() - 2).trimmed();
    return text;
}

} // namespace

frmPicture::frmPicture(Session& session, ResultPicture picture, const ListKey& key, int column,
    const QString& symbol, QWidget* parent)
    : QWidget(parent)
    , m_session(session)
    , m_picture(std::make_unique<ResultPicture>(std::move(picture)))
    , m_painter(*m_picture)
    , m_key(key)
    , m_column(column)
    , m_symbol(symbol)
    , m_rightToLeft(session.catalogue.IsRightToLeft())
{
    setObjectName("frmPicture");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(160, 120);
    setWindowTitle(QString::fromStdString(
        session.catalogue.LookupText(kTitleText, {std::string("|1"), m_picture->Title()})));
    setWhatsThis(HelpText());
    m_band = new QRubberBand(QRubberBand::Rectangle, this);
    BuildMenu();
}

frmPicture::~frmPicture() = default;

QString frmPicture::Text(long id) const
{
    return QString::fromStdString(m_session.catalogue.LookupText(id, {1L}));
}

QString frmPicture::HelpText() const
{
    return QString::fromStdString(m_session.catalogue.LookupText(kHelpText));
}

void frmPicture::BuildMenu()
{
    m_menu = new QMenu(this);
    m_menu->setObjectName("PictureMenu");
    auto add = [this](const char* name, const QString& caption, const QKeySequence& keys, auto slot) {
        auto* item = new QAction(caption, this);
        item->setObjectName(name);
        if (!keys.isEmpty()) {
            item->setShortcut(keys);
            item->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            addAction(item);
        }
        connect(item, &QAction::triggered, this, slot);
        m_menu->addAction(item);
        return item;
    };
    add("PictureFit", Text(kFitText), QKeySequence(Qt::Key_Home), [this] { FitToWindow(); });
    // Ctrl+0 fits too, as in drawing programs.
    auto* fit = new QAction(this);
    fit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    fit->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(fit, &QAction::triggered, this, [this] { FitToWindow(); });
    addAction(fit);
    add("PictureZoomIn", Text(kZoomInText), QKeySequence(Qt::Key_Plus),
        [this] { ZoomAt(layout().Plot.center(), kZoomStep); });
    add("PictureZoomOut", Text(kZoomOutText), QKeySequence(Qt::Key_Minus),
        [this] { ZoomAt(layout().Plot.center(), 1 / kZoomStep); });
    m_menu->addSeparator();
    add("PicturePrint", QString::fromStdString(m_session.catalogue.LookupText(kPrintText, {3L})),
        QKeySequence(), [this] { Q_EMIT printRequested(); });
    add("PictureSave", QString::fromStdString(m_session.catalogue.LookupText(kSaveText, {3L})),
        QKeySequence::Save, [this] { SaveCommand(); });
    m_menu->addSeparator();
    add("PictureHelp", Text(kHelpCaption), QKeySequence(), [this] {
        QMessageBox box(QMessageBox::Information, windowTitle(), HelpText(), QMessageBox::Ok, this);
        box.exec();
    });
}

PicturePaintOptions frmPicture::paintOptions() const
{
    PicturePaintOptions options;
    options.MirrorLegend = m_rightToLeft;
    return options;
}

PictureLayout frmPicture::layout()
{
    // The layout alone costs no drawing: zoom steps that come faster than
    // drawings are drawn once, at the next paint event.
    if (!m_layoutValid) {
        QImage probe(1, 1, QImage::Format_RGB32);
        probe.setDevicePixelRatio(devicePixelRatioF());
        QPainter painter(&probe);
        painter.setFont(font());
        m_layout = m_painter.Layout(
            painter, QRectF(QPointF(0, 0), QSizeF(size().expandedTo(QSize(1, 1)))), m_world, paintOptions());
        m_layoutValid = true;
    }
    return m_layout;
}

void frmPicture::Invalidate()
{
    m_cacheValid = false;
    m_layoutValid = false;
    update();
}

void frmPicture::Render()
{
    const QSize size = this->size().expandedTo(QSize(1, 1));
    const qreal ratio = devicePixelRatioF();
    if (m_cache.size() != size * ratio) {
        m_cache = QImage(size * ratio, QImage::Format_RGB32);
        m_cache.setDevicePixelRatio(ratio);
    }
    m_cache.fill(Qt::white);
    QPainter painter(&m_cache);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font());
    m_layout = m_painter.Paint(painter, QRectF(QPointF(0, 0), QSizeF(size)), m_world, paintOptions());
    m_cacheValid = true;
    m_layoutValid = true;
}

void frmPicture::SetWorld(const PictureRect& world)
{
    const PictureRect& b = m_picture->Bounds();
    const double span = std::max({b.Width(), b.Height(), 1e-9});
    if (world.Width() < kMinSpan * span && world.Height() < kMinSpan * span)
        return;
    if (world.Width() > kMaxSpan * span || world.Height() > kMaxSpan * span)
        return;
    m_world = world;
    Invalidate();
}

void frmPicture::FitToWindow()
{
    m_world = PictureRect();
    Invalidate();
}

void frmPicture::ZoomAt(const QPointF& at, double factor)
{
    if (!(factor > 0))
        return;
    const PictureLayout current = layout();
    const QPointF w = current.DeviceToWorld.map(at);
    const PictureRect& v = current.World;
    SetWorld(PictureRect{w.x() - (w.x() - v.Left) / factor, w.y() - (w.y() - v.Bottom) / factor,
        w.x() + (v.Right - w.x()) / factor, w.y() + (v.Top - w.y()) / factor});
}

void frmPicture::ZoomToRectangle(const QRectF& rectangle)
{
    const PictureLayout current = layout();
    const QRectF r = rectangle.normalized().intersected(current.Plot);
    if (r.width() < kClickSlop || r.height() < kClickSlop)
        return;
    const QPointF a = current.DeviceToWorld.map(r.topLeft());
    const QPointF b = current.DeviceToWorld.map(r.bottomRight());
    SetWorld(PictureRect{
        std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()), std::max(a.y(), b.y())});
}

void frmPicture::PanBy(const QPointF& offset)
{
    const PictureLayout current = layout();
    const QPointF shift = current.DeviceToWorld.map(offset) - current.DeviceToWorld.map(QPointF(0, 0));
    const PictureRect& v = current.World;
    SetWorld(PictureRect{v.Left - shift.x(), v.Bottom - shift.y(), v.Right - shift.x(), v.Top - shift.y()});
}

QString frmPicture::CoordinateText(double value) const
{
    // As many decimals as a pixel of the current view needs.
    const PictureRect& v = m_layout.World;
    const double pixel = m_layout.Plot.width() > 0 ? v.Width() / m_layout.Plot.width() : 1.0;
    const int decimals = std::clamp(static_cast<int>(std::ceil(-std::log10(std::max(pixel, 1e-12)))), 0, 6);
    const std::string pattern
        = decimals == 0 ? "0" : "0." + std::string(static_cast<std::size_t>(decimals), '0');
    return QString::fromStdString(FormatNumber(value, pattern));
}

QString frmPicture::ValueWithUnit(double value) const
{
    QString text = QString::fromStdString(m_picture->ValueText(value));
    const QString unit = BareUnit(m_picture->ValueUnit());
    if (!unit.isEmpty() && unit != "-")
        text += " " + unit;
    return m_symbol.isEmpty() ? text : m_symbol + " = " + text;
}

QString frmPicture::PointerText(const QPointF& at)
{
    const PictureLayout current = layout();
    if (!current.Plot.contains(at))
        return {};
    const QPointF w = current.DeviceToWorld.map(at);
    const QString length = BareUnit(m_picture->LengthUnit());
    const auto coordinate = [&](const std::string& axis, double value) {
        return QString::fromStdString(axis) + " = " + CoordinateText(value)
            + (length.isEmpty() ? "" : " " + length);
    };
    QString text = coordinate(m_session.catalogue.AxisSymbol1(), w.x()) + "   "
        + coordinate(m_session.catalogue.AxisSymbol2(), w.y()) + "   ";
    if (const std::optional<double> value = m_picture->ValueAt(w.x(), w.y()))
        text += ValueWithUnit(*value);
    else
        text += QString::fromStdString(m_session.catalogue.LookupText(kOutsideText));
    return text;
}

std::int32_t frmPicture::ClickAt(const QPointF& at)
{
    const PictureLayout current = layout();
    if (!current.Plot.contains(at))
        return 0;
    const QPointF w = current.DeviceToWorld.map(at);
    const std::int32_t node = m_picture->NearestNode(w.x(), w.y());
    if (node == 0)
        return 0;
    const std::int32_t row = m_picture->RowOfNode(node);
    const QString text = QString::fromStdString(m_session.catalogue.LookupText(kNodeRowText,
                             {std::string("|1"), std::to_string(node), std::string("|2"),
                                 row > 0 ? std::to_string(row) : std::string("-")}))
        + ": " + ValueWithUnit(m_picture->NodeValue(node));
    Q_EMIT statusText(text);
    if (isVisible())
        QToolTip::showText(mapToGlobal(at.toPoint()), text, this);
    Q_EMIT nodeClicked(node, row);
    return node;
}

bool frmPicture::SaveAs(const QString& path)
{
    const std::string file = path.toStdString();
    const std::optional<PictureFileFormat> format = PictureFileFormatOf(file);
    try {
        if (!format)
            throw FileAccessError(file, "is not a .png, .svg or .pdf file");
        PicturePaintOptions options = paintOptions();
        options.Vector = *format != PictureFileFormat::Png;
        // PNG at twice a screen's width; SVG and PDF an A4 landscape page.
        const QSize size = *format == PictureFileFormat::Png ? QSize(2000, 1414) : QSize();
        SavePicture(
            *m_picture, file, *format, *format == PictureFileFormat::Svg ? QSize(1123, 794) : size, options);
    } catch (const std::exception& error) {
        m_session.host.reportError(error.what());
        return false;
    }
    return true;
}

void frmPicture::SaveCommand()
{
    const QString png = Text(kPngText) + " (*.png)";
    const QString svg = Text(kSvgText) + " (*.svg)";
    const QString pdf = Text(kPdfText) + " (*.pdf)";
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    QString chosenFilter = png;
    QString path = QFileDialog::getSaveFileName(
        this, Text(kSaveText), folder, png + ";;" + svg + ";;" + pdf, &chosenFilter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += chosenFilter == svg ? ".svg" : chosenFilter == pdf ? ".pdf" : ".png";
    if (SaveAs(path))
        Q_EMIT statusText(path);
}

void frmPicture::paintEvent(QPaintEvent*)
{
    if (!m_cacheValid)
        Render();
    QPainter painter(this);
    if (m_drag == Drag::Pan) {
        // While the slab is dragged the drawing moves with the pointer; it
        // is drawn anew when the button is let go.
        painter.drawImage(0, 0, m_cache);
        painter.setClipRect(m_layout.Plot);
        painter.fillRect(m_layout.Plot, Qt::white);
        painter.drawImage(QPointF(m_dragAt - m_pressAt), m_cache);
        return;
    }
    painter.drawImage(0, 0, m_cache);
}

void frmPicture::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Invalidate();
}

void frmPicture::wheelEvent(QWheelEvent* event)
{
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0)
        ZoomAt(event->position(), std::pow(kZoomStep, notches));
    event->accept();
}

void frmPicture::mousePressEvent(QMouseEvent* event)
{
    m_pressAt = event->position().toPoint();
    m_dragAt = m_pressAt;
    if (event->button() == Qt::MiddleButton || (event->button() == Qt::LeftButton && m_spaceHeld)) {
        m_drag = Drag::Pan;
        setCursor(Qt::ClosedHandCursor);
    } else if (event->button() == Qt::LeftButton) {
        m_drag = Drag::Rectangle;
    }
    event->accept();
}

void frmPicture::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    m_dragAt = at;
    if (m_drag == Drag::Rectangle && (at - m_pressAt).manhattanLength() >= kClickSlop) {
        m_band->setGeometry(QRect(m_pressAt, at).normalized());
        m_band->show();
    } else if (m_drag == Drag::Pan) {
        update();
    }
    Q_EMIT statusText(PointerText(event->position()));
}

void frmPicture::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const Drag drag = m_drag;
    m_drag = Drag::None;
    m_band->hide();
    unsetCursor();
    const bool moved = (at - m_pressAt).manhattanLength() >= kClickSlop;
    if (drag == Drag::Pan) {
        if (moved)
            PanBy(at - m_pressAt);
        update();
    } else if (drag == Drag::Rectangle && event->button() == Qt::LeftButton) {
        if (moved)
            ZoomToRectangle(QRectF(m_pressAt, at));
        else
            ClickAt(event->position());
    }
    event->accept();
}

void frmPicture::keyPressEvent(QKeyEvent* event)
{
    const QSizeF plot = layout().Plot.size();
    switch (event->key()) {
    case Qt::Key_Space:
        m_spaceHeld = true;
        setCursor(Qt::OpenHandCursor);
        break;
    case Qt::Key_Left:
        PanBy(QPointF(plot.width() * kArrowPan, 0));
        break;
    case Qt::Key_Right:
        PanBy(QPointF(-plot.width() * kArrowPan, 0));
        break;
    case Qt::Key_Up:
        PanBy(QPointF(0, plot.height() * kArrowPan));
        break;
    case Qt::Key_Down:
        PanBy(QPointF(0, -plot.height() * kArrowPan));
        break;
    case Qt::Key_Escape:
        m_drag = Drag::None;
        m_band->hide();
        update();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void frmPicture::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        m_spaceHeld = false;
        unsetCursor();
    }
    QWidget::keyReleaseEvent(event);
}

void frmPicture::contextMenuEvent(QContextMenuEvent* event)
{
    m_menu->popup(event->globalPos());
}

void frmPicture::leaveEvent(QEvent* event)
{
    Q_EMIT statusText(QString());
    QWidget::leaveEvent(event);
}

void frmPicture::closeEvent(QCloseEvent* event)
{
    event->accept();
    Q_EMIT closing(m_tag);
}

} // namespace teska
