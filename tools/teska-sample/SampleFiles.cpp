// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// WriteSampleProject: the project file and every sibling, written through
// the engine's own writers so that the layouts are the ones its readers
// expect: the project files, the project data (.NOD, .ELM, .SLB, .LDS), the
// input files and the result files.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <stdexcept>

#include "project/data/ProjectData.h"
#include "project/input/InputFiles.h"
#include "project/results/ResultFiles.h"
#include "suite/Errors.h"
#include "teska-sample/SampleProject.h"

namespace teska::sample {

namespace {

// The stress from the load falls to this share of the overburden at the
// limit depth of the settlement (.BAU record 1 and the settlement point).
constexpr double LimitDepthCoefficient = 0.2;

bool OneOf(int value, std::initializer_list<int> set)
{
    return std::find(set.begin(), set.end(), value) != set.end();
}

float F(double v)
{
    return static_cast<float>(v);
}

std::int16_t I16(std::size_t v)
{
    return static_cast<std::int16_t>(std::min<std::size_t>(v, 32767));
}

// The value rounded to four significant digits, as the calculation
// programs print their coefficient matrices; keeps the files short.
float Significant4(double v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.4g", v);
    return std::strtof(buf, nullptr);
}

// The punching file: one cross-section type per column, in column order;
// the skipped groups hold the four corners of the column (k1 pairs) and
// nothing else.
PunchingFile PunchingFileOf(const SampleProject& p)
{
    PunchingFile f;
    const std::vector<ColumnLoad>& columns = p.Slab.Columns;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const ColumnLoad& c = columns[i];
        f.Points.push_back({F(c.P), F(c.X), F(c.Y), I16(i + 1)});
        f.Types.push_back({F(c.SideA), F(c.SideB)});
        const PunchingCheck& r = p.Punching[i];
        PunchingResult out;
        out.Qp = F(r.Qp);
        out.Qo = F(r.Qo);
        out.PA = F(r.PA);
        out.AL = F(r.AL);
        out.Dp = F(r.Dp);
        out.Rpa = F(r.Rpa);
        for (int corner = 0; corner < 4; ++corner) {
            const double sx = (corner == 0 || corner == 3) ? -0.5 : 0.5;
            const double sy = corner < 2 ? -0.5 : 0.5;
            out.Skipped.Pairs.push_back({F(c.X + sx * c.SideA), F(c.Y + sy * c.SideB)});
        }
        f.Results.push_back(std::move(out));
    }
    return f;
}

class Writer {
public:
    Writer(const SampleProject& p, std::string base)
        : m_p(p)
        , m_base(std::move(base))
    { }

    std::string Path(const std::string& ext) { return m_base + ext; }
    void Saved(const std::string& ext) { m_written.push_back(ext); }
    void Input(const std::string& ext, const std::string& bytes)
    {
        SaveInputFile(Path(ext), bytes);
        Saved(ext);
    }
    std::vector<std::string> Written() const { return m_written; }

    void Run();

private:
    void ProjectFiles();
    void ProjectData();
    void SlabFile();
    void SoilFile();
    void SupportFiles();
    void LoadFiles();
    void BeamInput();
    void PlateExtras();
    void PileFiles();
    void SettlementPoint();
    void Results();
    void Coefficients();

    // Number (from 1) of the node nearest to (x, y).
    std::int32_t NearestNode(double x, double y) const
    {
        std::size_t best = 0;
        double bestD = 1e300;
        for (std::size_t k = 0; k < m_p.NodeCount(); ++k) {
            const double d = std::hypot(m_p.NodeX[k] - x, m_p.NodeY[k] - y);
            if (d < bestD) {
                bestD = d;
                best = k;
            }
        }
        return static_cast<std::int32_t>(best + 1);
    }
    bool Option(int n) const { return m_p.Project.Options[static_cast<std::size_t>(n - 1)] == 1; }
    std::vector<PointXY> Outline() const
    {
        const SlabParameters& s = m_p.Slab;
        return {{0, 0}, {F(s.Lx), 0}, {F(s.Lx), F(s.Ly)}, {0, F(s.Ly)}};
    }

