// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pile data section (140195) of two piles, by the fixture's units
// (L factor 2, F factor 10, UnitFactor 0 = 2.5, 3 = 1.25, 4 = 5).

#include <cstdio>

#include "sections_fixture_test.h"
#include "suite/Errors.h"

namespace teska::test {
namespace {

class PileDataTest : public SectionsTest {
protected:
    PileDataTest()
    {
        state.LinesPerPage = 200; // one page: no breaks in the hand-made text
    }
    // Two piles on nodes 7 and 9, kinds as given, two layers.
    void SavePiles(std::int16_t kind1, std::int16_t kind2)
    {
        PileFilePIL pil;
        pil.Value1 = 20;
        pil.Value2 = 1000;
        pil.Number = 1;
        pil.PileNumbers = {7, 9};
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

TEST_F(PileDataTest, EachKindHasItsOwnTableAndEmptyTablesAreLeftOut)
{
    struct Case {
        std::int16_t kind1, kind2;
        std::vector<std::string> present, absent;
    };
    const Case cases[] = {
        {2, 2,
            {"  Node      Diam      Length      Spring         qult",
                "     9         1          12         200          .05"},
            {"Qli", "Load test"}},
        {3, 1, {"     7        .6          10", "Qli"}, {"kz", "Load test"}},
    };
    for (const Case& c : cases) {
        SavePiles(c.kind1, c.kind2);
        const std::string text = Written(140195, true);
        for (const std::string& piece : c.present)
            EXPECT_NE(text.find(piece), std::string::npos) << c.kind1 << c.kind2 << ": " << piece;
        for (const std::string& piece : c.absent)
            EXPECT_EQ(text.find(piece), std::string::npos) << c.kind1 << c.kind2 << ": " << piece;
    }
}

TEST_F(PileDataTest, BadOrMissingFilesNameTheFileAndWriteNothing)
{
    struct Case {
        const char* extension;
        const char* bytes; // nullptr: the file is removed
        const char* message;
    };
    const Case cases[] = {
        {".PIL", nullptr, "SLAB.PIL: the file is missing"},
        {".PIL", "2,20,1000,1\n7\n", "SLAB.PIL"},
        {".PL3", "1\n", "SLAB.PL3: a kind for each of the 2 piles of .PIL expected, found 1"},
        {".PL3", "1\n5\n", "SLAB.PL3: pile 2: kind 5, 1 to 4 expected"},
        {".PL9", "1\n50,0\n", "SLAB.PL9: a pair for each of the 2 piles of .PIL expected, found 1"},
    };
    for (const Case& c : cases) {
        SavePiles(1, 4);
        if (c.bytes)
            Save(c.extension, c.bytes);
        else
            std::remove(Path(c.extension).c_str());
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
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
        EXPECT_EQ(state.ListText, "before");
    }
}

} // namespace
} // namespace teska::test
