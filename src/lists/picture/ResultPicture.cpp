// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/picture/ResultPicture.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <stdexcept>

#include "lists/Session.h"
#include "lists/format/FormatNumber.h"
#include "lists/run/ListRequests.h"
#include "lists/run/ResultGrid.h"
#include "project/opening/ProjectReader.h"
#include "suite/Errors.h"

namespace teska {

namespace {

// A corner of a polygon being clipped: its place and its value.
struct Corner {
    double X;
    double Y;
    double V;
};

// Keeps the part of the convex polygon \p in where the value is at least
// (\p above) or at most (!above) \p limit; linear values cut each edge at
// one point.
int ClipPolygon(const Corner* in, int n, double limit, bool above, Corner* out)
{
    int m = 0;
    for (int i = 0; i < n; ++i) {
        const Corner& a = in[i];
        const Corner& b = in[(i + 1) % n];
        const bool aIn = above ? a.V >= limit : a.V <= limit;
        const bool bIn = above ? b.V >= limit : b.V <= limit;
        if (aIn)
            out[m++] = a;
        if (aIn != bIn) {
            const double t = (limit - a.V) / (b.V - a.V);
            out[m++] = Corner{a.X + t * (b.X - a.X), a.Y + t * (b.Y - a.Y), limit};
        }
    }
    return m;
}

double TwiceArea(const Corner* c, int n)
{
    double a = 0;
    for (int i = 0; i < n; ++i) {
        const Corner& p = c[i];
        const Corner& q = c[(i + 1) % n];
        a += p.X * q.Y - q.X * p.Y;
    }
    return std::abs(a);
}

std::uint32_t Mix(std::uint32_t a, std::uint32_t b, double t)
{
    auto channel = [&](int shift) {
        const double x = static_cast<double>((a >> shift) & 0xFF);
        const double y = static_cast<double>((b >> shift) & 0xFF);
        return static_cast<std::uint32_t>(std::lround(x + t * (y - x))) << shift;
    };
    return channel(16) | channel(8) | channel(0);
}

// Piecewise linear colour of \p t in [0, 1] over evenly spaced anchors.
std::uint32_t Sample(const std::vector<std::uint32_t>& anchors, double t)
{
    t = std::clamp(t, 0.0, 1.0) * static_cast<double>(anchors.size() - 1);
    const auto i = std::min(static_cast<std::size_t>(t), anchors.size() - 2);
    return Mix(anchors[i], anchors[i + 1], t - static_cast<double>(i));
}

// ColorBrewer RdBu, 11 classes, from dark blue (most negative) through the
// near-white middle to dark red (most positive).
const std::vector<std::uint32_t> kDiverging = {0x053061, 0x2166AC, 0x4393C3, 0x92C5DE, 0xD1E5F0, 0xF7F7F7,
    0xFDDBC7, 0xF4A582, 0xD6604D, 0xB2182B, 0x67001F};
// viridis (matplotlib), 10 even samples from dark violet to yellow.
const std::vector<std::uint32_t> kSequential
    = {0x440154, 0x482878, 0x3E4A89, 0x31688E, 0x26828E, 0x1F9E89, 0x35B779, 0x6DCD59, 0xB4DE2C, 0xFDE725};

// The nodal result tables of a plate model: one row per node, counted by
// .PL6 (or by .PL4, one node area per node, for the settlement pairs).
bool IsNodalKey(long id)
{
    switch (id) {
    case 138:
    case 90046:
    case 90183:
    case 90184:
    case 90098:
    case 90048:
    case 139:
    case 140:
    case 141:
    case 142:
    case 90049:
    case 150:
    case 146:
    case 90103:
    case 90163:
    case 90105:
        return true;
    default:
        return false;
    }
}

// A heading cell on one line: line feeds become blanks, returns go.
std::string OneLine(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\n')
            out += ' ';
        else if (c != '\r')
            out += c;
    }
    return out;
}

// True when \p text, the formatted \p value, reads back as the value (to
// a millionth of \p step): a legend limit must say where the band ends.
// A text that does not read as a plain number (grouping, exponent with a
// unit) is taken as it is.
bool ShowsExactly(std::string text, double value, double step)
{
    std::replace(text.begin(), text.end(), ',', '.');
    char* end = nullptr;
    const double read = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || *end != '\0')
        return true;
    return std::abs(read - value) <= std::abs(step) * 1e-6;
}

