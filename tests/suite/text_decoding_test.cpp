// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "suite/TextDecoding.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

TEST(Utf8, ValidityOfEveryRowOfTheTable)
{
    const auto table = test::TableRows("suite/utf8.tsv", 3);
    ASSERT_GT(table.size(), 10u);
    for (const std::vector<std::string>& f : table)
        EXPECT_EQ(IsValidUtf8(test::Unescaped(f[1])), f[2] == "1") << f[0];
}

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
