// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "viewer/picture/PicturePainter.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <vector>

#include "suite/Errors.h"
#include "suite/FileText.h"

namespace teska {

namespace {

QString Text(const std::string& s)
{
    return QString::fromStdString(s);
}

// A round tick step (1, 2 or 5 times a power of ten) giving about \p count
// ticks over \p range.
double TickStep(double range, double count)
{
    if (!(range > 0) || !(count > 0))
        return 1;
    const double raw = range / count;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0})
        if (m * power >= raw)
            return m * power;
    return 10 * power;
}

QString TickText(double value, double step)
{
    const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    if (std::abs(value) < step * 1e-6)
        value = 0;
    return QString::number(value, 'f', decimals);
}

// The whole slab with a margin of 3 % (a point or a line gets a unit square
// or a square of its length).
PictureRect WholeWorld(const PictureRect& b)
{
    double w = b.Width();
    double h = b.Height();
    const double size = std::max({w, h, 1e-6});
    if (w <= 0)
        w = size;
    if (h <= 0)
        h = size;
    const double cx = (b.Left + b.Right) / 2;
    const double cy = (b.Bottom + b.Top) / 2;
    const double mw = w * 0.53;
    const double mh = h * 0.53;
    return PictureRect{cx - mw, cy - mh, cx + mw, cy + mh};
}

} // namespace

PictureLayout PicturePainter::Layout(QPainter& painter, const QRectF& target, const PictureRect& world,
    const PicturePaintOptions& options) const
{
    PictureLayout layout;
    layout.Target = target;
    const QFontMetricsF fm(painter.font(), painter.device());
    const double line = fm.height();
    const double gap = line * 0.5;
    QRectF rest = target.adjusted(gap, gap, -gap, -gap);

    if (options.ShowTitle) {
        layout.Title = QRectF(rest.left(), rest.top(), rest.width(), line * 1.4);
        rest.setTop(layout.Title.bottom() + gap);
    }
    if (options.ShowLegend && !m_picture.Bands().empty()) {
        double textWidth = fm.horizontalAdvance(Text(m_picture.ValueUnit()));
        for (const PictureBand& band : m_picture.Bands())
            textWidth = std::max({textWidth, fm.horizontalAdvance(Text(band.LowerText)),
                fm.horizontalAdvance(Text(band.UpperText))});
        const double width = line * 1.6 + gap + textWidth + gap;
        if (options.MirrorLegend) {
            layout.Legend = QRectF(rest.left(), rest.top(), width, rest.height());
            rest.setLeft(layout.Legend.right() + gap);
        } else {
            layout.Legend = QRectF(rest.right() - width, rest.top(), width, rest.height());
            rest.setRight(layout.Legend.left() - gap);
        }
    }
    if (options.ShowAxes) {
        // Room for the y tick texts on the left and the x tick texts and
        // the unit below.
        const double yText = fm.horizontalAdvance(QStringLiteral("-00000.00")) + line * 0.4;
        rest.setLeft(rest.left() + yText);
        rest.setBottom(rest.bottom() - line * 2.4);
        rest.setTop(rest.top() + line * 1.2); // the y unit above the axis
    }
    if (rest.width() < 1)
        rest.setWidth(1);
    if (rest.height() < 1)
        rest.setHeight(1);
    layout.Plot = rest;

    PictureRect w = world.Width() > 0 && world.Height() > 0 ? world : WholeWorld(m_picture.Bounds());
    const double scale = std::min(rest.width() / w.Width(), rest.height() / w.Height());
    const double cx = (w.Left + w.Right) / 2;
    const double cy = (w.Bottom + w.Top) / 2;
    const double hw = rest.width() / scale / 2;
    const double hh = rest.height() / scale / 2;
    layout.World = PictureRect{cx - hw, cy - hh, cx + hw, cy + hh};
    layout.WorldToDevice = QTransform(scale, 0, 0, -scale, rest.left() - layout.World.Left * scale,
        rest.bottom() + layout.World.Bottom * scale);
    layout.DeviceToWorld = layout.WorldToDevice.inverted();
    return layout;
}