std::string KeyText(const ListKey& key)
{
    if (const long* id = std::get_if<long>(&key))
        return std::to_string(*id);
    return std::get<std::string>(key);
}

} // namespace

void ClipTriangle(const std::array<PicturePoint, 3>& p, const std::array<double, 3>& v,
    const std::vector<double>& limits, std::vector<BandPiece>& out)
{
    const int bands = static_cast<int>(limits.size()) - 1;
    if (bands < 1)
        return;
    auto bandOf = [&](double value) {
        const auto it = std::upper_bound(limits.begin(), limits.end(), value);
        return std::clamp(static_cast<int>(it - limits.begin()) - 1, 0, bands - 1);
    };
    const double lo = std::min({v[0], v[1], v[2]});
    const double hi = std::max({v[0], v[1], v[2]});
    const int first = bandOf(lo);
    const int last = bandOf(hi);
    if (first == last) {
        BandPiece piece;
        piece.Band = first;
        piece.CornerCount = 3;
        for (int i = 0; i < 3; ++i)
            piece.Corners[static_cast<std::size_t>(i)] = p[static_cast<std::size_t>(i)];
        out.push_back(piece);
        return;
    }
    const Corner tri[3] = {{p[0].X, p[0].Y, v[0]}, {p[1].X, p[1].Y, v[1]}, {p[2].X, p[2].Y, v[2]}};
    const double whole = TwiceArea(tri, 3);
    for (int band = first; band <= last; ++band) {
        Corner a[5];
        Corner b[5];
        int n = 3;
        const Corner* cur = tri;
        if (band > first) {
            n = ClipPolygon(cur, n, limits[static_cast<std::size_t>(band)], true, a);
            cur = a;
        }
        if (band < last && n >= 3) {
            n = ClipPolygon(cur, n, limits[static_cast<std::size_t>(band + 1)], false, b);
            cur = b;
        }
        // A piece that is only an edge or a corner (a value on a limit)
        // adds nothing to the fill.
        if (n < 3 || TwiceArea(cur, n) <= whole * 1e-12)
            continue;
        BandPiece piece;
        piece.Band = band;
        piece.CornerCount = n;
        for (int i = 0; i < n; ++i)
            piece.Corners[static_cast<std::size_t>(i)] = PicturePoint{cur[i].X, cur[i].Y};
        out.push_back(piece);
    }
}

std::vector<double> NiceBandLimits(
    double min, double max, const std::function<bool(double, double)>& distinct)
{
    if (!std::isfinite(min) || !std::isfinite(max))
        return {0.0, 1.0};
    if (!(max > min)) {
        const double magnitude
            = std::abs(min) > 0 ? std::pow(10.0, std::floor(std::log10(std::abs(min)))) : 1.0;
        return {min - magnitude / 2, min + magnitude / 2};
    }
    static constexpr double kMantissas[] = {1, 1.2, 1.5, 2, 2.5, 3, 4, 5, 6, 8};
    const double range = max - min;
    int exponent = static_cast<int>(std::floor(std::log10(range / 16))) - 1;
    // The first step giving at most 16 bands; a larger one when its limit
    // texts would repeat.
    for (int guard = 0; guard < 400; ++exponent) {
        for (const double mantissa : kMantissas) {
            ++guard;
            const double step = mantissa * std::pow(10.0, exponent);
            const auto lo = static_cast<long long>(std::floor(min / step + 1e-9));
            const auto hi = static_cast<long long>(std::ceil(max / step - 1e-9));
            const long long count = std::max(1LL, hi - lo);
            if (count > 16)
                continue;
            std::vector<double> limits;
            limits.reserve(static_cast<std::size_t>(count + 1));
            for (long long k = lo; k <= lo + count; ++k)
                limits.push_back(static_cast<double>(k) * step);
            bool ok = true;
            if (distinct)
                for (std::size_t i = 0; i + 1 < limits.size() && ok; ++i)
                    ok = distinct(limits[i], limits[i + 1]);
            if (ok) {
                // The first and last limit exactly at the values when a
                // product k * step lands a rounding step inside them.
                limits.front() = std::min(limits.front(), min);
                limits.back() = std::max(limits.back(), max);
                return limits;
            }
        }
    }
    return {min, max};
}

