// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "suite/TextDecoding.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

TEST(Utf8, ValidityAndDecodingOfEveryRowOfTheTable)
{
    const auto table = test::TableRows("suite/utf8.tsv", 4);
    ASSERT_GT(table.size(), 10u);
    for (const std::vector<std::string>& f : table) {
        const std::string bytes = test::Unescaped(f[1]);
        EXPECT_EQ(IsValidUtf8(bytes), f[2] == "1") << f[0];
        EXPECT_EQ(DecodeSuiteText(bytes), f[3] == "-" ? bytes : test::Unescaped(f[3])) << f[0];
    }
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
