// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The stored printer set-up: the "Device Mode" settings (the printer by
// name, its orientation, paper size and print quality as the classic
// device-mode numbers) and the list font, and how those numbers map to Qt's
// page sizes, orientations and resolutions (docs/printing.md).

#include <optional>
#include <string>

namespace teska {

class SettingsStore;

inline constexpr const char* kDeviceModeSection = "Device Mode";
inline constexpr const char* kListFontSection = "List Font";

// Each value absent: the printer's own.
struct DeviceMode {
    std::string DeviceName; // "dmDeviceName", trailing blanks removed
    std::optional<int> Orientation; // "dmOrientation": 1 portrait, 2 landscape
    std::optional<int> PaperSize; // "dmPaperSize": 9 A4, 8 A3, 11 A5, 1 Letter, 5 Legal ...
    std::optional<int> PrintQuality; // "dmPrintQuality": -1 draft .. -4 high, or dots per inch
};

// Values that are not 16-bit whole numbers count as absent.
DeviceMode ReadDeviceMode(const SettingsStore& settings);
void StoreDeviceMode(SettingsStore& settings, const DeviceMode& device);

// The list font: a fixed-pitch family (empty: the system's fixed font), its
// size in points (0 stands for 8), weight (700 is bold) and slant.
struct ListFont {
    std::string Family;
    double PointSize = 0;
    int Weight = 400;
    bool Italic = false;
};
ListFont ReadListFont(const SettingsStore& settings);
void StoreListFont(SettingsStore& settings, const ListFont& font);

// The resolution of a print quality: -1 draft 150, -2 low 300, -3 medium
// 600, -4 high 1200 dots per inch, a positive number as it stands; nullopt
// for any other value.
std::optional<int> ResolutionOfQuality(int quality);

} // namespace teska