std::vector<std::uint32_t> BandColors(const std::vector<double>& limits, bool diverging)
{
    std::vector<std::uint32_t> colors;
    if (limits.size() < 2)
        return colors;
    const std::size_t bands = limits.size() - 1;
    colors.reserve(bands);
    if (diverging) {
        // Equal magnitudes get equal lightness on both sides; the bands
        // next to zero keep a tint so that they stand out from the paper.
        const double m = std::max(std::abs(limits.front()), std::abs(limits.back()));
        for (std::size_t i = 0; i < bands; ++i) {
            const double mid = (limits[i] + limits[i + 1]) / 2;
            const double s = 0.12 + 0.88 * std::min(1.0, std::abs(mid) / m);
            colors.push_back(Sample(kDiverging, 0.5 + (mid < 0 ? -s : s) / 2));
        }
        return colors;
    }
    // Sequential: the band of the largest magnitude darkest.
    double low = std::numeric_limits<double>::max();
    double high = 0;
    for (std::size_t i = 0; i < bands; ++i) {
        const double a = std::abs((limits[i] + limits[i + 1]) / 2);
        low = std::min(low, a);
        high = std::max(high, a);
    }
    for (std::size_t i = 0; i < bands; ++i) {
        const double a = std::abs((limits[i] + limits[i + 1]) / 2);
        const double t = high > low ? (a - low) / (high - low) : 0.0;
        colors.push_back(Sample(kSequential, 1.0 - t));
    }
    return colors;
}

