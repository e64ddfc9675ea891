// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Screen measures of the main window are kept in twips (1440 to the inch)
// and turned into pixels once, at the edge, with the screen's logical dpi.

namespace teska {

inline constexpr int kTwipsPerInch = 1440;
// Narrowest navigator panel, and the width on first start.
inline constexpr int kNavigatorMinTwips = 250;
inline constexpr int kNavigatorDefaultTwips = 2000;

inline int TwipsToPixels(int twips, double dpi)
{
    return static_cast<int>(twips * dpi / kTwipsPerInch + 0.5);
}
inline int PixelsToTwips(int pixels, double dpi)
{
    return dpi > 0 ? static_cast<int>(pixels * kTwipsPerInch / dpi + 0.5) : pixels;
}

} // namespace teska
