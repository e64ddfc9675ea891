// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Draws a ResultPicture into any QPainter (screen, image, printer, SVG,
// PDF) and saves it as a file. Qt Gui only: no widgets.
//
// Contents of this header:
//   PicturePaintOptions   what to draw and how (legend side, vector fill)
//   PictureLayout         where the parts go in a target rectangle, and the
//                         world <-> pixel mapping of the slab
//   PicturePainter        Layout() and Paint()
//   PictureFileFormat, PictureFileFormatOf, SavePicture
//
// Level of detail: triangles are filled as band polygons (a filled
// contour) while the visible triangles are few or the output is vector;
// otherwise the visible triangles are rasterised into an image of the plot
// size, each pixel coloured by the band of the value interpolated at its
// centre, and a triangle smaller than a pixel colours the pixel of its
// centre. Element edges are drawn when an element is several pixels wide.

#include <QColor>
#include <QRectF>
#include <QSize>
#include <QTransform>
#include <optional>
#include <string>

#include "lists/picture/ResultPicture.h"

class QPainter;

namespace teska {

struct PicturePaintOptions {
    // Right-to-left languages: the legend on the left, its texts right
    // aligned. The slab is never mirrored.
    bool MirrorLegend = false;
    bool ShowTitle = true;
    bool ShowAxes = true;
    bool ShowLegend = true;
    bool ShowExtremes = true;
    // The words before the value texts of the two marked nodes (a window
    // in another language passes its own); the node number follows in
    // parentheses.
    std::string LargestLabel = "max";
    std::string SmallestLabel = "min";
    // Band polygons however many triangles are visible (SVG, PDF, print).
    // Beyond VectorTriangleLimit visible triangles the fill is an image
    // even then, so that a file stays of a sensible size.
    bool Vector = false;
    int VectorTriangleLimit = 100000;
    // Screen fill: polygons up to this many visible triangles, else raster.
    int PolygonTriangleLimit = 20000;
};

// The parts of one drawing in device coordinates.
struct PictureLayout {
    QRectF Target;
    QRectF Title; // empty when not shown
    QRectF Plot; // the slab's area, inside the axes
    QRectF Legend; // empty when not shown
    // The visible world rectangle, widened to the Plot's aspect ratio (x
    // and y at one scale), and the mapping from it to Plot (y upwards).
    PictureRect World;
    QTransform WorldToDevice;
    QTransform DeviceToWorld;
};

class PicturePainter {
public:
    explicit PicturePainter(const ResultPicture& picture)
        : m_picture(picture)
    { }

    // The layout for \p target with the font of \p painter; \p world empty
    // (zero width or height): the whole slab with a small margin.
    PictureLayout Layout(QPainter& painter, const QRectF& target, const PictureRect& world,
        const PicturePaintOptions& options = {}) const;

    // Draws into \p target of \p painter the part \p world of the slab:
    // filled bands, thin element edges when each element is several pixels
    // wide, the outline, the largest and smallest value nodes with their
    // texts, the title, axes with ticks in the length unit, and the legend.
    // Returns the layout used.
    PictureLayout Paint(QPainter& painter, const QRectF& target, const PictureRect& world,
        const PicturePaintOptions& options = {}) const;

    // The band colour as a QColor.
    static QColor Color(std::uint32_t rgb) { return QColor::fromRgb(rgb); }

private:
    void paintFill(QPainter& painter, const PictureLayout& layout, const PicturePaintOptions& options) const;
    void paintEdges(QPainter& painter, const PictureLayout& layout) const;
    void paintExtremes(
        QPainter& painter, const PictureLayout& layout, const PicturePaintOptions& options) const;
    void paintAxes(QPainter& painter, const PictureLayout& layout) const;
    void paintLegend(
        QPainter& painter, const PictureLayout& layout, const PicturePaintOptions& options) const;

    const ResultPicture& m_picture;
};

enum class PictureFileFormat { Png, Svg, Pdf };

// The format named by the extension of \p path (".png", ".svg", ".pdf", any
// case), nullopt for any other.
std::optional<PictureFileFormat> PictureFileFormatOf(const std::string& path);

// Writes the whole picture to \p path in \p format: PNG of \p size pixels,
// SVG of \p size units, PDF of one page of \p size points (a4 landscape when
// \p size is empty). Written to a temporary file beside \p path and renamed
// over it. Throws FileAccessError naming \p path when it cannot be written.
void SavePicture(const ResultPicture& picture, const std::string& path, PictureFileFormat format, QSize size,
    const PicturePaintOptions& options = {});

} // namespace teska