ResultPicture ResultPicture::Make(Input in)
{
    ResultPicture pic;
    const std::size_t n = std::min({in.X.size(), in.Y.size()});
    if (in.Values.size() < n)
        in.Values.resize(n, 0.0f);
    pic.m_x = std::move(in.X);
    pic.m_y = std::move(in.Y);
    pic.m_x.resize(n);
    pic.m_y.resize(n);
    pic.m_values = std::move(in.Values);
    pic.m_values.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const char* what = !std::isfinite(pic.m_x[i]) ? "the coordinate x"
            : !std::isfinite(pic.m_y[i])              ? "the coordinate y"
            : !std::isfinite(pic.m_values[i])         ? "the value"
                                                      : nullptr;
        if (what)
            throw std::invalid_argument(
                "node " + std::to_string(i + 1) + ": " + what + " is not a finite number");
    }
    pic.m_rowOfNode = std::move(in.RowOfNode);
    pic.m_pattern = std::move(in.Pattern);
    pic.m_title = std::move(in.Title);
    pic.m_valueUnit = std::move(in.ValueUnit);
    pic.m_lengthUnit = std::move(in.LengthUnit);

    // Triangles and element edges (as low * 2^32 + high, sorted to find the
    // edges of one element: the outline).
    const auto nodes = static_cast<std::int32_t>(n);
    pic.m_nodeCount = nodes;
    std::vector<std::uint64_t> edgeKeys;
    edgeKeys.reserve(in.Elements.size() * 4);
    pic.m_triangles.reserve(in.Elements.size() * 4);
    for (std::size_t e = 0; e < in.Elements.size(); ++e) {
        const auto& el = in.Elements[e];
        int count = 0;
        while (count < 4 && el[static_cast<std::size_t>(count)] != 0)
            ++count;
        for (int k = 0; k < count; ++k) {
            const std::int32_t node = el[static_cast<std::size_t>(k)];
            if (node < 1 || node > nodes)
                throw std::invalid_argument("element " + std::to_string(e + 1) + ": node "
                    + std::to_string(node) + " is not among the " + std::to_string(nodes) + " nodes");
        }
        if (count < 3)
            continue;
        const std::int32_t a = el[0] - 1;
        const std::int32_t b = el[1] - 1;
        const std::int32_t c = el[2] - 1;
        if (count == 3) {
            pic.m_triangles.push_back({a, b, c});
        } else {
            const std::int32_t d = el[3] - 1;
            const auto centre = static_cast<std::int32_t>(pic.m_x.size());
            auto mean = [](const std::vector<float>& v, std::int32_t p, std::int32_t q, std::int32_t r,
                            std::int32_t s) {
                return static_cast<float>(
                    (static_cast<double>(v[static_cast<std::size_t>(p)]) + v[static_cast<std::size_t>(q)]
                        + v[static_cast<std::size_t>(r)] + v[static_cast<std::size_t>(s)])
                    / 4);
            };
            pic.m_x.push_back(mean(pic.m_x, a, b, c, d));
            pic.m_y.push_back(mean(pic.m_y, a, b, c, d));
            pic.m_values.push_back(mean(pic.m_values, a, b, c, d));
            pic.m_triangles.push_back({a, b, centre});
            pic.m_triangles.push_back({b, c, centre});
            pic.m_triangles.push_back({c, d, centre});
            pic.m_triangles.push_back({d, a, centre});
        }
        ++pic.m_elementCount;
        for (int k = 0; k < count; ++k) {
            const auto p = static_cast<std::uint32_t>(el[static_cast<std::size_t>(k)] - 1);
            const auto q = static_cast<std::uint32_t>(el[static_cast<std::size_t>((k + 1) % count)] - 1);
            edgeKeys.push_back(p < q ? (std::uint64_t{p} << 32) | q : (std::uint64_t{q} << 32) | p);
        }
    }
    std::sort(edgeKeys.begin(), edgeKeys.end());
    for (std::size_t i = 0; i < edgeKeys.size();) {
        std::size_t j = i + 1;
        while (j < edgeKeys.size() && edgeKeys[j] == edgeKeys[i])
            ++j;
        const std::array<std::int32_t, 2> edge{static_cast<std::int32_t>(edgeKeys[i] >> 32),
            static_cast<std::int32_t>(edgeKeys[i] & 0xFFFFFFFFu)};
        pic.m_edges.push_back(edge);
        if (j - i == 1)
            pic.m_outline.push_back(edge);
        i = j;
    }

    // Bounds, extremes and bands.
    if (n == 0) {
        pic.m_bounds = PictureRect{0, 0, 1, 1};
    } else {
        const auto [xMin, xMax] = std::minmax_element(pic.m_x.begin(), pic.m_x.begin() + nodes);
        const auto [yMin, yMax] = std::minmax_element(pic.m_y.begin(), pic.m_y.begin() + nodes);
        pic.m_bounds = PictureRect{*xMin, *yMin, *xMax, *yMax};
    }
    double vMin = 0;
    double vMax = 0;
    if (n > 0) {
        const auto [lo, hi] = std::minmax_element(pic.m_values.begin(), pic.m_values.begin() + nodes);
        auto extreme = [&](std::vector<float>::const_iterator it) {
            PictureExtreme x;
            x.Node = static_cast<std::int32_t>(it - pic.m_values.cbegin()) + 1;
            x.Row = pic.RowOfNode(x.Node);
            x.X = pic.m_x[static_cast<std::size_t>(x.Node - 1)];
            x.Y = pic.m_y[static_cast<std::size_t>(x.Node - 1)];
            x.Value = *it;
            x.ValueText = pic.ValueText(*it);
            return x;
        };
        pic.m_smallest = extreme(lo);
        pic.m_largest = extreme(hi);
        vMin = *lo;
        vMax = *hi;
    }
    const std::string& pattern = pic.m_pattern;
    pic.m_limits = NiceBandLimits(vMin, vMax, [&pattern](double a, double b) {
        const std::string ta = FormatNumber(a, pattern);
        const std::string tb = FormatNumber(b, pattern);
        return ta != tb && ShowsExactly(ta, a, b - a) && ShowsExactly(tb, b, b - a);
    });
    pic.m_diverging = pic.m_limits.front() < 0 && pic.m_limits.back() > 0 && vMin < 0 && vMax > 0;
    const std::vector<std::uint32_t> colors = BandColors(pic.m_limits, pic.m_diverging);
    for (std::size_t i = 0; i + 1 < pic.m_limits.size(); ++i)
        pic.m_bands.push_back(PictureBand{pic.m_limits[i], pic.m_limits[i + 1],
            FormatNumber(pic.m_limits[i], pattern), FormatNumber(pic.m_limits[i + 1], pattern), colors[i]});

    pic.buildIndexes();
    return pic;
}