PictureLayout PicturePainter::Paint(QPainter& painter, const QRectF& target, const PictureRect& world,
    const PicturePaintOptions& options) const
{
    const PictureLayout layout = Layout(painter, target, world, options);
    painter.save();
    painter.fillRect(target, Qt::white);
    painter.save();
    painter.setClipRect(layout.Plot);
    paintFill(painter, layout, options);
    paintEdges(painter, layout);
    if (options.ShowExtremes)
        paintExtremes(painter, layout, options);
    painter.restore();
    if (options.ShowAxes)
        paintAxes(painter, layout);
    if (options.ShowLegend)
        paintLegend(painter, layout, options);
    if (options.ShowTitle) {
        QFont bold = painter.font();
        bold.setBold(true);
        painter.setFont(bold);
        painter.setPen(Qt::black);
        const QFontMetricsF fm(bold, painter.device());
        painter.drawText(layout.Title, Qt::AlignHCenter | Qt::AlignVCenter,
            fm.elidedText(Text(m_picture.Title()), Qt::ElideRight, layout.Title.width()));
    }
    painter.restore();
    return layout;
}

void PicturePainter::paintFill(
    QPainter& painter, const PictureLayout& layout, const PicturePaintOptions& options) const
{
    std::vector<std::int32_t> visible;
    visible.reserve(m_picture.Triangles().size());
    m_picture.VisibleTriangles(layout.World, visible);
    const auto count = static_cast<std::int64_t>(visible.size());
    const bool polygons
        = options.Vector ? count <= options.VectorTriangleLimit : count <= options.PolygonTriangleLimit;
    const std::vector<PictureBand>& bands = m_picture.Bands();

    if (polygons) {
        // One path per band: no seams between the pieces of one band.
        std::vector<QPainterPath> paths(bands.size());
        std::vector<BandPiece> pieces;
        QPolygonF polygon;
        for (const std::int32_t t : visible) {
            pieces.clear();
            m_picture.TrianglePieces(t, pieces);
            for (const BandPiece& piece : pieces) {
                polygon.clear();
                for (int i = 0; i < piece.CornerCount; ++i) {
                    const PicturePoint& p = piece.Corners[static_cast<std::size_t>(i)];
                    polygon << layout.WorldToDevice.map(QPointF(p.X, p.Y));
                }
                polygon << polygon.front();
                paths[static_cast<std::size_t>(piece.Band)].addPolygon(polygon);
            }
        }
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, false);
        for (std::size_t b = 0; b < paths.size(); ++b) {
            if (paths[b].isEmpty())
                continue;
            paths[b].setFillRule(Qt::WindingFill);
            painter.fillPath(paths[b], Color(bands[b].Color));
        }
        painter.restore();
        return;
    }

    // Raster: pixel centres take the band of the interpolated value; a
    // triangle that covers no pixel centre colours the pixel of its centre.
    const QRect pixels = layout.Plot.toAlignedRect();
    QImage image(pixels.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    std::vector<QRgb> colors;
    for (const PictureBand& band : bands)
        colors.push_back(0xFF000000u | band.Color);
    // The colour of a value: its band as BandOf finds it, inline.
    const std::vector<double>& limits = m_picture.Limits();
    const auto last = static_cast<std::ptrdiff_t>(colors.size()) - 1;
    auto colorOf = [&](double value) {
        const std::ptrdiff_t band
            = std::upper_bound(limits.begin(), limits.end(), value) - limits.begin() - 1;
        return colors[static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(band, 0, last))];
    };
    const QTransform& m = layout.WorldToDevice;
    const double ox = pixels.left();
    const double oy = pixels.top();
    const int width = image.width();
    const int height = image.height();
    auto* bits = reinterpret_cast<QRgb*>(image.bits());
    const auto stride = static_cast<std::ptrdiff_t>(image.bytesPerLine() / 4);
    const auto& tris = m_picture.Triangles();
    for (const std::int32_t t : visible) {
        const auto& tri = tris[static_cast<std::size_t>(t)];
        double px[3];
        double py[3];
        double v[3];
        for (int k = 0; k < 3; ++k) {
            const PicturePoint p = m_picture.Corner(tri[static_cast<std::size_t>(k)]);
            px[k] = m.m11() * p.X + m.dx() - ox;
            py[k] = m.m22() * p.Y + m.dy() - oy;
            v[k] = m_picture.CornerValue(tri[static_cast<std::size_t>(k)]);
        }
        const double x0 = std::min({px[0], px[1], px[2]});
        const double x1 = std::max({px[0], px[1], px[2]});
        const double y0 = std::min({py[0], py[1], py[2]});
        const double y1 = std::max({py[0], py[1], py[2]});
        const int i0 = std::max(0, static_cast<int>(std::ceil(x0 - 0.5)));
        const int i1 = std::min(width - 1, static_cast<int>(std::floor(x1 - 0.5)));
        const int j0 = std::max(0, static_cast<int>(std::ceil(y0 - 0.5)));
        const int j1 = std::min(height - 1, static_cast<int>(std::floor(y1 - 0.5)));
        bool covered = false;
        const double d = (py[1] - py[2]) * (px[0] - px[2]) + (px[2] - px[1]) * (py[0] - py[2]);
        if (d != 0) {
            for (int j = j0; j <= j1; ++j) {
                const double y = j + 0.5;
                QRgb* row = bits + j * stride;
                for (int i = i0; i <= i1; ++i) {
                    const double x = i + 0.5;
                    const double l1 = ((py[1] - py[2]) * (x - px[2]) + (px[2] - px[1]) * (y - py[2])) / d;
                    const double l2 = ((py[2] - py[0]) * (x - px[2]) + (px[0] - px[2]) * (y - py[2])) / d;
                    const double l3 = 1 - l1 - l2;
                    if (l1 < -1e-9 || l2 < -1e-9 || l3 < -1e-9)
                        continue;
                    row[i] = colorOf(l1 * v[0] + l2 * v[1] + l3 * v[2]);
                    covered = true;
                }
            }
        }
        if (!covered) {
            const int i = static_cast<int>(std::floor((px[0] + px[1] + px[2]) / 3));
            const int j = static_cast<int>(std::floor((py[0] + py[1] + py[2]) / 3));
            if (i >= 0 && i < width && j >= 0 && j < height)
                bits[j * stride + i] = colorOf((v[0] + v[1] + v[2]) / 3);
        }
    }
    painter.drawImage(pixels.topLeft(), image);
}

