// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The picture of one nodal result: the slab's nodes and elements coloured by
// one value column of a result table, as a filled contour in bands. No
// drawing happens here; PicturePainter (viewer) draws what this holds.
//
// Contents of this header:
//   PicturePoint, PictureRect   world coordinates in the user's length unit
//   PictureBand                 one colour band: limits, limit texts, colour
//   PictureExtreme              the node of the largest / smallest value
//   BandPiece, ClipTriangle     the polygon pieces of one triangle per band
//   NiceBandLimits              10 to 16 band limits with round steps
//   BandColors                  the diverging / sequential colour scales
//   ResultPicture               the whole picture, with BandOf, ValueAt,
//                               NearestNode and the visible-triangle query
//   PictureBuild, BuildResultPicture, PictureRefusal
//                               a picture from an opened project
//
// Interpolation: values are linear over each triangle; a quadrilateral is
// split into four triangles about its centre, which takes the mean of the
// four corners (the bilinear value there), so no diagonal is preferred and
// the bands keep the symmetry of the mesh. Elements of one or two nodes
// (springs, beams) take no area and are left out.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "lists/choice/ListKey.h"

namespace teska {

struct ListProject;
class ProgressWindow;

struct PicturePoint {
    double X = 0;
    double Y = 0;
};

// An axis-parallel rectangle in world coordinates; Y grows upwards.
struct PictureRect {
    double Left = 0;
    double Bottom = 0;
    double Right = 0;
    double Top = 0;
    double Width() const { return Right - Left; }
    double Height() const { return Top - Bottom; }
    bool Intersects(const PictureRect& o) const
    {
        return Left <= o.Right && o.Left <= Right && Bottom <= o.Top && o.Bottom <= Top;
    }
};

// One band [Lower, Upper] of the legend; a value on a limit belongs to the
// band above it, except the largest value, which belongs to the last band.
struct PictureBand {
    double Lower = 0;
    double Upper = 0;
    std::string LowerText; // FormatNumber with the column's pattern
    std::string UpperText;
    std::uint32_t Color = 0; // 0xRRGGBB
};

struct PictureExtreme {
    std::int32_t Node = 0; // node number from 1
    std::int32_t Row = 0; // kept row of the ResultGrid, 0: an all-zero row left out
    double X = 0;
    double Y = 0;
    double Value = 0;
    std::string ValueText; // as the list prints it
};

// A convex polygon (3 to 5 corners) of one band inside one triangle.
struct BandPiece {
    int Band = 0; // 0-based band index
    std::array<PicturePoint, 5> Corners{};
    int CornerCount = 0;
};

// Appends to \p out the pieces of the triangle \p p with the values \p v at
// its corners (linear in between), one per band the triangle reaches, for
// the ascending band limits \p limits (bands i is [limits[i], limits[i+1]];
// values outside the limits count to the first or last band).
void ClipTriangle(const std::array<PicturePoint, 3>& p, const std::array<double, 3>& v,
    const std::vector<double>& limits, std::vector<BandPiece>& out);

// Ascending limits of 10 to 16 bands of one round step (1, 1.2, 1.5, 2,
// 2.5, 3, 4, 5, 6 or 8 times a power of ten) covering [min, max]; zero is a
// limit when min < 0 < max. Fewer bands only when the value range is so
// small that \p distinct refuses two neighbouring limits (their texts
// would be equal or would not show the limits exactly; then the smallest
// step that it accepts), or when min == max (one band around the value).
// The first and last limit are min and max when k * step misses them by a
// rounding error.
std::vector<double> NiceBandLimits(
    double min, double max, const std::function<bool(double, double)>& distinct = nullptr);

// The colour of each band of \p limits: diverging (ColorBrewer RdBu, blue
// below zero, red above, lighter towards zero, equal magnitude equal
// lightness) when the limits span zero, otherwise sequential (viridis,
// darker for larger magnitudes). 0xRRGGBB.
std::vector<std::uint32_t> BandColors(const std::vector<double>& limits, bool diverging);

class ResultPicture {
public:
    // The picture of \p values at the nodes \p x, \p y (node i at index
    // i - 1) over \p elements (each 1 to 4 node numbers from 1; 0 unused).
    // \p pattern formats the limit and extreme texts; \p rowOfNode gives
    // the kept grid row of a node (may be empty: row = node).
    // Throws std::invalid_argument naming the element for a node number
    // outside the nodes ("element 7: ..."), the node for a coordinate that
    // is not a finite number ("node 3: the coordinate ...") and the node for
    // such a value ("node 3: the value ...").
    struct Input {
        std::vector<float> X;
        std::vector<float> Y;
        std::vector<float> Values;
        std::vector<std::array<std::int32_t, 4>> Elements; // node numbers, 0 unused
        std::vector<std::int32_t> RowOfNode; // node i -> kept row (0 none), may be empty
        std::string Pattern = "0.00";
        std::string Title;
        std::string ValueUnit; // "[kNm/m]"
        std::string LengthUnit; // "[m]"
    };
    static ResultPicture Make(Input input);

    const std::string& Title() const { return m_title; }
    const std::string& ValueUnit() const { return m_valueUnit; }
    const std::string& LengthUnit() const { return m_lengthUnit; }
    const std::string& Pattern() const { return m_pattern; }

    // Nodes 1..NodeCount (index node - 1).
    std::int32_t NodeCount() const { return m_nodeCount; }
    PicturePoint Node(std::int32_t node) const;
    double NodeValue(std::int32_t node) const;
    std::int32_t RowOfNode(std::int32_t node) const;
    // The text of \p value as the list prints it.
    std::string ValueText(double value) const;

