// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "suite/TextDecoding.h"

namespace teska {
namespace {

struct Utf8Case {
    const char* name;
    std::string bytes;
    bool valid;
};

class Utf8Test : public ::testing::TestWithParam<Utf8Case> { };

TEST_P(Utf8Test, Validity)
{
    EXPECT_EQ(IsValidUtf8(GetParam().bytes), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(Bytes, Utf8Test,
    ::testing::Values(Utf8Case{"Ascii", "abc", true}, Utf8Case{"TwoByte", "\xC3\xA4", true},
        Utf8Case{"ThreeByteEuro", "\xE2\x82\xAC", true}, Utf8Case{"FourByte", "\xF0\x9F\x98\x80", true},
        Utf8Case{"Arabic", "\xD9\x85\xD9\x84\xD9\x81", true},
        Utf8Case{"Latin1Byte",
            "Querkr\xE4"
            "fte",
            false},
        Utf8Case{"OverlongSlash", "\xC0\xAF", false}, Utf8Case{"OverlongThreeByte", "\xE0\x80\xAF", false},
        Utf8Case{"Surrogate", "\xED\xA0\x80", false}, Utf8Case{"AboveUnicode", "\xF4\x90\x80\x80", false},
        Utf8Case{"Truncated", "\xE2\x82", false}, Utf8Case{"LoneContinuation", "\x80", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecodeSuiteText, Windows1252BytesBecomeUtf8)
{
    // 0x80 euro, 0x96 en dash, 0xB0 degree, 0xFC u umlaut.
    EXPECT_EQ(DecodeSuiteText("\x80 \x96 \xB0"
                              "C \xFC"),
        "\xE2\x82\xAC \xE2\x80\x93 \xC2\xB0"
        "C \xC3\xBC");
    // Unassigned 0x81 keeps its value as a C1 control.
    EXPECT_EQ(DecodeSuiteText("\x81"), "\xC2\x81");
}

TEST(DecodeSuiteText, ValidUtf8UnchangedAndBomDropped)
{
    EXPECT_EQ(DecodeSuiteText("\xC2\xB0"
                              "C"),
        "\xC2\xB0"
        "C");
    EXPECT_EQ(DecodeSuiteText("\xEF\xBB\xBFx"), "x");
}

TEST(SplitLines, CrLfLfAndLastLine)
{
    EXPECT_EQ(SplitLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(SplitLines("a\n\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(SplitLines("a\rb\n"), (std::vector<std::string>{"a\rb"}));
    EXPECT_TRUE(SplitLines("").empty());
}

} // namespace
} // namespace teska