void PicturePainter::paintEdges(QPainter& painter, const PictureLayout& layout) const
{
    const PictureRect& w = layout.World;
    const double scale = layout.WorldToDevice.m11();
    const PictureRect& b = m_picture.Bounds();
    const std::int32_t elements = std::max<std::int32_t>(1, m_picture.ElementCount());
    const double elementPixels = scale * std::sqrt(std::max(b.Width() * b.Height(), 0.0) / elements);
    auto lines = [&](const std::vector<std::array<std::int32_t, 2>>& edges, std::size_t limit) {
        QVector<QLineF> out;
        for (const auto& e : edges) {
            const PicturePoint p = m_picture.Node(e[0] + 1);
            const PicturePoint q = m_picture.Node(e[1] + 1);
            if (std::max(p.X, q.X) < w.Left || std::min(p.X, q.X) > w.Right || std::max(p.Y, q.Y) < w.Bottom
                || std::min(p.Y, q.Y) > w.Top)
                continue;
            out.push_back(layout.WorldToDevice.map(QLineF(p.X, p.Y, q.X, q.Y)));
            if (static_cast<std::size_t>(out.size()) > limit)
                return QVector<QLineF>();
        }
        return out;
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    // Element edges only when an element is several pixels wide and there
    // are not more of them visible than a screen can show.
    if (elementPixels >= 8 || (m_picture.EdgesWorthDrawing() && elementPixels >= 4)) {
        const QVector<QLineF> edges = lines(m_picture.Edges(), 60000);
        QPen pen(QColor(40, 40, 40, 110));
        pen.setCosmetic(true);
        pen.setWidthF(0.6);
        painter.setPen(pen);
        painter.drawLines(edges);
    }
    QPen outline(Qt::black);
    outline.setCosmetic(true);
    outline.setWidthF(1.4);
    painter.setPen(outline);
    painter.drawLines(lines(m_picture.Outline(), static_cast<std::size_t>(-1)));
    painter.restore();
}

void PicturePainter::paintExtremes(
    QPainter& painter, const PictureLayout& layout, const PicturePaintOptions& options) const
{
    if (m_picture.NodeCount() == 0)
        return;
    const QFontMetricsF fm(painter.font(), painter.device());
    const double r = fm.height() * 0.28;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    auto mark = [&](const PictureExtreme& x, const QString& label, bool filled) {
        const QPointF at = layout.WorldToDevice.map(QPointF(x.X, x.Y));
        if (!layout.Plot.contains(at))
            return;
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(filled ? QBrush(Qt::black) : QBrush(Qt::white));
        painter.drawEllipse(at, r, r);
        const QString text = label + QStringLiteral(" ") + Text(x.ValueText) + QStringLiteral(" (")
            + QString::number(x.Node) + QStringLiteral(")");
        QRectF box(0, 0, fm.horizontalAdvance(text) + r * 2, fm.height());
        // Beside the mark, inside the plot.
        box.moveTopLeft(at + QPointF(r * 1.5, -fm.height() - r));
        if (box.right() > layout.Plot.right())
            box.moveRight(at.x() - r * 1.5);
        if (box.top() < layout.Plot.top())
            box.moveTop(at.y() + r);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 220));
        painter.drawRect(box);
        painter.setPen(Qt::black);
        painter.drawText(box, Qt::AlignCenter, text);
    };
    mark(m_picture.Largest(), Text(options.LargestLabel), true);
    if (m_picture.Smallest().Node != m_picture.Largest().Node)
        mark(m_picture.Smallest(), Text(options.SmallestLabel), false);
    painter.restore();
}

