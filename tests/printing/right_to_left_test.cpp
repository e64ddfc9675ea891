// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A right-to-left list on paper: the writer's character cells mirrored, with
// a lam-alef pair in one cell, in a fixed-pitch font that has Arabic letters.

#include <gtest/gtest.h>

#include <QFont>
#include <map>
#include <regex>

#include "printing/PagePrinter.h"
#include "printing/RightToLeftLine.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

const std::string kLamAlef = "\xD9\x84\xD8\xA7"; // lam, alef
const std::string kLamHamza = "\xD9\x84\xD8\xA3"; // lam, alef with hamza above
const std::string kRaqm = "\xD8\xB1\xD9\x82\xD9\x85"; // "number", no pair

TEST(RightToLeftLine, RunsStandInTheWritersCellsWithAPairInOneCell)
{
    struct Case {
        std::string line;
        std::vector<RightToLeftRun> runs;
    };
    const Case cases[] = {
        {"", {}},
        {"     ", {}},
        // Cells 5-7, then the two pairs in cells 11 and 13, then 17-18.
        {"     " + kRaqm + "   " + kLamAlef + " " + kLamHamza + "   mx  ",
            {{kRaqm, 5, 3}, {kLamAlef + " " + kLamHamza, 11, 3}, {"mx", 17, 2}}},
        // A single blank belongs to the run; two or more end it.
        {"Slab 18 m x 14 m  [kN]", {{"Slab 18 m x 14 m", 0, 16}, {"[kN]", 18, 4}}},
        // A lam before another letter, and an alef after a blank, are two cells.
        {"\xD9\x84\xD8\xA8 \xD8\xA7", {{"\xD9\x84\xD8\xA8 \xD8\xA7", 0, 4}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RightToLeftRuns(c.line), c.runs) << c.line;
}

// The words of page 1 of \p pdf with the right edge of each, in points.
std::multimap<std::string, double> WordRightEdges(const std::string& pdf, const test::ScratchDir& dir)
{
    const test::CommandResult result = test::RunCommand("pdftotext", {"-bbox", pdf, "-"}, dir);
    static const std::regex word(
        R"re(<word xMin="[^"]*" yMin="[^"]*" xMax="([^"]*)" yMax="[^"]*">([^<]*)</word>)re");
    std::multimap<std::string, double> edges;
    for (auto it = std::sregex_iterator(result.out.begin(), result.out.end(), word);
         it != std::sregex_iterator(); ++it)
        edges.emplace((*it)[2], std::stod((*it)[1]));
    return edges;
}

TEST(RightToLeftLine, PrintedPageMirrorsTheCellsInAFontWithArabicLetters)
{
    if (test::RunCommand("pdftotext", {"-v"}, test::ScratchDir()).status != 0)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the printed page cannot be read back";
    EnsureGuiApplication();
    test::ScratchDir dir;
    PagePrinter printer;
    printer.SetPdfFile(dir.file("ar.pdf"));
    // Courier New has no Arabic letters: a fixed-pitch font that has them
    // takes its place.
    ASSERT_TRUE(printer.ApplyPrinterSettings({}, ListFont{"Courier New", 8, 400, false}, true).Measured);
    EXPECT_TRUE(printer.Font().fixedPitch());
    // "ab" and "cd" stand in cells 9 and 10 of their lines: in the second
    // line the two pairs fill two cells, so its blanks are the writer's
    // padding of a heading with two pairs.
    printer.PrintPage("     1   ab   -35.6\r\n     " + kLamAlef + kLamHamza + "  cd\r\n");
    printer.EndJob();
    const auto edges = WordRightEdges(dir.file("ar.pdf"), dir);
    ASSERT_EQ(edges.count("ab"), 1u);
    ASSERT_EQ(edges.count("cd"), 1u);
    ASSERT_EQ(edges.count("1"), 1u);
    EXPECT_EQ(edges.count("-35.6"), 1u) << "a number keeps its sign in front";
    const double cell = 0.6 * 8; // DejaVu Sans Mono: 0.6 em a character
    EXPECT_NEAR(edges.find("ab")->second, edges.find("cd")->second, 0.5);
    // Mirrored: the first cells are at the right; "1" (cell 5) ends four
    // cells to the right of "ab" (cells 9, 10).
    EXPECT_NEAR(edges.find("1")->second - edges.find("ab")->second, 4 * cell, 0.5);
    const std::string fonts = test::RunCommand("pdffonts", {dir.file("ar.pdf")}, dir).out;
    EXPECT_NE(fonts.find("DejaVuSansMono"), std::string::npos) << fonts;
}

} // namespace
} // namespace teska
