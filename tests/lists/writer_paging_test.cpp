// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pages of result sections of random length on random page sizes: no
// page runs into its bottom margin, every page keeps the raster, headers
// repeat with running numbers, and every row appears once, in order.

#include "lists/writer_fixture_test.h"

#include <numeric>
#include <random>

#include "lists/writer/ResultSection.h"

namespace teska::test {
namespace {

bool IsNumber(const std::string& word)
{
    return !word.empty() && word.find_first_not_of("0123456789") == std::string::npos;
}

TEST_F(WriterTest, RandomSectionsKeepThePageRules)
{
    std::mt19937 random(2026);
    ColumnDefinition columns{1, {80079L, 90077L}, {"No.", "mx"}, {std::string("[-]"), std::string("[kN]")}};
    ResultFormats formats;
    formats.valueFormat = "0.00";

    for (int round = 0; round < 60; ++round) {
        state.LinesPerPage = static_cast<std::int16_t>(std::uniform_int_distribution<int>(18, 60)(random));
        state.TopMargin = static_cast<std::int16_t>(std::uniform_int_distribution<int>(0, 3)(random));
        state.BottomMargin = static_cast<std::int16_t>(std::uniform_int_distribution<int>(0, 3)(random));
        const int rowCount = std::uniform_int_distribution<int>(1, 150)(random);
        state.ListText.clear();
        state.PageNumber = 0;
        std::vector<float> values(static_cast<std::size_t>(rowCount));
        std::iota(values.begin(), values.end(), 1.0f);
        ResultRows rows{values, rowCount, 1, {}};
        ASSERT_TRUE(WriteResultSection(*writer, rows, columns, formats));

        const std::string where = "round " + std::to_string(round) + ", " + std::to_string(state.LinesPerPage)
            + " lines, margins " + std::to_string(state.TopMargin) + "/" + std::to_string(state.BottomMargin)
            + ", " + std::to_string(rowCount) + " rows";
        const std::vector<std::string> lines = SplitLines(state.ListText);
        const std::size_t perPage = static_cast<std::size_t>(state.LinesPerPage);
        ASSERT_EQ(lines.size() % perPage, 0u) << where;
        const std::size_t pages = lines.size() / perPage;
        ASSERT_EQ(state.PageNumber, static_cast<int>(pages)) << where;

        int nextRow = 1;
        for (std::size_t page = 0; page < pages; ++page) {
            const std::size_t first = page * perPage;
            std::size_t used = 0;
            for (std::size_t i = 0; i < perPage; ++i)
                if (!lines[first + i].empty())
                    used = i + 1;
            EXPECT_LE(used, perPage - static_cast<std::size_t>(state.BottomMargin))
                << where << ", page " << page;

            const std::size_t title = first + static_cast<std::size_t>(state.TopMargin) + 1;
            const std::vector<std::string> titleWords = Words(lines[title]);
            ASSERT_EQ(titleWords.size(), 3u) << where;
            EXPECT_EQ(titleWords[2], std::to_string(page + 1)) << where;
            EXPECT_EQ(lines[title].size(), 40u) << where;

            const bool last = page + 1 == pages;
            EXPECT_EQ(lines[first + used - 1] == Sp(35) + "cont.", !last) << where << ", page " << page;
            EXPECT_EQ(lines[title + 2] == "  ...cont", page > 0) << where << ", page " << page;

            for (std::size_t i = title + 2; i < first + used; ++i) {
                const std::vector<std::string> words = Words(lines[i]);
                if (words.size() == 2 && IsNumber(words[0])) {
                    EXPECT_EQ(words[0], std::to_string(nextRow)) << where;
                    EXPECT_EQ(words[1], std::to_string(nextRow) + ".00") << where;
                    ++nextRow;
                }
            }
        }
        EXPECT_EQ(nextRow, rowCount + 1) << where;
    }
}

} // namespace
} // namespace teska::test
