// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teska-sample/SlabModel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace teska::sample {

namespace {

constexpr double Sqrt2 = std::numbers::sqrt2;

// Below this radius (in units of l) the point counts as the column's centre,
// where the radial derivatives are replaced by their limits.
constexpr double CentreRadius = 1e-9;

} // namespace

double FlexuralRigidity(const SlabParameters& slab)
{
    return slab.E * slab.h * slab.h * slab.h / (12.0 * (1.0 - slab.nu * slab.nu));
}

double CharacteristicLength(const SlabParameters& slab)
{
    return std::pow(FlexuralRigidity(slab) / slab.ks, 0.25);
}

ShapeValues Shape(double rho)
{
    // With a = rho / sqrt2: f = e^-a (cos a + sin a), f' = -sqrt2 e^-a sin a,
    // f'' = -e^-a (cos a - sin a), f''' = sqrt2 e^-a cos a.
    const double a = rho / Sqrt2;
    const double e = std::exp(-a);
    const double c = std::cos(a);
    const double s = std::sin(a);
    return {e * (c + s), -Sqrt2 * e * s, -e * (c - s), Sqrt2 * e * c};
}

Deflection EvaluateDeflection(const SlabParameters& slab, double x, double y)
{
    const double d = FlexuralRigidity(slab);
    const double l = CharacteristicLength(slab);
    Deflection out;
    out.w = slab.q / slab.ks;
    for (const ColumnLoad& col : slab.Columns) {
        const double amp = col.P / (8.0 * std::sqrt(d * slab.ks));
        const double dx = x - col.X;
        const double dy = y - col.Y;
        const double rho = std::hypot(dx, dy) / l;
        const ShapeValues f = Shape(rho);
        // g(r) = amp f(r / l): g' = amp f' / l, g'' = amp f'' / l^2, ...
        const double g1 = amp * f.f1 / l;
        const double g2 = amp * f.f2 / (l * l);
        const double g3 = amp * f.f3 / (l * l * l);
        out.w += amp * f.f;
        if (rho < CentreRadius) {
            // g'(r)/r -> g''(0); the slopes and the Laplacian's gradient
            // vanish by symmetry.
            out.wxx += g2;
            out.wyy += g2;
            continue;
        }
        const double r = rho * l;
        const double cx = dx / r;
        const double cy = dy / r;
        const double g1r = g1 / r;
        out.wx += g1 * cx;
        out.wy += g1 * cy;
        out.wxx += g2 * cx * cx + g1r * cy * cy;
        out.wyy += g2 * cy * cy + g1r * cx * cx;
        out.wxy += (g2 - g1r) * cx * cy;
        // lap g = g'' + g'/r; its radial derivative g''' + g''/r - g'/r^2.
        const double lap1 = g3 + g2 / r - g1r / r;
        out.lapX += lap1 * cx;
        out.lapY += lap1 * cy;
    }
    return out;
}

PlateResult EvaluatePlate(const SlabParameters& slab, double x, double y)
{
    const double d = FlexuralRigidity(slab);
    const Deflection w = EvaluateDeflection(slab, x, y);
    PlateResult r;
    r.w = w.w;
    r.su = slab.q / slab.ks;
    r.p = slab.ks * w.w;
    r.qu = slab.q;
    r.mx = -d * (w.wxx + slab.nu * w.wyy);
    r.my = -d * (w.wyy + slab.nu * w.wxx);
    r.mxy = -d * (1.0 - slab.nu) * w.wxy;
    r.Qx = -d * w.lapX;
    r.Qy = -d * w.lapY;
    r.ThetaX = w.wy;
    r.ThetaY = -w.wx;
    return r;
}

PlaneResult EvaluatePlane(const SlabParameters& slab, double x, double yLine, double z)
{
    const PlateResult plate = EvaluatePlate(slab, x, yLine);
    const Deflection w = EvaluateDeflection(slab, x, yLine);
    const double h = slab.h;
    PlaneResult r;
    r.u = -z * w.wx;
    r.v = w.w;
    r.theta = w.wx;
    r.Sx = 12.0 * plate.mx * z / (h * h * h);
    r.Txz = 1.5 * plate.Qx / h * (1.0 - 4.0 * z * z / (h * h));
    r.Sz = -(slab.q * (0.5 - z / h) + plate.p * (0.5 + z / h));
    const double g = slab.E / (2.0 * (1.0 + slab.nu));
    r.Ex = (r.Sx - slab.nu * r.Sz) / slab.E;
    r.Ez = (r.Sz - slab.nu * r.Sx) / slab.E;
    r.Gxz = r.Txz / g;
    return r;
}

Reinforcement ReinforcementFor(const SlabParameters& slab, const PlateResult& r)
{
    const double lever = 0.9 * (slab.h - 0.05); // m
    const double steel = 43.5; // kN/cm2
    auto area = [&](double m) { return std::max(0.0, m) / (lever * steel); };
    const double t = std::abs(r.mxy);
    return {area(-(r.mx - t)), area(r.mx + t), area(-(r.my - t)), area(r.my + t)};
}

double BearingPressure(const Boring& boring, double width)
{
    const SoilLayer& top = boring.Layers.front();
    const double phi = top.Phi * std::numbers::pi / 180.0;
    const double tp = std::tan(std::numbers::pi / 4.0 + phi / 2.0);
    const double nq = std::exp(std::numbers::pi * std::tan(phi)) * tp * tp;
    const double nc = phi > 1e-6 ? (nq - 1.0) / std::tan(phi) : 5.14;
    const double ng = 2.0 * (nq + 1.0) * std::tan(phi);
    const double q0 = top.Gamma * 0.5;
    return top.C * nc + q0 * nq + 0.5 * top.Gamma * width * ng;
}

PunchingCheck PunchingAt(const SlabParameters& slab, const ColumnLoad& column)
{
    PunchingCheck r;
    r.Dp = slab.h - 0.05;
    const double a = 1.5 * r.Dp;
    const double sides = column.SideA + column.SideB;
    r.AL = 2.0 * sides + 2.0 * std::numbers::pi * a;
    r.PA = column.SideA * column.SideB + 2.0 * sides * a + std::numbers::pi * a * a;
    r.Qo = EvaluatePlate(slab, column.X, column.Y).p;
    r.Qp = std::max(0.0, column.P - r.Qo * r.PA) / (r.AL * r.Dp);
    const double k = std::min(2.0, 1.0 + std::sqrt(200.0 / (r.Dp * 1000.0)));
    r.Resistance = 1000.0 * 0.12 * k * std::cbrt(100.0 * 0.005 * 30.0); // MN/m2 to kN/m2
    r.Rpa = r.Qp / r.Resistance * 100.0;
    return r;
}

} // namespace teska::sample
