// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The closed-form model behind the generated sample projects.
//
// A rectangular slab Lx x Ly (m), thickness h (m), modulus E (kN/m2) and
// Poisson's ratio nu rests on Winkler springs of modulus ks (kN/m3). It
// carries a uniform load q (kN/m2) and a few column loads P_i (kN).
//
//   D    = E h^3 / (12 (1 - nu^2))            flexural rigidity (kNm)
//   l    = (D / ks)^(1/4)                      characteristic length (m)
//   w    = q / ks + sum_i P_i / (8 sqrt(D ks)) f(r_i / l)
//   f(p) = exp(-p/sqrt2) (cos(p/sqrt2) + sin(p/sqrt2))
//
// f is a smooth decaying shape with the exact peak of the infinite plate on
// Winkler springs (f(0) = 1, f'(0) = 0, f''(0) = -1); edges are ignored.
// With w positive downward and moments positive when the bottom is in
// tension:
//
//   mx  = -D (w_xx + nu w_yy)      my = -D (w_yy + nu w_xx)
//   mxy = -D (1 - nu) w_xy
//   qx  = dmx/dx + dmxy/dy = -D d(lap w)/dx,  qy = -D d(lap w)/dy
//   p   = ks w                     (contact pressure, kN/m2)
//   Theta x = dw/dy,  Theta y = -dw/dx   (rad)
//
// The uniform part q/ks is the settlement part su and q the pressure part qu.
// Directly under a column mx = my = (1 + nu) D C / l^2 > 0 with
// C = P / (8 sqrt(D ks)): the bottom of the slab is in tension there.
//
// Plane section (AnalysisMethod 21 and 22): a vertical section in the x-z
// plane through the first column line, z from the mid-plane, positive
// downward, -h/2 <= z <= h/2. Kirchhoff kinematics give u = -z w_x and
// v = w; the stresses per unit width are
//   Sigma_x = 12 mx z / h^3,  Tau_xz = 1.5 qx / h (1 - 4 z^2 / h^2),
//   Sigma_z = -(q (1/2 - z/h) + p (1/2 + z/h))   (load on top, soil below),
// and the strains follow from plane stress: Epsilon_x = (Sx - nu Sz) / E,
// Epsilon_z = (Sz - nu Sx) / E, Gamma_xz = Tau_xz / G, G = E / (2 (1 + nu)).

#include <cstdint>
#include <string>
#include <vector>

namespace teska::sample {

struct ColumnLoad {
    double X = 0; // m
    double Y = 0; // m
    double P = 0; // kN, downward
    double SideA = 0.4; // column cross-section, m
    double SideB = 0.4;
};

struct SlabParameters {
    double Lx = 12.0;
    double Ly = 9.0;
    double h = 0.5;
    double E = 3.0e7; // kN/m2 (30 GPa)
    double nu = 0.2;
    double ks = 2.0e4; // kN/m3
    double q = 15.0; // kN/m2
    std::vector<ColumnLoad> Columns;
};

double FlexuralRigidity(const SlabParameters& slab);
double CharacteristicLength(const SlabParameters& slab);

// The shape function f and its first three derivatives with respect to rho.
struct ShapeValues {
    double f = 0, f1 = 0, f2 = 0, f3 = 0;
};
ShapeValues Shape(double rho);

// w and its derivatives up to the third order at one point (m, rad, 1/m,
// 1/m2).
struct Deflection {
    double w = 0;
    double wx = 0, wy = 0;
    double wxx = 0, wyy = 0, wxy = 0;
    double lapX = 0, lapY = 0; // d(lap w)/dx, d(lap w)/dy
};
Deflection EvaluateDeflection(const SlabParameters& slab, double x, double y);

// Everything the result files hold for one point of the plate.
struct PlateResult {
    double w = 0; // m
    double su = 0; // settlement part of the uniform load, m
    double p = 0; // contact pressure, kN/m2
    double qu = 0; // pressure part of the uniform load, kN/m2
    double mx = 0, my = 0, mxy = 0; // kNm/m
    double Qx = 0, Qy = 0; // kN/m
    double ThetaX = 0, ThetaY = 0; // rad
};
PlateResult EvaluatePlate(const SlabParameters& slab, double x, double y);

// The plane section at height z (m from the mid-plane, downward positive).
struct PlaneResult {
    double u = 0, v = 0, theta = 0; // m, m, rad
    double Sx = 0, Sz = 0, Txz = 0; // kN/m2
    double Ex = 0, Ez = 0, Gxz = 0; // strains, -
};
PlaneResult EvaluatePlane(const SlabParameters& slab, double x, double yLine, double z);

// Reinforcement areas in cm2/m from the moments with the Wood-Armer rule
// (m +- |mxy|), lever arm 0.9 (h - 0.05) and steel stress 43.5 kN/cm2.
struct Reinforcement {
    double TopX = 0, BotX = 0, TopY = 0, BotY = 0;
};
Reinforcement ReinforcementFor(const SlabParameters& slab, const PlateResult& r);

// A soil layer of a boring: bottom depth below the ground (m), stiffness
// modulus Es (kN/m2), Poisson's ratio, unit weight (kN/m3), friction angle
// (degrees), cohesion (kN/m2), compression index Cc, void ratio eo.
struct SoilLayer {
    double Bottom = 0, Es = 0, Nu = 0, Gamma = 0, Phi = 0, C = 0, Cc = 0, Eo = 0;
};
struct Boring {
    std::string Name;
    double X = 0, Y = 0; // m
    std::vector<SoilLayer> Layers; // 3 to 5
    double GroundLevel = 0; // m
};

// Ultimate bearing pressure (kN/m2) under the slab of width \p width from the
// top layer: c Nc + q0 Nq + 0.5 gamma B Ngamma (Prandtl, Reissner, Vesic),
// with the overburden q0 = gamma * 0.5 m.
double BearingPressure(const Boring& boring, double width);

// The punching check at one column: critical perimeter AL (m) at 1.5 Dp from
// the faces, effective depth Dp = h - 0.05 m, area inside the perimeter PA
// (m2); Qo (kN/m2) the contact pressure at the column, which relieves the
// column load inside the perimeter; Qp (kN/m2) the punching shear stress
// (P - Qo PA) / (AL Dp); Rpa (%) = Qp / vRd 100 with the resistance
// vRd = 0.12 k (100 rho fck)^(1/3) MN/m2 (written in kN/m2), rho = 0.5 %,
// fck = 30 MN/m2 and
// k = 1 + sqrt(200 / Dp[mm]) <= 2.
struct PunchingCheck {
    double Qp = 0, Qo = 0, PA = 0, AL = 0, Dp = 0, Rpa = 0;
    double Resistance = 0; // vRd, kN/m2
};
PunchingCheck PunchingAt(const SlabParameters& slab, const ColumnLoad& column);

} // namespace teska::sample
