// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/PrinterSettings.h"

#include <charconv>
#include <cstdint>
#include <limits>

#include "suite/SettingsStore.h"

namespace teska {

namespace {

std::optional<int> Short(const SettingsStore& settings, const char* section, const char* key)
{
    constexpr long absent = std::numeric_limits<long>::min();
    const long value = settings.WholeValue(section, key, absent);
    if (value == absent || value < std::numeric_limits<std::int16_t>::min()
        || value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

void SetOptional(SettingsStore& settings, const char* key, const std::optional<int>& value)
{
    if (value)
        settings.SetValue(kDeviceModeSection, key, std::to_string(*value));
    else
        settings.Remove(kDeviceModeSection, key);
}

} // namespace

DeviceMode ReadDeviceMode(const SettingsStore& settings)
{
    DeviceMode device;
    device.DeviceName = settings.Value(kDeviceModeSection, "dmDeviceName");
    while (!device.DeviceName.empty() && device.DeviceName.back() == ' ')
        device.DeviceName.pop_back();
    device.Orientation = Short(settings, kDeviceModeSection, "dmOrientation");
    device.PaperSize = Short(settings, kDeviceModeSection, "dmPaperSize");
    device.PrintQuality = Short(settings, kDeviceModeSection, "dmPrintQuality");
    return device;
}

void StoreDeviceMode(SettingsStore& settings, const DeviceMode& device)
{
    settings.SetValue(kDeviceModeSection, "dmDeviceName", device.DeviceName);
    SetOptional(settings, "dmOrientation", device.Orientation);
    SetOptional(settings, "dmPaperSize", device.PaperSize);
    SetOptional(settings, "dmPrintQuality", device.PrintQuality);
}

ListFont ReadListFont(const SettingsStore& settings)
{
    ListFont font;
    font.Family = settings.Value(kListFontSection, "FontName");
    const std::string size = settings.Value(kListFontSection, "FontSize");
    double points = 0;
    const auto [end, error] = std::from_chars(size.data(), size.data() + size.size(), points);
    if (error == std::errc() && end == size.data() + size.size() && points > 0 && points <= 144)
        font.PointSize = points;
    font.Weight = static_cast<int>(settings.WholeValue(kListFontSection, "FontWeight", 400));
    font.Italic = settings.BoolValue(kListFontSection, "FontItalic", false);
    return font;
}

void StoreListFont(SettingsStore& settings, const ListFont& font)
{
    char size[32];
    const auto result = std::to_chars(size, size + sizeof size, font.PointSize);
    settings.SetValue(kListFontSection, "FontName", font.Family);
    settings.SetValue(kListFontSection, "FontSize", std::string(size, result.ptr));
    settings.SetValue(kListFontSection, "FontWeight", std::to_string(font.Weight));
    settings.SetValue(kListFontSection, "FontItalic", font.Italic ? "True" : "False");
}

std::optional<int> ResolutionOfQuality(int quality)
{
    switch (quality) {
    case -1:
        return 150;
    case -2:
        return 300;
    case -3:
        return 600;
    case -4:
        return 1200;
    default:
        if (quality > 0)
            return quality;
        return std::nullopt;
    }
}

} // namespace teska
