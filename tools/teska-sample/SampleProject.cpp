// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teska-sample/SampleProject.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <stdexcept>

#include "teska-sample/SampleRandom.h"

namespace teska::sample {

namespace {

constexpr std::size_t MaxNodes = 4'000'000;

// Short text of a round input value, for the job description.
std::string FieldNumber(double v)
{
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}

std::string Name(const char* prefix, std::size_t i)
{
    std::string name(prefix);
    name.append(std::to_string(i));
    return name;
}

void CheckOptions(const SampleOptions& o)
{
    if (o.Method < 1 || o.Method > 22)
        throw std::invalid_argument("--method must be 1 to 22");
    if (o.NodesX < 2 || o.NodesY < 2)
        throw std::invalid_argument("--nodes needs at least 2 nodes in each direction");
    if (static_cast<std::size_t>(o.NodesX) * static_cast<std::size_t>(o.NodesY) > MaxNodes)
        throw std::invalid_argument("--nodes gives more than 4000000 nodes");
    if (o.Borings < 1 || o.Borings > 20)
        throw std::invalid_argument("--borings must be 1 to 20");
}

SlabParameters DrawSlab(Random& rnd)
{
    SlabParameters s;
    s.Lx = rnd.Step(10.0, 24.0, 0.5);
    s.Ly = rnd.Step(8.0, 16.0, 0.5);
    s.h = rnd.Step(0.4, 0.8, 0.05);
    s.E = 3.0e7;
    s.nu = 0.2;
    s.ks = rnd.Step(1.0e4, 4.0e4, 1000.0);
    s.q = rnd.Step(5.0, 20.0, 0.5);
    // A regular pattern of columns, 2 or 3 along x and 2 along y, each moved
    // a little off its grid position.
    const int cx = rnd.Below(2) + 2;
    const int cy = 2;
    for (int j = 0; j < cy; ++j) {
        for (int i = 0; i < cx; ++i) {
            ColumnLoad c;
            c.X = s.Lx * (i + 1) / (cx + 1) + rnd.Uniform(-0.05, 0.05) * s.Lx;
            c.Y = s.Ly * (j + 1) / (cy + 1) + rnd.Uniform(-0.05, 0.05) * s.Ly;
            c.X = std::round(c.X * 20.0) / 20.0;
            c.Y = std::round(c.Y * 20.0) / 20.0;
            c.P = rnd.Step(400.0, 1600.0, 10.0);
            c.SideA = rnd.Step(0.3, 0.6, 0.05);
            c.SideB = rnd.Step(0.3, 0.6, 0.05);
            s.Columns.push_back(c);
        }
    }
    return s;
}

std::vector<Boring> DrawBorings(Random& rnd, const SlabParameters& s, int count)
{
    std::vector<Boring> out;
    for (int b = 0; b < count; ++b) {
        Boring bore;
        bore.Name = Name("B", b + 1);
        bore.X = std::round(rnd.Uniform(0.1, 0.9) * s.Lx * 10.0) / 10.0;
        bore.Y = std::round(rnd.Uniform(0.1, 0.9) * s.Ly * 10.0) / 10.0;
        bore.GroundLevel = rnd.Step(-0.5, 0.5, 0.05);
        const int layers = 3 + rnd.Below(3);
        double depth = 0;
        for (int l = 0; l < layers; ++l) {
            SoilLayer layer;
            depth += rnd.Step(1.0, 4.0, 0.1);
            layer.Bottom = depth;
            // Stiffer and more frictional with depth.
            layer.Es = rnd.Step(8000.0, 20000.0, 500.0) * (1.0 + 0.6 * l);
            layer.Nu = rnd.Step(0.25, 0.35, 0.01);
            layer.Gamma = rnd.Step(17.0, 21.0, 0.5);
            layer.Phi = rnd.Step(22.0, 35.0, 0.5);
            layer.C = rnd.Step(0.0, 15.0, 1.0);
            layer.Cc = rnd.Step(0.05, 0.30, 0.01);
            layer.Eo = rnd.Step(0.5, 0.9, 0.01);
            bore.Layers.push_back(layer);
        }
        out.push_back(bore);
    }
    return out;
}

// Tributary length of node i of n equally spaced nodes with spacing d.
double Tributary(int i, int n, double d)
{
    return (i == 0 || i == n - 1) ? d / 2.0 : d;
}

void BuildMesh(SampleProject& p, double width, double height, double yOffset)
{
    const int nx = p.Options.NodesX;
    const int ny = p.Options.NodesY;
    const std::size_t n = static_cast<std::size_t>(nx) * static_cast<std::size_t>(ny);
    const double dx = width / (nx - 1);
    const double dy = height / (ny - 1);
    p.NodeX.resize(n);
    p.NodeY.resize(n);
    p.NodeArea.resize(n);
    for (int j = 0; j < ny; ++j) {
        for (int i = 0; i < nx; ++i) {
            const std::size_t k = static_cast<std::size_t>(j) * nx + i;
            p.NodeX[k] = static_cast<float>(i * dx);
            p.NodeY[k] = static_cast<float>(yOffset + j * dy);
            p.NodeArea[k] = static_cast<float>(Tributary(i, nx, dx) * Tributary(j, ny, dy));
        }
    }
    p.Elements.reserve(static_cast<std::size_t>(nx - 1) * (ny - 1));
    for (int j = 0; j + 1 < ny; ++j) {
        for (int i = 0; i + 1 < nx; ++i) {
            const std::int32_t a = j * nx + i + 1;
            p.Elements.push_back({a, a + 1, a + 1 + nx, a + nx});
        }
    }
}

std::vector<float>& Column(SampleProject& p, const char* ext)
{
    std::vector<float>& v = p.NodeColumns[ext];
    v.assign(p.NodeCount(), 0.0f);
    return v;
}

void BuildPlate(SampleProject& p)
{
    const SlabParameters& s = p.Slab;
    BuildMesh(p, s.Lx, s.Ly, 0.0);
    const bool design = p.Project.Options[3] == 1;
    const bool supports
        = p.Project.Options[4] == 1 || p.Project.Options[5] == 1 || p.Project.Options[12] == 1;
    auto& w = Column(p, ".PH1");
    auto& q = Column(p, ".PH2");
    auto& mx = Column(p, ".PH3");
    auto& my = Column(p, ".PH4");
    auto& mxy = Column(p, ".PH5");
    auto& qx = Column(p, ".PH6");
    auto& qy = Column(p, ".PH7");
    auto& su = Column(p, ".PH8");
    auto& qu = Column(p, ".PH9");
    auto& thx = Column(p, ".THX");
    auto& thy = Column(p, ".THY");
    auto& ks = Column(p, ".PW1");
    // Settlement pairs: all loads, the uniform load alone, the columns alone.
    auto& f1 = Column(p, ".PT2");
    auto& s1 = Column(p, ".PT3");
    auto& f2 = Column(p, ".PP2");
    auto& s2 = Column(p, ".PP3");
    auto& s3 = Column(p, ".PV1");
    auto& f3 = Column(p, ".PV2");
    std::vector<float>* reactions[3] = {nullptr, nullptr, nullptr};
    if (supports) {
        reactions[0] = &Column(p, ".H10");
        reactions[1] = &Column(p, ".H11");
        reactions[2] = &Column(p, ".H12");
    }
    std::vector<float>* as[4] = {nullptr, nullptr, nullptr, nullptr};
    if (design) {
        as[0] = &Column(p, ".H13");
        as[1] = &Column(p, ".H14");
        as[2] = &Column(p, ".H15");
        as[3] = &Column(p, ".H16");
    }
    for (std::size_t k = 0; k < p.NodeCount(); ++k) {
        const PlateResult r = EvaluatePlate(s, p.NodeX[k], p.NodeY[k]);
        const double area = p.NodeArea[k];
        w[k] = static_cast<float>(r.w);
        q[k] = static_cast<float>(r.p);
        mx[k] = static_cast<float>(r.mx);
        my[k] = static_cast<float>(r.my);
        mxy[k] = static_cast<float>(r.mxy);
        qx[k] = static_cast<float>(r.Qx);
        qy[k] = static_cast<float>(r.Qy);
        su[k] = static_cast<float>(r.su);
        qu[k] = static_cast<float>(r.qu);
        thx[k] = static_cast<float>(r.ThetaX);
        thy[k] = static_cast<float>(r.ThetaY);
        ks[k] = static_cast<float>(s.ks);
        f1[k] = static_cast<float>(r.p * area);
        s1[k] = static_cast<float>(r.w);
        f2[k] = static_cast<float>(r.qu * area);
        s2[k] = static_cast<float>(r.su);
        s3[k] = static_cast<float>(r.w - r.su);
        f3[k] = static_cast<float>((r.p - r.qu) * area);
        if (supports) // the springs: force V = p A, no moments
            (*reactions[0])[k] = static_cast<float>(r.p * area);
        if (design) {
            const Reinforcement a = ReinforcementFor(s, r);
            (*as[0])[k] = static_cast<float>(a.TopX);
            (*as[1])[k] = static_cast<float>(a.BotX);
            (*as[2])[k] = static_cast<float>(a.TopY);
            (*as[3])[k] = static_cast<float>(a.BotY);
        }
    }
    // Ultimate bearing pressure per node from the nearest boring.
    auto& qul = Column(p, ".QUN");
    std::vector<float> qb;
    std::vector<float> ksm;
    for (const Boring& b : p.Borings) {
        qb.push_back(static_cast<float>(BearingPressure(b, std::min(s.Lx, s.Ly))));
        ksm.push_back(static_cast<float>(s.ks));
    }
    for (std::size_t k = 0; k < p.NodeCount(); ++k) {
        std::size_t best = 0;
        double bestD = 1e300;
        for (std::size_t b = 0; b < p.Borings.size(); ++b) {
            const double d = std::hypot(p.NodeX[k] - p.Borings[b].X, p.NodeY[k] - p.Borings[b].Y);
            if (d < bestD) {
                bestD = d;
                best = b;
            }
        }
        qul[k] = qb[best];
    }
    p.BoringValues[".QUB"] = qb;
    p.BoringValues[".PW2"] = ksm;

    for (const ColumnLoad& c : s.Columns)
        p.Punching.push_back(PunchingAt(s, c));

    // Edge beams along the four sides, 0.5 m wide: torsion from mxy, the
    // bending moment and shear across the beam from the plate values.
    const int nx = p.Options.NodesX;
    const int ny = p.Options.NodesY;
    const double b = 0.5;
    auto beam = [&](std::int32_t n1, std::int32_t n2, bool alongX) {
        const std::size_t a = n1 - 1;
        const std::size_t e = n2 - 1;
        const auto& m = alongX ? mx : my;
        const auto& v = alongX ? qx : qy;
        BeamRecord el;
        el.Node1 = n1;
        el.Node2 = n2;
        el.S = {static_cast<float>(b * 0.5 * (mxy[a] + mxy[e])), static_cast<float>(b * m[a]),
            static_cast<float>(b * m[e]), static_cast<float>(b * v[a]), static_cast<float>(b * v[e])};
        p.Beams.push_back(el);
    };
    for (int i = 0; i + 1 < nx; ++i) {
        beam(i + 1, i + 2, true);
        beam((ny - 1) * nx + i + 1, (ny - 1) * nx + i + 2, true);
    }
    for (int j = 0; j + 1 < ny; ++j) {
        beam(j * nx + 1, (j + 1) * nx + 1, false);
        beam(j * nx + nx, (j + 1) * nx + nx, false);
    }
}

// Horizontal load on the frame strips (kN/m of strip width), applied at the
// left end and taken by a horizontal support at the right end.
constexpr double FrameHorizontalLoad = 20.0;

// AnalysisMethod 21: NY strips along x, each a chain of beams on springs,
// cut from the plate at the node's y; AnalysisMethod 22: the vertical
// section through the first column line, NY nodes across the thickness.
void BuildPlane(SampleProject& p)
{
    const SlabParameters& s = p.Slab;
    const int nx = p.Options.NodesX;
    const int ny = p.Options.NodesY;
    const bool frame = p.Options.Method == 21;
    const double yLine = s.Columns.front().Y;
    if (frame)
        BuildMesh(p, s.Lx, s.Ly, 0.0);
    else
        BuildMesh(p, s.Lx, s.h, -s.h / 2.0);
    const double dx = s.Lx / (nx - 1);
    auto& u = Column(p, ".U_x");
    auto& v = Column(p, ".PH1");
    auto& rh = Column(p, ".H10");
    auto& rv = Column(p, ".H11");
    if (frame) {
        auto& th = Column(p, ".THZ");
        Column(p, ".H12"); // no moment restraint: zeros
        const double dy = s.Ly / (ny - 1);
        for (int j = 0; j < ny; ++j) {
            const double width = Tributary(j, ny, dy);
            for (int i = 0; i < nx; ++i) {
                const std::size_t k = static_cast<std::size_t>(j) * nx + i;
                const double x = p.NodeX[k];
                const Deflection d = EvaluateDeflection(s, x, p.NodeY[k]);
                u[k] = static_cast<float>(FrameHorizontalLoad * (s.Lx - x) / (s.E * s.h));
                v[k] = static_cast<float>(d.w);
                th[k] = static_cast<float>(d.wx);
                rv[k] = static_cast<float>(s.ks * d.w * Tributary(i, nx, dx) * width);
                if (i == nx - 1)
                    rh[k] = static_cast<float>(FrameHorizontalLoad * width);
            }
            for (int i = 0; i + 1 < nx; ++i) {
                const std::size_t a = static_cast<std::size_t>(j) * nx + i;
                const PlateResult r1 = EvaluatePlate(s, p.NodeX[a], p.NodeY[a]);
                const PlateResult r2 = EvaluatePlate(s, p.NodeX[a + 1], p.NodeY[a + 1]);
                BeamRecord el;
                el.Node1 = static_cast<std::int32_t>(a + 1);
                el.Node2 = static_cast<std::int32_t>(a + 2);
                el.S = {static_cast<float>(-FrameHorizontalLoad * width), static_cast<float>(r1.mx * width),
                    static_cast<float>(r2.mx * width), static_cast<float>(r1.Qx * width),
                    static_cast<float>(r2.Qx * width)};
                p.Beams.push_back(el);
            }
        }
        return;
    }
    auto& sx = Column(p, ".S_X");
    auto& sy = Column(p, ".S_Y");
    auto& txy = Column(p, ".TXY");
    auto& ex = Column(p, ".VAX");
    auto& ey = Column(p, ".VAY");
    auto& gxy = Column(p, ".VXY");
    for (std::size_t k = 0; k < p.NodeCount(); ++k) {
        const double z = -p.NodeY[k]; // node Y is the height above the mid-plane
        const PlaneResult r = EvaluatePlane(s, p.NodeX[k], yLine, z);
        u[k] = static_cast<float>(r.u);
        v[k] = static_cast<float>(r.v);
        sx[k] = static_cast<float>(r.Sx);
        sy[k] = static_cast<float>(r.Sz);
        txy[k] = static_cast<float>(r.Txz);
        ex[k] = static_cast<float>(r.Ex);
        ey[k] = static_cast<float>(r.Ez);
        gxy[k] = static_cast<float>(r.Gxz);
        if (k < static_cast<std::size_t>(nx)) // bottom row of nodes on the soil
            rv[k] = static_cast<float>(s.ks * r.v * Tributary(static_cast<int>(k), nx, dx));
    }
}

} // namespace

bool IsPlaneMethod(int method)
{
    return method == 21 || method == 22;
}

std::array<std::int16_t, 13> ProjectOptionsFor(int method, std::size_t nodeCount)
{
    std::array<std::int16_t, 13> o{};
    const bool plane = IsPlaneMethod(method);
    const std::int16_t plate = plane ? 0 : 1;
    o[0] = plate; // settlement pair 2 (.PP2/.PP3) and .PP1
    o[1] = plate; // settlement pair 1 (.PT2/.PT3) and temperature .PT1
    o[2] = plate; // settlement pair 3 (.PV1/.PV2)
    o[3] = plate; // reinforcement design and punching (.P23, .PPU)
    o[4] = 1; // point data .P35 and support reactions
    o[5] = 1; // supports .P61/.P71/.P31 and support reactions
    o[6] = method == 22 ? 0 : 1; // beams .GL1/.GH1; the plane section has none
    // Settlement at a characteristic point (.LDH/.LD1). Left out for the
    // methods 1, 5 and 6, whose other options already offer 18 result lists
    // for printing, the most that one print run takes.
    o[7] = (plate && method != 1 && method != 5 && method != 6) ? 1 : 0;
    o[8] = nodeCount > MaxCoefficientNodes ? 4 : 1; // borings, or no matrices
    o[12] = plate; // piles (.PL9, .PL3, .PIL, .QP1-.QP3)
    return o;
}

SampleProject BuildSampleProject(const SampleOptions& options)
{
    CheckOptions(options);
    SampleProject p;
    p.Options = options;
    Random rnd(options.Seed);
    p.Slab = DrawSlab(rnd);
    p.Borings = DrawBorings(rnd, p.Slab, options.Borings);
    const std::size_t nodes = static_cast<std::size_t>(options.NodesX) * options.NodesY;
    p.Project.ProjectType = 1;
    p.Project.AnalysisMethod = options.Method;
    p.Project.Options = ProjectOptionsFor(options.Method, nodes);
    p.JobLines = {"Generated sample project - not a real design",
        "Slab " + FieldNumber(p.Slab.Lx) + " m x " + FieldNumber(p.Slab.Ly)
            + " m, h = " + FieldNumber(p.Slab.h) + " m, ks = " + FieldNumber(p.Slab.ks) + " kN/m3",
        "AnalysisMethod " + std::to_string(options.Method) + ", seed " + std::to_string(options.Seed)};
    p.Project.JobLines.assign(p.JobLines.begin(), p.JobLines.end());
    p.WriteCoefficients = nodes <= MaxCoefficientNodes;
    if (IsPlaneMethod(options.Method))
        BuildPlane(p);
    else
        BuildPlate(p);
    return p;
}

} // namespace teska::sample
