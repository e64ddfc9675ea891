// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The soil data section (140162): the general rows, the boring table and
// the rows of each boring and layer, by the fixture's units (L factor 2,
// UnitFactor 0 = 2.5, UnitFactor 3 = 1.25), and a boring longer than a page.
// The pile data section (140195) of two piles (UnitFactor 4 = 5).

#include <cstdio>
#include <tuple>

#include "project/io/RecordFile.h"
#include "sections_fixture_test.h"
#include "suite/Errors.h"

namespace teska::test {
namespace {

class SoilTest : public SectionsTest {
protected:
    void SaveSoil(std::int16_t loadingState = 0)
    {
        // Records 1 to 3 and 5, the boring, the loading state last.
        Save(".BAU",
            WriteSoilFileBAU({{0.2f, 7, 7}, -1.5f,
                {{4, 0.5f, "S1", 10, {{3, 8, 16, 0.3f, 0.1f}}, {{0.7f, 16}}, 40, {{30, 2}}}}, {}, 0,
                loadingState}));
    }
};

TEST_F(SoilTest, LoadingStateNamesTheModulusAndTheCompressionIndex)
{
    // Water -1.5 x 2, X 4 x 2, Es 8 x 2.5, Gama 16 x 1.25; Alfa, Nue, eo,
    // Fhi unscaled. The layer's E = 16 (x 2.5 = 40) and Cc = 0.1 keep their
    // values; the state picks the caption and the symbol. Method 3 adds ks
    // 40 x 1.25 to the boring table.
    const std::tuple<std::int16_t, int, const char*> cases[]
        = {{0, 1, "0"}, {1, 1, "1"}, {2, 1, "2"}, {0, 3, "Method3"}};
    for (const auto& [loading, method, suffix] : cases) {
        project.AnalysisMethod = method;
        SaveSoil(loading);
        ExpectAsStored(Written(140162, true), suffix);
    }
    SaveSoil(3);
    const std::string message = ErrorText<FileFormatError>([&] { Written(140162, true); });
    EXPECT_NE(message.find("SLAB.BAU: the loading state (the last whole number) is 3"), std::string::npos)
        << message;
}

TEST_F(SoilTest, LayerCountBeyondTheFileNamesBau)
{
    RecordWriter w;
    w.PutInt16(4, 1);
    w.PutString(8, "S");
    w.PutInt16(9, 500);
    w.PutSingle(12, 0);
    w.Save(Path(".BAU"));
    const std::string message = ErrorText<FileFormatError>([&] { Written(140162, true); });
    EXPECT_NE(message.find("SLAB.BAU"), std::string::npos) << message;
}

TEST_F(SectionsTest, ABoringLongerThanAPageBreaksBetweenLayers)
{
    // Six layers of nine rows on 40-line pages: once the soil data wrote a
    // boring without a page check and ran past the page end.
    BoringBAU boring{0, 0, "S1", 0, {}, {}, 0, {}};
    boring.Layers.assign(6, {3, 8, 16, 0.3f, 0.1f});
    boring.LayerEntries.assign(6, {0.7f, 16});
    boring.LayerEntries2.assign(6, {30, 2});
    Save(".BAU", WriteSoilFileBAU({{}, 0, {boring}, {}, 0, 0}));
    const std::vector<std::string> lines = SplitLines(Written(140162, true));
    ASSERT_GT(lines.size(), 40u);
    EXPECT_EQ(lines[40], ""); // the next page starts with its top margin
    EXPECT_NE(lines[42].find("Page 1"), std::string::npos) << lines[42];
    // Every layer, first row to last, on one page.
    int layers = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind("  Layer ", 0) != 0)
            continue;
        ++layers;
        ASSERT_LT(i + 8, lines.size());
        EXPECT_EQ(lines[i + 8].rfind("  c ", 0), 0u) << lines[i + 8];
        EXPECT_EQ(i / 40, (i + 8) / 40) << lines[i];
    }
    EXPECT_EQ(layers, 6);
}

class PileDataTest : public SectionsTest {
protected:
    PileDataTest()
    {
        state.LinesPerPage = 200; // one page: no breaks in the hand-made text
    }
    // Two piles on nodes 7 and 9, kinds as given, two layers.
    void SavePiles(std::int16_t kind1, std::int16_t kind2)
    {
        PileFilePIL pil{20, 1000, 1, {7, 9}, {}, {}};
        pil.Piles = {{{1, 2}, {0.3f, 0.4f, 5, 20, 40, 100, 200}, "P1", 300},
            {{2, 1}, {0.5f, 0.5f, 6, 10, 30, 80, 120}, "P2", 160}};
        pil.Blocks = {{{2, 40, 20, 8}, {4, 6}}, {{3, 60, 30, 12}, {10}}};
        Save(".PIL", WritePileFilePIL(pil));
        Save(".PL3", WritePileFilePL3({{kind1, kind2}}));
        Save(".PL9", WritePileFilePL9({{{50, 0}, {40, 0.02f}}}));
    }
};

TEST_F(PileDataTest, WholeSectionOfTwoPiles)
{
    // Pile 1 (node 7) by its limit load, pile 2 (node 9) by a load test;
    // Tau2 of the second layer is not given.
    SavePiles(1, 4);
    ExpectAsStored(Written(140195, true));
}

// Kinds 2 and 2: the spring table (Spring, qult) and no limit load or load
// test table; kinds 3 and 1: the pile of kind 3 and the limit load table.
TEST_F(PileDataTest, EachKindHasItsOwnTableAndEmptyTablesAreLeftOut)
{
    for (const auto& [kind1, kind2] : {std::pair<std::int16_t, std::int16_t>{2, 2}, {3, 1}}) {
        SavePiles(kind1, kind2);
        ExpectAsStored(Written(140195, true), std::to_string(kind1) + std::to_string(kind2));
    }
}

TEST_F(PileDataTest, BadOrMissingFilesNameTheFileAndWriteNothing)
{
    const auto cases = TableRows("lists/pile_file_errors.tsv", 3);
    ASSERT_EQ(cases.size(), 5u);
    for (const auto& c : cases) {
        SavePiles(1, 4);
        if (c[1] == "-")
            std::remove(Path(c[0]).c_str());
        else
            Save(c[0], Unescaped(c[1]));
        state.ListText = "before";
        std::string message;
        try {
            ReadSummaryOrLoadSection(Inputs(), ListKey(140195L));
        } catch (const RuntimeError& e) {
            message = e.what();
        }
        // A file cut short is reported rather than thrown.
        if (message.empty() && !host.errors.empty())
            message = host.errors.back();
        EXPECT_NE(message.find(c[2]), std::string::npos) << message;
        EXPECT_EQ(state.ListText, "before");
    }
}

} // namespace
} // namespace teska::test