void PicturePainter::paintAxes(QPainter& painter, const PictureLayout& layout) const
{
    const QFontMetricsF fm(painter.font(), painter.device());
    const QRectF& plot = layout.Plot;
    const PictureRect& w = layout.World;
    const double tick = fm.height() * 0.3;
    painter.save();
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    const double xStep
        = TickStep(w.Width(), std::max(2.0, plot.width() / (fm.horizontalAdvance("-0000.00") * 1.6)));
    for (double x = std::ceil(w.Left / xStep) * xStep; x <= w.Right; x += xStep) {
        const double dx = layout.WorldToDevice.map(QPointF(x, 0)).x();
        painter.drawLine(QPointF(dx, plot.bottom()), QPointF(dx, plot.bottom() + tick));
        const QString text = TickText(x, xStep);
        const double tw = fm.horizontalAdvance(text);
        painter.drawText(QPointF(dx - tw / 2, plot.bottom() + tick + fm.ascent()), text);
    }
    const double yStep = TickStep(w.Height(), std::max(2.0, plot.height() / (fm.height() * 3)));
    for (double y = std::ceil(w.Bottom / yStep) * yStep; y <= w.Top; y += yStep) {
        const double dy = layout.WorldToDevice.map(QPointF(0, y)).y();
        painter.drawLine(QPointF(plot.left() - tick, dy), QPointF(plot.left(), dy));
        const QString text = TickText(y, yStep);
        painter.drawText(
            QPointF(plot.left() - tick * 1.5 - fm.horizontalAdvance(text), dy + fm.ascent() / 2.5), text);
    }
    const QString unit = Text(m_picture.LengthUnit());
    const QString xLabel = QStringLiteral("x ") + unit;
    // The unit labels: y above the axis, x below the tick texts at its right end.
    painter.drawText(
        QPointF(plot.left() - fm.horizontalAdvance(QStringLiteral("y ")), plot.top() - fm.descent() - 2),
        QStringLiteral("y ") + unit);
    painter.drawText(QRectF(plot.left(), plot.bottom() + tick + fm.height(), plot.width(), fm.height() * 1.2),
        Qt::AlignRight | Qt::AlignVCenter, xLabel);
    painter.restore();
}