PicturePoint ResultPicture::Node(std::int32_t node) const
{
    const auto i = static_cast<std::size_t>(node - 1);
    return PicturePoint{m_x[i], m_y[i]};
}

double ResultPicture::NodeValue(std::int32_t node) const
{
    return m_values[static_cast<std::size_t>(node - 1)];
}

std::int32_t ResultPicture::RowOfNode(std::int32_t node) const
{
    if (m_rowOfNode.empty())
        return node;
    return m_rowOfNode[static_cast<std::size_t>(node - 1)];
}

std::string ResultPicture::ValueText(double value) const
{
    return FormatNumber(static_cast<float>(value), m_pattern);
}

int ResultPicture::BandOf(double value) const
{
    const int bands = static_cast<int>(m_bands.size());
    const auto it = std::upper_bound(m_limits.begin(), m_limits.end(), value);
    return std::clamp(static_cast<int>(it - m_limits.begin()) - 1, 0, std::max(0, bands - 1));
}

void ResultPicture::buildIndexes()
{
    // About two triangles (and two nodes) a cell, the cells as square as
    // the bounds allow.
    const double w = std::max(m_bounds.Width(), 1e-9);
    const double h = std::max(m_bounds.Height(), 1e-9);
    const double target = std::max<double>(
        1.0, static_cast<double>(std::max<std::size_t>(m_triangles.size() / 2, m_nodeCount)) / 2);
    const double side = std::sqrt(w * h / target);
    m_cols = std::clamp(static_cast<std::int32_t>(std::ceil(w / side)), 1, 4096);
    m_rows = std::clamp(static_cast<std::int32_t>(std::ceil(h / side)), 1, 4096);
    m_cellW = w / m_cols;
    m_cellH = h / m_rows;
    const auto cells = static_cast<std::size_t>(m_cols) * static_cast<std::size_t>(m_rows);

    auto cellX = [&](double x) {
        return std::clamp(static_cast<std::int32_t>((x - m_bounds.Left) / m_cellW), 0, m_cols - 1);
    };
    auto cellY = [&](double y) {
        return std::clamp(static_cast<std::int32_t>((y - m_bounds.Bottom) / m_cellH), 0, m_rows - 1);
    };

    // Nodes: one cell each, by a counting sort.
    m_nodeStart.assign(cells + 1, 0);
    const auto nodes = static_cast<std::size_t>(m_nodeCount);
    for (std::size_t i = 0; i < nodes; ++i)
        ++m_nodeStart[static_cast<std::size_t>(cellY(m_y[i]) * m_cols + cellX(m_x[i])) + 1];
    for (std::size_t c = 0; c < cells; ++c)
        m_nodeStart[c + 1] += m_nodeStart[c];
    m_nodeItems.resize(nodes);
    {
        std::vector<std::int32_t> fill(m_nodeStart.begin(), m_nodeStart.end() - 1);
        for (std::size_t i = 0; i < nodes; ++i) {
            const auto c = static_cast<std::size_t>(cellY(m_y[i]) * m_cols + cellX(m_x[i]));
            m_nodeItems[static_cast<std::size_t>(fill[c]++)] = static_cast<std::int32_t>(i);
        }
    }

    // Triangles: the cell of their box's centre, by a counting sort; the
    // few that reach more than kMaxReach cells from it are kept apart, so
    // that one large element does not widen every look-up.
    constexpr std::int32_t kMaxReach = 4;
    std::vector<std::int32_t> cellOf(m_triangles.size());
    m_triStart.assign(cells + 1, 0);
    m_wide.clear();
    m_reachX = 0;
    m_reachY = 0;
    for (std::size_t k = 0; k < m_triangles.size(); ++k) {
        const auto& t = m_triangles[k];
        const double x0 = std::min({m_x[t[0]], m_x[t[1]], m_x[t[2]]});
        const double x1 = std::max({m_x[t[0]], m_x[t[1]], m_x[t[2]]});
        const double y0 = std::min({m_y[t[0]], m_y[t[1]], m_y[t[2]]});
        const double y1 = std::max({m_y[t[0]], m_y[t[1]], m_y[t[2]]});
        const std::int32_t ci = cellX((x0 + x1) / 2);
        const std::int32_t cj = cellY((y0 + y1) / 2);
        const std::int32_t rx = std::max(ci - cellX(x0), cellX(x1) - ci);
        const std::int32_t ry = std::max(cj - cellY(y0), cellY(y1) - cj);
        if (rx > kMaxReach || ry > kMaxReach) {
            cellOf[k] = -1;
            m_wide.push_back(static_cast<std::int32_t>(k));
            continue;
        }
        m_reachX = std::max(m_reachX, rx);
        m_reachY = std::max(m_reachY, ry);
        cellOf[k] = cj * m_cols + ci;
        ++m_triStart[static_cast<std::size_t>(cellOf[k]) + 1];
    }
    for (std::size_t c = 0; c < cells; ++c)
        m_triStart[c + 1] += m_triStart[c];
    m_triItems.resize(static_cast<std::size_t>(m_triStart.back()));
    std::vector<std::int32_t> fill(m_triStart.begin(), m_triStart.end() - 1);
    for (std::size_t k = 0; k < m_triangles.size(); ++k)
        if (cellOf[k] >= 0)
            m_triItems[static_cast<std::size_t>(fill[static_cast<std::size_t>(cellOf[k])]++)]
                = static_cast<std::int32_t>(k);
}