    const SampleProject& m_p;
    std::string m_base;
    std::vector<std::string> m_written;
};

void Writer::Run()
{
    ProjectFiles();
    ProjectData();
    SlabFile();
    SoilFile();
    LoadFiles();
    if (Option(6))
        SupportFiles();
    if (Option(7))
        BeamInput();
    if (!IsPlaneMethod(m_p.Options.Method))
        PlateExtras();
    if (Option(13))
        PileFiles();
    if (Option(8))
        SettlementPoint();
    Results();
    if (m_p.WriteCoefficients)
        Coefficients();
}

void Writer::ProjectFiles()
{
    WriteProjectFile(Path(".PO1"), m_p.Project);
    Saved(".PO1");
    WriteJobFile(Path(".AUF"), m_p.JobLines);
    Saved(".AUF");
    if (Option(4)) {
        // Concrete 30 MN/m2 and steel 500 MN/m2 (EC 2: C 30/37, BSt 500);
        // covers 0.05 m at top and bottom in both directions.
        WriteDesignParameterFile(Path(".P23"), {30, 500, 0.05, 0.05, 0.05, 0.05}, "EC 2");
        Saved(".P23");
        WritePunchingResults(Path(".PPU"), PunchingFileOf(m_p));
        Saved(".PPU");
    }
}

void Writer::ProjectData()
{
    const SlabParameters& s = m_p.Slab;
    NodeCoordinates nodes;
    nodes.X = m_p.NodeX;
    nodes.Y = m_p.NodeY;
    WriteNodeFile(Path(".NOD"), nodes);
    Saved(".NOD");
    std::vector<ElementNodes> elements;
    elements.reserve(m_p.Elements.size());
    for (const auto& e : m_p.Elements)
        elements.push_back({4, e});
    WriteElementFile(Path(".ELM"), elements);
    Saved(".ELM");
    SlabData slab;
    slab.UnitWeight = 25.0f;
    slab.Tk = 10.0f; // the temperatures of the slab mark "J"
    slab.Tf = 0.0f;
    slab.Hm = 0.5f;
    slab.Regions.push_back({F(s.h), F(s.E), F(s.nu)});
    WriteSlabFile(Path(".SLB"), slab);
    Saved(".SLB");
    // One load case: the column loads at the nodes nearest to the columns.
    // The uniform load is an area load of .PC1, which this file cannot hold.
    ProjectLoads loads;
    LoadCase columns;
    columns.Name = "Column loads";
    for (const ColumnLoad& c : s.Columns)
        columns.NodeLoads.push_back({NearestNode(c.X, c.Y), F(c.P), 0.0f, 0.0f});
    loads.Cases.push_back(std::move(columns));
    WriteLoadFile(Path(".LDS"), loads);
    Saved(".LDS");
}

void Writer::SlabFile()
{
    const SlabParameters& s = m_p.Slab;
    SlabFileP21 f;
    f.Record1 = 25.0f; // unit weight of the slab, kN/m3
    f.Record3 = F(s.ks);
    f.Records4To7 = {0.0f, 0.0f, 0.0f, F(s.h)}; // Xo, Yo, Beta, Hm
    // Design results for the plate methods: the mark "J" with Tk and Tf.
    const bool plate = !IsPlaneMethod(m_p.Options.Method);
    f.SlabMark = plate ? "J" : "N";
    f.Record9 = plate ? 0.3f : 0.0f;
    f.Items.push_back({F(s.h), F(s.E), F(s.nu)});
    f.ElementNumbers.assign(m_p.Elements.size(), 1);
    Input(".P21", WriteSlabFileP21(f));
}

void Writer::SoilFile()
{
    SoilFileBAU f;
    // The limit-depth coefficient first, as the soil data list reads it;
    // record 5 is the ground water level.
    f.Records1To3
        = {F(LimitDepthCoefficient), 0.5f, 0.0f}; // limit-depth coefficient, foundation depth, unused
    f.Record5 = 2.0f;
    for (const Boring& b : m_p.Borings) {
        BoringBAU out;
        out.X = F(b.X);
        out.Y = F(b.Y);
        out.Name = b.Name;
        out.HeaderValue = F(b.GroundLevel);
        // Per layer, in the order of the soil data list: thickness, Es, E,
        // Nue, Cc; then eo, Gama; then Fhi, c. E follows from the
        // oedometric modulus: E = Es (1 + nu)(1 - 2 nu) / (1 - nu).
        double top = 0;
        for (const SoilLayer& l : b.Layers) {
            const double e = l.Es * (1.0 + l.Nu) * (1.0 - 2.0 * l.Nu) / (1.0 - l.Nu);
            out.Layers.push_back({F(l.Bottom - top), F(l.Es), F(e), F(l.Nu), F(l.Cc)});
            out.LayerEntries.push_back({F(l.Eo), F(l.Gamma)});
            out.LayerEntries2.push_back({F(l.Phi), F(l.C)});
            top = l.Bottom;
        }
        out.Value = F(m_p.Slab.ks);
        f.Borings.push_back(out);
    }
    f.Values = {F(m_p.Slab.Lx), F(m_p.Slab.Ly)};
    f.LastValue = F(m_p.Slab.h);
    f.LastNumber = 1;
    Input(".BAU", WriteSoilFileBAU(f));
}

void Writer::SupportFiles()
{
    // One support item: the elastic bed under the whole outline, w on
    // springs of modulus ks, both rotations free.
    const std::string ks = SingleText(F(m_p.Slab.ks));
    SupportFileP61 p61;
    p61.Title = "Supports";
    p61.Items.push_back({1, "Elastic bed", "Winkler springs", "whole slab"});
    p61.Pairs.push_back({1, 4});
    Input(".P61", WriteSupportFileP61(p61));
    SupportFileP71 p71;
    p71.Title = "Supports";
    p71.Items.push_back({1, "Elastic bed", "Winkler springs"});
    Input(".P71", WriteSupportFileP71(p71));
    SupportFileP31 p31;
    p31.Title = "Support conditions";
    p31.Items.push_back({4, 1, {ks, "F", "F"}});
    p31.Points = Outline();
    Input(".P31", WriteSupportFileP31(p31));
    PointFileP35 p35;
    p35.Title = "Point data";
    for (std::size_t i = 0; i < m_p.Slab.Columns.size(); ++i)
        p35.Items.push_back({I16(i + 1), 1, {F(m_p.Slab.h), F(m_p.Slab.ks), F(m_p.Slab.ks)}});
    p35.Points = Outline();
    Input(".P35", WritePointFileP35(p35));
}

void Writer::LoadFiles()
{
    const SlabParameters& s = m_p.Slab;
    LoadFilePCF pcf;
    pcf.Title = "Column loads";
    LoadFilePCW pcw;
    pcw.Title = "Column sizes";
    double pe = 0, mx = 0, my = 0;
    // A column load is x, y and P on a plate, Pv, Ph and M on the plane
    // models, which the load list reads that way.
    const bool plane = IsPlaneMethod(m_p.Options.Method);
    for (std::size_t i = 0; i < s.Columns.size(); ++i) {
        const ColumnLoad& c = s.Columns[i];
        if (plane)
            pcf.Items.push_back({I16(i + 1), {F(c.P), 0.0f, 0.0f}});
        else
            pcf.Items.push_back({I16(i + 1), {F(c.X), F(c.Y), F(c.P)}});
        pcw.Items.push_back({I16(i + 1), {F(c.SideA), F(c.SideB)}});
        pe += c.P;
        mx += c.P * (c.Y - s.Ly / 2.0);
        my += c.P * (c.X - s.Lx / 2.0);
    }
    pcf.Groups.push_back({1, 1, F(s.q)});
    Input(".PCF", WriteLoadFilePCF(pcf));
    Input(".PCW", WriteLoadFilePCW(pcw));
    LoadFilePC1 pc1;
    // The uniform load as an area load of block B: its intensity, then the
    // edges of the loaded rectangle (left, right, top, bottom), as the load
    // list reads them.
    pc1.BlockB.push_back({F(s.q), 0.0f, F(s.Lx), F(s.Ly), 0.0f});
    pc1.Points = Outline();
    Input(".PC1", WriteLoadFilePC1(pc1));
    // The load resultant: Pe (columns), Pa (area load), P, Pw, Qw, Qo, Mx,
    // My, ex, ey; then Ix, Iy, Ixy, A, V of the slab.
    const double area = s.Lx * s.Ly;
    const double pa = s.q * area;
    const double p = pe + pa;
    LoadFilePC7 pc7;
    pc7.Values = {F(pe), F(pa), F(p), 0.0f, 0.0f, F(p / area), F(mx), F(my), F(my / p), F(mx / p)};
    Input(".PC7", WriteLoadFilePC7(pc7));
    LoadFilePC8 pc8;
    pc8.Values = {
        F(s.Lx * std::pow(s.Ly, 3) / 12.0), F(s.Ly * std::pow(s.Lx, 3) / 12.0), 0.0f, F(area), F(area * s.h)};
    Input(".PC8", WriteLoadFilePC8(pc8));
    LoadFileP41 p41;
    p41.Items.push_back({1, "Dead and live load"});
    p41.Items.push_back({2, "Column loads"});
    Input(".P41", WriteLoadFileP41(p41));
}

void Writer::BeamInput()
{
    // Beam elements (end nodes, section type 1) and the one section in the
    // order of the beam list: E, G, then (the switch set) height and width,
    // then the fifth value; then area and moment of inertia.
    DataFileGL1 gl1;
    gl1.Title = IsPlaneMethod(m_p.Options.Method) ? "Frame members" : "Edge beams";
    // Node numbers of this file are 16-bit: beams beyond node 32767 of a
    // large mesh are in .GH1 only.
    for (const BeamRecord& b : m_p.Beams) {
        if (gl1.ItemsA.size() == 32767)
            break;
        if (b.Node1 <= 32767 && b.Node2 <= 32767)
            gl1.ItemsA.push_back({I16(b.Node1), I16(b.Node2), 1});
    }
    const double bw = 0.5;
    const double bh = 1.0;
    const double e = m_p.Slab.E;
    gl1.ItemsB.push_back({F(e), F(e / (2.0 * (1.0 + m_p.Slab.nu))), F(bh), F(bw), 25.0f});
    gl1.Switch = true;
    gl1.ItemsB2.push_back({F(bw * bh), F(bw * bh * bh * bh / 12.0)});
    Input(".GL1", WriteDataFileGL1(gl1));
}

void Writer::PlateExtras()
{
    const SlabParameters& s = m_p.Slab;
    if (Option(2)) {
        TemperatureFilePT1 pt1;
        pt1.DT = 10.0f;
        pt1.AlfaT = 1.0e-5f;
        Input(".PT1", WriteTemperatureFilePT1(pt1));
    }
    if (Option(1)) {
        DataFilePP1 pp1;
        pp1.Texts = {"Slab", "Columns"};
        Input(".PP1", WriteDataFilePP1(pp1));
    }
    // The rigid-body part: mean settlement and the mean slopes at the centre.
    const PlateResult c = EvaluatePlate(s, s.Lx / 2.0, s.Ly / 2.0);
    DataFilePS1 ps1;
    ps1.Wo = F(c.w);
    ps1.ThetaOx = F(c.ThetaX);
    ps1.ThetaOy = F(c.ThetaY);
    Input(".PS1", WriteDataFilePS1(ps1));
}

void Writer::PileFiles()
{
    // One bored pile of 0.6 m diameter and 12 m length under each column.
    const SlabParameters& s = m_p.Slab;
    const std::size_t n = s.Columns.size();
    const double d = 0.6;
    const double len = 12.0;
    const double pileStiffness = 2.0e5; // kN/m
    const double pileModulus = 3.0e7; // kN/m2
    PileFilePL9 pl9;
    PileFilePL3 pl3;
    PileFilePIL pil;
    // Unit weight and modulus of the pile concrete; the pile method.
    pil.Value1 = 25.0f;
    pil.Value2 = F(pileModulus);
    pil.Number = 1;
    // The limit base stress 9 Cu of the foot layer (Cu = 50 kN/m2).
    const double baseLimit = 450.0;
    const double area = std::numbers::pi * d * d / 4.0;
    DataFileQP1 qp1;
    DataFileQP2 qp2;
    DataFileQP3 qp3;
    for (std::size_t i = 0; i < n; ++i) {
        const ColumnLoad& c = s.Columns[i];
        const double share = 0.6 * c.P;
        // The piles take turns at the four ways of giving their bearing:
        // a limit load (skin and base), a spring with the ultimate base
        // pressure, the layers alone, a load test at the pile's share.
        const auto kind = static_cast<std::int16_t>(i % 4 + 1);
        const double limitLoad = 60.0 * std::numbers::pi * d * len + baseLimit * area;
        const std::array<float, 2> pairs[4] = {{F(limitLoad), 0.0f}, {F(pileStiffness), F(baseLimit)},
            {0.0f, 0.0f}, {F(share), F(100.0 * share / pileStiffness)}};
        pl9.Pairs.push_back(pairs[kind - 1]);
        pl3.Numbers.push_back(kind);
        pil.PileNumbers.push_back(I16(i + 1));
        PileEntryPIL e;
        e.Numbers = {I16(i + 1), 2}; // the foot stands in layer 2
        // D, Df, Lg, qs, Cu, Sig, Sig1 of the pile; its name; SigGR.
        e.Values = {F(d), F(d), F(len), 60.0f, 50.0f, 150.0f, 250.0f};
        e.Line = "Pile " + std::to_string(i + 1);
        e.LastValue = F(baseLimit);
        pil.Piles.push_back(e);
        // Skin friction (qs = 60 kN/m2 over the shaft) carries the share up
        // to the rest at the tip. The head settles by share / spring
        // stiffness, the foot less by the elastic shortening F L / (E A).
        // Settlements are in cm, as the pile group summary prints them.
        const double skin = std::min(share, 60.0 * std::numbers::pi * d * len);
        const double tip = share - skin;
        const double head = 100.0 * share / pileStiffness;
        const double shortening = 100.0 * share * len / (pileModulus * std::numbers::pi * d * d / 4.0);
        // .QP1: depth, skin friction and settlement along the shaft.
        qp1.Items.push_back({{F(len), F(skin), F(head)}, 1, {F(skin), F(tip), F(head)}});
        // .QP2: force, settlement and spring stiffness of the pile.
        qp2.Items.push_back({F(share), F(head), F(pileStiffness)});
        // .QP3: skin and tip resistance and their sum; head settlement, foot
        // minus head, foot settlement.
        qp3.Items.push_back({F(skin), F(tip), F(share), F(head), F(-shortening), F(head - shortening)});
    }
    // Two soil layers along the piles: L1, Cu, qs, Tau and the shaft
    // stresses down each layer.
    pil.Blocks.push_back({{4.0f, 40.0f, 50.0f, 35.0f}, {30.0f, 40.0f}});
    pil.Blocks.push_back({{8.0f, 50.0f, 60.0f, 45.0f}, {50.0f}});
    // Pile head level under the slab, pile length, share of the piles (%).
    qp1.Head = {F(-s.h), F(len), 60.0f};
    qp2.Head = qp1.Head;
    qp3.Head = qp1.Head;
    Input(".PL9", WritePileFilePL9(pl9));
    Input(".PL3", WritePileFilePL3(pl3));
    Input(".PIL", WritePileFilePIL(pil));
    Input(".QP1", WriteDataFileQP1(qp1));
    Input(".QP2", WriteDataFileQP2(qp2));
    Input(".QP3", WriteDataFileQP3(qp3));
}

void Writer::SettlementPoint()
{
    // The stresses below the slab centre by layers of the first boring, in
    // the columns of the settlement summary: depth, the stress from the
    // contact pressure spread at 2:1 (SE), the overburden of the soil (SD),
    // their sum and a generated preconsolidation pressure (SV, the
    // overburden + 100 kN/m2), whose ratio is the utilisation. The limit
    // depth is the first layer bottom where SE falls to the limit-depth
    // coefficient times the overburden; the settlement s = sum (SE dz / Es).
    const SlabParameters& s = m_p.Slab;
    const Boring& b = m_p.Borings.front();
    const PlateResult c = EvaluatePlate(s, s.Lx / 2.0, s.Ly / 2.0);
    DataFileLDH ldh;
    ldh.Values = {0.5f, 1.0f}; // layer step Dz, settlement coefficient Cs
    DataFileLD1 ld1;
    double top = 0, total = 0, overburden = 0, limitDepth = 0;
    for (const SoilLayer& l : b.Layers) {
        const double mid = (top + l.Bottom) / 2.0;
        const double spread = (s.Lx * s.Ly) / ((s.Lx + mid) * (s.Ly + mid));
        const double sz = c.p * spread;
        overburden += l.Gamma * (l.Bottom - top);
        const double ds = sz * (l.Bottom - top) / l.Es;
        total += ds;
        if (limitDepth == 0 && sz <= LimitDepthCoefficient * overburden)
            limitDepth = l.Bottom;
        ld1.Rows.push_back({F(l.Bottom), F(sz), F(overburden), F(overburden + 100.0)});
        ldh.Items.push_back({b.Name + " to " + SingleText(F(l.Bottom)) + " m", {F(sz), F(ds)}});
        top = l.Bottom;
    }
    ld1.Value = F(limitDepth == 0 ? top : limitDepth);
    ld1.Values = {0.9f}; // degree of consolidation
    ld1.EndValues = {F(total), F(top)};
    ld1.EndLine = "SlabCenter";
    Input(".LDH", WriteDataFileLDH(ldh));
    Input(".LD1", WriteDataFileLD1(ld1));
}

void Writer::Results()
{
    WriteNodeCountFile(Path(".PL6"), static_cast<std::int32_t>(m_p.NodeCount()));
    Saved(".PL6");
    // .PV1 is also the data list's file of section 60003: one value a row,
    // the same layout as a column file.
    for (const auto& [ext, values] : m_p.NodeColumns) {
        WriteColumnFile(Path(ext), values);
        Saved(ext);
    }
    if (!IsPlaneMethod(m_p.Options.Method)) {
        WriteCountedFile(Path(".PL4"), m_p.NodeArea);
        Saved(".PL4");
        for (const auto& [ext, values] : m_p.BoringValues) {
            WriteCountedFile(Path(ext), values);
            Saved(ext);
        }
    }
    if (!m_p.Beams.empty()) {
        WriteBeamFile(Path(".GH1"), m_p.Beams);
        Saved(".GH1");
    }
}

void Writer::Coefficients()
{
    const int m = m_p.Options.Method;
    const std::size_t n = m_p.NodeCount();
    const SlabParameters& s = m_p.Slab;
    if (IsPlaneMethod(m))
        return;
    const auto order = static_cast<std::int32_t>(n);
    const bool ce = OneOf(m, {1, 2, 5, 6, 7, 13, 17, 18, 19, 20});
    const bool cw = OneOf(m, {1, 5, 6, 7, 13});
    const bool ks = OneOf(m, {1, 2, 5, 7, 17, 19});
    // Ce: settlement of the springs per unit nodal force, 1 / (ks A).
    if (ce) {
        WriteMatrixFile(Path(".PD1"), order, [&](std::int32_t i, std::span<float> row) {
            std::fill(row.begin(), row.end(), 0.0f);
            row[i] = Significant4(1.0 / (s.ks * m_p.NodeArea[i]));
        });
        Saved(".PD1");
    }
    // Cw: deflection of the plate at i under a unit force at j.
    if (cw) {
        const double amp = 1.0 / (8.0 * std::sqrt(FlexuralRigidity(s) * s.ks));
        const double l = CharacteristicLength(s);
        WriteMatrixFile(Path(".PD2"), order, [&](std::int32_t i, std::span<float> row) {
            for (std::size_t j = 0; j < n; ++j) {
                const double r = std::hypot(m_p.NodeX[i] - m_p.NodeX[j], m_p.NodeY[i] - m_p.NodeY[j]);
                row[j] = Significant4(amp * Shape(r / l).f);
            }
        });
        Saved(".PD2");
    }
    // ks: the spring stiffness of each node, ks A.
    if (ks) {
        WriteMatrixFile(Path(".PE1"), order, [&](std::int32_t i, std::span<float> row) {
            std::fill(row.begin(), row.end(), 0.0f);
            row[i] = Significant4(s.ks * m_p.NodeArea[i]);
        });
        Saved(".PE1");
    }
}

} // namespace

std::vector<std::string> WriteSampleProject(const SampleProject& project, const std::string& po1Path)
{
    const std::size_t n = po1Path.size();
    if (n < 4 || po1Path.compare(n - 4, 4, ".PO1") != 0)
        throw std::invalid_argument("the project file must end in .PO1: " + po1Path);
    Writer w(project, po1Path.substr(0, n - 4));
    w.Run();
    return w.Written();
}

} // namespace teska::sample