void PicturePainter::paintLegend(
    QPainter& painter, const PictureLayout& layout, const PicturePaintOptions& options) const
{
    const std::vector<PictureBand>& bands = m_picture.Bands();
    if (bands.empty() || layout.Legend.isEmpty())
        return;
    const QFontMetricsF fm(painter.font(), painter.device());
    const QRectF& area = layout.Legend;
    const double line = fm.height();
    const double boxW = line * 1.6;
    const double top = area.top() + line * 1.6;
    const double boxH
        = std::clamp((area.height() - line * 2.6) / static_cast<double>(bands.size()), 2.0, line * 1.5);
    const bool mirror = options.MirrorLegend;
    const double boxLeft = mirror ? area.right() - boxW : area.left();
    painter.save();
    painter.setPen(Qt::black);
    // The unit label above the boxes, on the boxes' side.
    painter.drawText(QRectF(area.left(), area.top(), area.width(), line * 1.4),
        (mirror ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, Text(m_picture.ValueUnit()));
    // The largest band at the top.
    const std::size_t n = bands.size();
    for (std::size_t k = 0; k < n; ++k) {
        const PictureBand& band = bands[n - 1 - k];
        const QRectF box(boxLeft, top + static_cast<double>(k) * boxH, boxW, boxH);
        painter.fillRect(box, Color(band.Color));
        painter.setPen(QPen(Qt::black, 0));
        painter.drawRect(box);
    }
    // Each limit text at its boundary between two boxes.
    const double textW = area.width() - boxW - line * 0.4;
    for (std::size_t k = 0; k <= n; ++k) {
        const double y = top + static_cast<double>(k) * boxH;
        const QString text = Text(k == 0 ? bands[n - 1].UpperText : bands[n - k].LowerText);
        const QRectF r(mirror ? area.left() : boxLeft + boxW + line * 0.4, y - line / 2, textW, line);
        painter.drawText(r, (mirror ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, text);
    }
    painter.restore();
}

std::optional<PictureFileFormat> PictureFileFormatOf(const std::string& path)
{
    const auto dot = path.rfind('.');
    if (dot == std::string::npos)
        return std::nullopt;
    std::string ext = path.substr(dot + 1);
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == "png")
        return PictureFileFormat::Png;
    if (ext == "svg")
        return PictureFileFormat::Svg;
    if (ext == "pdf")
        return PictureFileFormat::Pdf;
    return std::nullopt;
}

void SavePicture(const ResultPicture& picture, const std::string& path, PictureFileFormat format, QSize size,
    const PicturePaintOptions& options)
{
    const PicturePainter painter(picture);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    PicturePaintOptions vector = options;
    vector.Vector = true;
    switch (format) {
    case PictureFileFormat::Png: {
        if (size.isEmpty())
            size = QSize(1600, 1000);
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::TextAntialiasing, true);
            QFont font = p.font();
            font.setPixelSize(std::max(10, size.height() / 60));
            p.setFont(font);
            painter.Paint(p, QRectF(QPointF(0, 0), QSizeF(size)), PictureRect{}, options);
        }
        if (!image.save(&buffer, "PNG"))
            throw FileAccessError(path, "the PNG image could not be made");
        break;
    }
    case PictureFileFormat::Svg: {
        if (size.isEmpty())
            size = QSize(1600, 1000);
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(Text(picture.Title()));
        QPainter p;
        if (!p.begin(&svg))
            throw FileAccessError(path, "the SVG drawing could not be started");
        QFont font = p.font();
        font.setPixelSize(std::max(10, size.height() / 60));
        p.setFont(font);
        painter.Paint(p, QRectF(QPointF(0, 0), QSizeF(size)), PictureRect{}, vector);
        p.end();
        break;
    }
    case PictureFileFormat::Pdf: {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(Text(picture.Title()));
        pdf.setCreator(QStringLiteral("TESKA-List"));
        if (size.isEmpty())
            pdf.setPageSize(QPageSize(QPageSize::A4));
        else
            pdf.setPageSize(QPageSize(QSizeF(size), QPageSize::Point));
        pdf.setPageOrientation(size.isEmpty() ? QPageLayout::Landscape : QPageLayout::Portrait);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(300);
        QPainter p;
        if (!p.begin(&pdf))
            throw FileAccessError(path, "the PDF could not be started");
        QFont font = p.font();
        font.setPointSizeF(9);
        p.setFont(font);
        const QRect page = pdf.pageLayout().paintRectPixels(pdf.resolution());
        painter.Paint(p, QRectF(QPointF(0, 0), QSizeF(page.size())), PictureRect{}, vector);
        p.end();
        break;
    }
    }
    buffer.close();
    WriteFileAtomically(path, std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace teska