void ResultPicture::cellRange(
    const PictureRect& r, std::int32_t& i0, std::int32_t& j0, std::int32_t& i1, std::int32_t& j1) const
{
    i0 = std::clamp(static_cast<std::int32_t>(std::floor((r.Left - m_bounds.Left) / m_cellW)), 0, m_cols - 1);
    i1 = std::clamp(
        static_cast<std::int32_t>(std::floor((r.Right - m_bounds.Left) / m_cellW)), 0, m_cols - 1);
    j0 = std::clamp(
        static_cast<std::int32_t>(std::floor((r.Bottom - m_bounds.Bottom) / m_cellH)), 0, m_rows - 1);
    j1 = std::clamp(
        static_cast<std::int32_t>(std::floor((r.Top - m_bounds.Bottom) / m_cellH)), 0, m_rows - 1);
}

template <class Visit> void ResultPicture::visitTriangles(const PictureRect& rect, Visit&& visit) const
{
    if (m_triangles.empty() || !rect.Intersects(m_bounds))
        return;
    auto meets = [&](std::int32_t t) {
        const auto& tri = m_triangles[static_cast<std::size_t>(t)];
        return std::max({m_x[tri[0]], m_x[tri[1]], m_x[tri[2]]}) >= rect.Left
            && std::min({m_x[tri[0]], m_x[tri[1]], m_x[tri[2]]}) <= rect.Right
            && std::max({m_y[tri[0]], m_y[tri[1]], m_y[tri[2]]}) >= rect.Bottom
            && std::min({m_y[tri[0]], m_y[tri[1]], m_y[tri[2]]}) <= rect.Top;
    };
    std::int32_t i0, j0, i1, j1;
    cellRange(rect, i0, j0, i1, j1);
    // Triangles of the cells around the range may reach into it: those
    // are checked by their box, the ones of the range itself are taken.
    const std::int32_t a0 = std::max(0, i0 - m_reachX), a1 = std::min(m_cols - 1, i1 + m_reachX);
    const std::int32_t b0 = std::max(0, j0 - m_reachY), b1 = std::min(m_rows - 1, j1 + m_reachY);
    for (std::int32_t j = b0; j <= b1; ++j) {
        for (std::int32_t i = a0; i <= a1; ++i) {
            const bool inside = i >= i0 && i <= i1 && j >= j0 && j <= j1;
            const auto c = static_cast<std::size_t>(j * m_cols + i);
            for (std::int32_t k = m_triStart[c]; k < m_triStart[c + 1]; ++k) {
                const std::int32_t t = m_triItems[static_cast<std::size_t>(k)];
                if ((inside || meets(t)) && visit(t))
                    return;
            }
        }
    }
    for (const std::int32_t t : m_wide)
        if (meets(t) && visit(t))
            return;
}

void ResultPicture::VisibleTriangles(const PictureRect& rect, std::vector<std::int32_t>& out) const
{
    visitTriangles(rect, [&out](std::int32_t t) {
        out.push_back(t);
        return false;
    });
}