    // Triangles (0-based corner indices) and how many area elements made
    // them. Corners 0..NodeCount-1 are the nodes (node i is corner i - 1),
    // the ones after them the centres of the quadrilaterals.
    const std::vector<std::array<std::int32_t, 3>>& Triangles() const { return m_triangles; }
    PicturePoint Corner(std::int32_t corner) const
    {
        const auto i = static_cast<std::size_t>(corner);
        return PicturePoint{m_x[i], m_y[i]};
    }
    double CornerValue(std::int32_t corner) const { return m_values[static_cast<std::size_t>(corner)]; }
    std::int32_t ElementCount() const { return m_elementCount; }
    // The element edges, each once (0-based node indices), and the
    // outline: the edges that belong to one element only.
    const std::vector<std::array<std::int32_t, 2>>& Edges() const { return m_edges; }
    const std::vector<std::array<std::int32_t, 2>>& Outline() const { return m_outline; }
    // True when the elements are few enough that drawing every edge at the
    // full view makes sense (fewer than 2000); the painter also checks the
    // element size in pixels.
    bool EdgesWorthDrawing() const { return m_elementCount < 2000; }

    const std::vector<PictureBand>& Bands() const { return m_bands; }
    const std::vector<double>& Limits() const { return m_limits; }
    bool Diverging() const { return m_diverging; }
    // Band index of \p value (clamped to the first / last band).
    int BandOf(double value) const;

    const PictureExtreme& Largest() const { return m_largest; }
    const PictureExtreme& Smallest() const { return m_smallest; }
    const PictureRect& Bounds() const { return m_bounds; }

    // The interpolated value at (x, y), nullopt outside every triangle.
    std::optional<double> ValueAt(double x, double y) const;
    // The node nearest to (x, y), 0 when there are no nodes.
    std::int32_t NearestNode(double x, double y) const;

    // Appends to \p out the index of each triangle whose bounding box meets
    // \p rect, each once (a few next to \p rect may come too), through a
    // bucket grid over the bounds.
    void VisibleTriangles(const PictureRect& rect, std::vector<std::int32_t>& out) const;
    // The pieces of triangle \p triangle per band.
    void TrianglePieces(std::int32_t triangle, std::vector<BandPiece>& out) const;

private:
    void buildIndexes();
    // Calls \p visit(triangle) for the triangles of \p rect until it
    // returns true.
    template <class Visit> void visitTriangles(const PictureRect& rect, Visit&& visit) const;

    std::string m_title;
    std::string m_valueUnit;
    std::string m_lengthUnit;
    std::string m_pattern;
    std::int32_t m_nodeCount = 0;
    std::vector<float> m_x; // the nodes, then the centres of quadrilaterals
    std::vector<float> m_y;
    std::vector<float> m_values;
    std::vector<std::int32_t> m_rowOfNode;
    std::vector<std::array<std::int32_t, 3>> m_triangles;
    std::int32_t m_elementCount = 0;
    std::vector<std::array<std::int32_t, 2>> m_edges;
    std::vector<std::array<std::int32_t, 2>> m_outline;
    std::vector<double> m_limits;
    std::vector<PictureBand> m_bands;
    bool m_diverging = false;
    PictureExtreme m_largest;
    PictureExtreme m_smallest;
    PictureRect m_bounds;

    // Bucket grids over m_bounds: cell (i, j) is index j * m_cols + i;
    // m_*Start[c] .. m_*Start[c + 1] index m_*Items. A triangle is in the
    // cell of its bounding box's centre, and reaches at most m_reachX,
    // m_reachY cells from it; one reaching farther is in m_wide instead.
    std::int32_t m_cols = 1;
    std::int32_t m_rows = 1;
    double m_cellW = 1;
    double m_cellH = 1;
    std::vector<std::int32_t> m_triStart;
    std::vector<std::int32_t> m_triItems;
    std::vector<std::int32_t> m_wide;
    std::int32_t m_reachX = 0;
    std::int32_t m_reachY = 0;
    std::vector<std::int32_t> m_nodeStart;
    std::vector<std::int32_t> m_nodeItems;
    void cellRange(
        const PictureRect& r, std::int32_t& i0, std::int32_t& j0, std::int32_t& i1, std::int32_t& j1) const;
};

// A built picture, or why there is none (a text the window and the batch
// tool show as it is).
struct PictureBuild {
    enum class Fault {
        None,
        NoPicture, // the list has no picture (PictureRefusal), or all its values are zero
        BadColumn, // the column is not a value column of the list
        ReadFailed, // a file was missing or bad (reported through the host)
    };
    std::optional<ResultPicture> Picture;
    std::string Reason;
    Fault Problem = Fault::None;
};

// Why \p key has no picture in this project, empty when it may have one:
// only the nodal tables of a plate model (one row per node of .PL6) have
// one; beam, punching and coefficient tables and every table of the plane
// models (AnalysisMethod 21, 22) have none. Reads no file.
std::string PictureRefusal(ListProject& p, const ListKey& key);

// The picture of value column \p column (1-based) of \p key: nodes from
// .NOD and elements from .ELM in the user's length unit, the values through
// ResultGrid::Read (exactly the list's numbers and format); rows the grid
// left out as all zero are 0 at their node. A file error is reported
// through the host as the grid reading does and gives a Reason too.
PictureBuild BuildResultPicture(
    ListProject& p, const ListKey& key, int column, ProgressWindow* window = nullptr);

} // namespace teska