void ResultPicture::TrianglePieces(std::int32_t triangle, std::vector<BandPiece>& out) const
{
    const auto& t = m_triangles[static_cast<std::size_t>(triangle)];
    ClipTriangle({PicturePoint{m_x[t[0]], m_y[t[0]]}, PicturePoint{m_x[t[1]], m_y[t[1]]},
                     PicturePoint{m_x[t[2]], m_y[t[2]]}},
        {m_values[t[0]], m_values[t[1]], m_values[t[2]]}, m_limits, out);
}

std::optional<double> ResultPicture::ValueAt(double x, double y) const
{
    std::optional<double> value;
    visitTriangles(PictureRect{x, y, x, y}, [&](std::int32_t k) {
        const auto& t = m_triangles[static_cast<std::size_t>(k)];
        const double ax = m_x[t[0]], ay = m_y[t[0]];
        const double bx = m_x[t[1]], by = m_y[t[1]];
        const double cx = m_x[t[2]], cy = m_y[t[2]];
        const double d = (by - cy) * (ax - cx) + (cx - bx) * (ay - cy);
        if (d == 0)
            return false;
        const double l1 = ((by - cy) * (x - cx) + (cx - bx) * (y - cy)) / d;
        const double l2 = ((cy - ay) * (x - cx) + (ax - cx) * (y - cy)) / d;
        const double l3 = 1 - l1 - l2;
        constexpr double eps = -1e-9;
        if (l1 < eps || l2 < eps || l3 < eps)
            return false;
        value = l1 * m_values[t[0]] + l2 * m_values[t[1]] + l3 * m_values[t[2]];
        return true;
    });
    return value;
}

std::int32_t ResultPicture::NearestNode(double x, double y) const
{
    if (m_nodeCount == 0)
        return 0;
    std::int32_t ci, cj, unused0, unused1;
    cellRange(PictureRect{x, y, x, y}, ci, cj, unused0, unused1);
    std::int32_t best = -1;
    double bestD = std::numeric_limits<double>::max();
    // Rings of cells around the point's cell, until the ring lies farther
    // away than the nearest node found.
    for (std::int32_t ring = 0;; ++ring) {
        const std::int32_t i0 = ci - ring, i1 = ci + ring, j0 = cj - ring, j1 = cj + ring;
        if (i0 < 0 && j0 < 0 && i1 >= m_cols && j1 >= m_rows)
            break;
        for (std::int32_t j = std::max(j0, 0); j <= std::min(j1, m_rows - 1); ++j) {
            for (std::int32_t i = std::max(i0, 0); i <= std::min(i1, m_cols - 1); ++i) {
                if (j != j0 && j != j1 && i != i0 && i != i1)
                    continue;
                const auto c = static_cast<std::size_t>(j * m_cols + i);
                for (std::int32_t k = m_nodeStart[c]; k < m_nodeStart[c + 1]; ++k) {
                    const auto node = static_cast<std::size_t>(m_nodeItems[static_cast<std::size_t>(k)]);
                    const double dx = m_x[node] - x;
                    const double dy = m_y[node] - y;
                    const double d = dx * dx + dy * dy;
                    if (d < bestD || (d == bestD && static_cast<std::int32_t>(node) < best)) {
                        bestD = d;
                        best = static_cast<std::int32_t>(node);
                    }
                }
            }
        }
        // Every node outside the rings seen so far is at least this far.
        const double reach = ring * std::min(m_cellW, m_cellH);
        if (best >= 0 && reach * reach > bestD)
            break;
    }
    return best + 1;
}

std::string PictureRefusal(ListProject& p, const ListKey& key)
{
    const int method = p.project.AnalysisMethod;
    const std::string list = "List " + KeyText(key) + " (" + OneLine(ListCaption(p, key)) + ")";
    if (method == 21 || method == 22)
        return list + " has no picture: the project is a plane model (analysis method "
            + std::to_string(method) + "), not a slab with one value per node.";
    if (std::holds_alternative<std::string>(key))
        return list + " has no picture: its columns are nodes, not one value per node.";
    if (!IsNodalKey(std::get<long>(key)))
        return list + " has no picture: it does not hold one value per node of the slab.";
    return {};
}

PictureBuild BuildResultPicture(ListProject& p, const ListKey& key, int column, ProgressWindow* window)
{
    PictureBuild build;
    build.Reason = PictureRefusal(p, key);
    if (!build.Reason.empty()) {
        build.Problem = PictureBuild::Fault::NoPicture;
        return build;
    }
    std::optional<ResultGrid> grid = ResultGrid::Read(p, key, window);
    if (!grid) {
        const bool stopped = p.session.tools.RunStopped();
        build.Problem = stopped ? PictureBuild::Fault::ReadFailed : PictureBuild::Fault::NoPicture;
        build.Reason = stopped
            ? "The values of list " + KeyText(key) + " could not be read; there is no picture."
            : "Every value of list " + KeyText(key) + " is zero; there is no picture.";
        return build;
    }
    if (column < 1 || column > grid->ColumnCount()) {
        build.Problem = PictureBuild::Fault::BadColumn;
        build.Reason = "List " + KeyText(key) + " has no value column " + std::to_string(column)
            + " (columns 1 to " + std::to_string(grid->ColumnCount()) + ").";
        return build;
    }
    const std::string stem = p.project.ProjectDirectory + p.project.ProjectBaseName;
    try {
        NodeCoordinates nodes = ProjectReader::ReadNodes(stem);
        std::vector<ElementNodes> elements = ProjectReader::ReadElements(stem);
        ResultPicture::Input in;
        const double factor = p.session.environment.Units().LengthFactor;
        const std::size_t n = nodes.NodeCount();
        in.X = std::move(nodes.X);
        in.Y = std::move(nodes.Y);
        for (std::size_t i = 0; i < n; ++i) {
            in.X[i] = static_cast<float>(in.X[i] * factor);
            in.Y[i] = static_cast<float>(in.Y[i] * factor);
        }
        in.Values.assign(n, 0.0f);
        in.RowOfNode.assign(n, 0);
        for (std::int32_t r = 1; r <= grid->RowCount(); ++r) {
            const std::int32_t node = grid->RowNumber(r);
            if (node < 1 || static_cast<std::size_t>(node) > n) {
                build.Problem = PictureBuild::Fault::ReadFailed;
                build.Reason = "Row " + std::to_string(node) + " of list " + KeyText(key) + " has no node in "
                    + stem + ".NOD (" + std::to_string(n) + " nodes); there is no picture.";
                return build;
            }
            in.Values[static_cast<std::size_t>(node - 1)] = grid->Value(r, column);
            in.RowOfNode[static_cast<std::size_t>(node - 1)] = r;
        }
        in.Elements.reserve(elements.size());
        for (const ElementNodes& e : elements) {
            std::array<std::int32_t, 4> nodesOf{};
            for (std::int32_t k = 0; k < e.NodeCount && k < 4; ++k)
                nodesOf[static_cast<std::size_t>(k)] = e.Nodes[static_cast<std::size_t>(k)];
            in.Elements.push_back(nodesOf);
        }
        in.Pattern = grid->ColumnPattern(column);
        std::string caption = OneLine(grid->Heading(0, column));
        const std::string symbol = OneLine(grid->Heading(1, column));
        if (!symbol.empty())
            caption += caption.empty() ? symbol : " " + symbol;
        in.Title = OneLine(ListCaption(p, key)) + (caption.empty() ? "" : ": " + caption);
        in.ValueUnit = OneLine(grid->Heading(2, column));
        in.LengthUnit = p.session.environment.Units().LengthUnit;
        try {
            build.Picture = ResultPicture::Make(std::move(in));
        } catch (const std::invalid_argument& e) {
            build.Problem = PictureBuild::Fault::ReadFailed;
            const std::string what = e.what();
            build.Reason
                = (what.starts_with("element")                           ? stem + ".ELM: "
                          : what.find("coordinate") != std::string::npos ? stem + ".NOD: "
                                                                         : "List " + KeyText(key) + ": ")
                + what;
        }
    } catch (const RuntimeError& e) {
        build.Problem = PictureBuild::Fault::ReadFailed;
        build.Reason = e.what();
    }
    return build;
}

} // namespace teska
