// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The column load section (140169) of a tiny project: two column loads with
// their load areas, one load group, a moment and an area load of .PC1 and
// the load resultant. Fixture units: L factor 2 [m], F factor 10 [kN], so
// kind 0 (F/L2) is 2.5, kind 2 (F.L) 20, kind 4 (F/L) 5, L4 16, L3 8, L2 4.

#include <cstdio>
#include <sstream>
#include <vector>

#include "project/io/RecordFile.h"
#include "sections_fixture_test.h"
#include "suite/Errors.h"

namespace teska::test {
namespace {

const char* ColumnTexts
    = "90038\tColumns\n10079\tGroups\n10153\tPts\n140105\tArea\n10023\tLoad\n90001\tAt |1\n10017\tDim\n"
      "10059\tSide\n90121\tsizes\n10078\tKinds\n10077\tKind\n10081\tpoint\n10082\tline\n10083\tarea\n"
      "90051\tMom\n13\tElem\n10060\tLL\n10061\tCode\n10024\tWid\n10025\tLen\n10005\tL\n10007\tR\n10006\tT\n"
      "10008\tB\n10022\tLoadsA\n40006\tLoadsF\n10307\tOnBeams\n90041\tComb\n90082\tperm\n10062\tvar\n"
      "120044\tPerm\n120046\tVar\n120048\tDead\n120047\tExtra\n120049\tWater\n140215\tWLoad\n"
      "160007\tOuter\n120050\tMom\n90118\tEcc\n90119\tInertia\n90120\tProduct\n120052\tArea\n"
      "120053\tVol\n10085\tBeam\n10086\tCode\n";

class ColumnLoadsTest : public SectionsTest {
protected:
    ColumnLoadsTest()
    {
        UseCatalogue("");
        state.LinesPerPage = 200; // the whole section on one page
    }

    // The fixture's catalogue with the texts of this section and \p header.
    void UseCatalogue(const std::string& header)
    {
        writeFile(catalogueDir.file("en"), header + SectionsCatalogue + ColumnTexts);
        SessionOptions options;
        options.settingsDirectory = catalogueDir.dir();
        options.catalogueDirectory = catalogueDir.dir();
        options.language = "en";
        options.strictCatalogue = true;
        writer.reset();
        const UnitSettings units = session->environment.Units();
        session = std::make_unique<Session>(host, options);
        session->environment.Units() = units;
        writer = std::make_unique<ListWriter>(*session, state);
    }

    void SaveProject(float waterPressure = 0)
    {
        LoadFilePCF pcf;
        pcf.Title = "Column loads";
        pcf.Items = {{1, {1, 2, 100}}, {2, {3, 0.5f, 50}}};
        pcf.Groups = {{1, 2, 4}};
        Save(".PCF", WriteLoadFilePCF(pcf));
        LoadFilePCW pcw;
        pcw.Title = "Load areas";
        pcw.Items = {{1, {0.5f, 0.25f}}, {2, {0.4f, 0.3f}}};
        Save(".PCW", WriteLoadFilePCW(pcw));
        LoadFilePC1 pc1;
        pc1.BlockD = {{3, 1, 1}};
        pc1.BlockB = {{2, 0, 4, 3, 0}};
        Save(".PC1", WriteLoadFilePC1(pc1));
        LoadFilePC7 pc7;
        pc7.Values = {150, 40, 190, waterPressure, 0, 2, 10, -5, 0.5f, -0.25f};
        Save(".PC7", WriteLoadFilePC7(pc7));
        LoadFilePC8 pc8;
        pc8.Values = {1, 2, 0, 12, 6};
        Save(".PC8", WriteLoadFilePC8(pc8));
    }

    static std::vector<std::string> Lines(const std::string& text)
    {
        std::vector<std::string> lines;
        std::size_t start = 0, end;
        while ((end = text.find("\r\n", start)) != std::string::npos) {
            lines.push_back(text.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }
    static bool HasRow(const std::vector<std::string>& lines, const std::vector<std::string>& words)
    {
        for (const std::string& line : lines) {
            std::istringstream in(line);
            std::vector<std::string> found;
            for (std::string w; in >> w;)
                found.push_back(w);
            if (found == words)
                return true;
        }
        return false;
    }
};

TEST_F(ColumnLoadsTest, TinyProjectLineByLine)
{
    SaveProject();
    const std::string rule0 = "  " + Dashes(47), side = "  " + Dashes(23), moment = "  " + Dashes(42),
                      area = "  " + Dashes(52);
    const std::vector<std::string> expected = {
        "  Columns",
        // The column loads: number, P x 10, x and y x 2 (gap 6; the axis
        // name comes in brackets).
        "  Groups",
        rule0,
        "  Pts      Area      Load      At (x)      At (y)",
        "   No        No         P           x           y",
        "  [-]       [-]      [kN]         [m]         [m]",
        rule0,
        "    1         1      1000           2           4",
        "    2         2       500           6           1",
        rule0,
        // The load areas of .PCW: a and b x 2.
        "  Area sizes:",
        side,
        "  Dim      Side      Side",
        "   No         a         b",
        "  [-]       [m]       [m]",
        side,
        "    1         1        .5",
        "    2        .8        .6",
        side,
        "",
        "",
        "  Kinds",
        "  1= Kind point",
        "  2= Kind line",
        "  3= Kind area",
        // Block D: Mx x 20 at x, y x 2 (no default symbol or unit).
        "  Mom Mx:",
        moment,
        "  Moment         Mom      At (x)      At (y)",
        "    Elem          Mx           x           y",
        "  " + Blanks(12) + "[kN.m]         [m]         [m]",
        moment,
        "       1          60           2           2",
        moment,
        // Block B: the area load x 2.5 and its edges x 2; Pa is not 0.
        "  Comb var",
        area,
        "  Pts         Load      Wid      Wid      Len      Len",
        "   No            P        L        R        T        B",
        "  [-]      [kN/m2]      [m]      [m]      [m]      [m]",
        area,
        "    1            5        0        8        6        0",
        area,
        // The resultant: label width 17, gap 8, symbols 4, units 7.
        "  Dead                     Pe'  [kN]    = 1500",
        "  Extra                    Pa'  [kN]    = 400",
        "  Sum (P = Pe + Pa)        P'   [kN]    = 1900",
        "  Water                    Pw'  [kN]    = 0",
        "  WLoad                    Qw'  [kN/m2] = 0",
        "  Outer                    Qo'  [kN/m2] = 5",
        "  Mom                      Mx'  [kN.m]  = 200",
        "  Mom                      My'  [kN.m]  = -100",
        "  Ecc                      ex'  [m]     = 1",
        "  Ecc                      ey'  [m]     = -.5",
        "  Inertia                  Ix'  [m4]    = 16",
        "  Inertia                  Iy'  [m4]    = 32",
        "  Product                  Ixy' [m4]    = 0",
        "  Area                     A'   [m2]    = 48",
        "  Vol                      V'   [m3]    = 48",
    };
    EXPECT_EQ(Lines(Written(140169, true)), expected);
}

TEST_F(ColumnLoadsTest, WaterPressureAndCodeTermsChangeTheResultantLabels)
{
    UseCatalogue("@term\t1\n");
    SaveProject(5);
    const std::vector<std::string> lines = Lines(Written(140169, true));
    EXPECT_TRUE(HasRow(lines, {"Perm", "Pe'", "[kN]", "=", "1500"}));
    EXPECT_TRUE(HasRow(lines, {"Var", "Pa'", "[kN]", "=", "400"}));
    EXPECT_TRUE(HasRow(lines, {"Sum", "(P", "=", "Pe", "+", "Pa", "-", "Pw)", "P'", "[kN]", "=", "1900"}));
    EXPECT_TRUE(HasRow(lines, {"Water", "Pw'", "[kN]", "=", "50"}));
}

TEST_F(ColumnLoadsTest, PlaneFrameListsTheLoadGroupsAndNoPlateLoads)
{
    project.AnalysisMethod = 21;
    SaveProject();
    const std::vector<std::string> lines = Lines(Written(140169, true));
    // No., Pv x 10, M x 20 (value 2 has no column).
    EXPECT_TRUE(HasRow(lines, {"Node", "Node", "Force", "Moment"}));
    EXPECT_TRUE(HasRow(lines, {"No", "No", "Pv", "M"}));
    EXPECT_TRUE(HasRow(lines, {"1", "1", "10", "2000"}));
    EXPECT_TRUE(HasRow(lines, {"2", "2", "30", "1000"}));
    // The load group: beam 1, Pd 4 x 5, load kind 2.
    EXPECT_TRUE(HasRow(lines, {"Beam", "Force", "Kind"}));
    EXPECT_TRUE(HasRow(lines, {"No", "Pd", "Code"}));
    EXPECT_TRUE(HasRow(lines, {"[-]", "[kN/m]", "[-]"}));
    EXPECT_TRUE(HasRow(lines, {"1", "20", "2"}));
    EXPECT_FALSE(HasRow(lines, {"Mom", "Mx:"}));
    EXPECT_FALSE(HasRow(lines, {"Comb", "var"}));
    EXPECT_TRUE(HasRow(lines, {"Vol", "V'", "[m3]", "=", "48"}));

    project.AnalysisMethod = 22; // Pv and Ph only
    const std::vector<std::string> plane = Lines(Written(140169, true));
    EXPECT_TRUE(HasRow(plane, {"Node", "Force", "Force"}));
    EXPECT_TRUE(HasRow(plane, {"1", "10", "20"}));
    EXPECT_FALSE(HasRow(plane, {"1", "20", "2"}));
}

TEST_F(ColumnLoadsTest, MissingOrShortFilesAreNamedBeforeAnyLine)
{
    for (const char* extension : {".PCF", ".PCW", ".PC7", ".PC8"}) {
        SaveProject();
        std::remove(Path(extension).c_str());
        state.ListText.clear();
        const std::string message = ErrorText<FileAccessError>([&] { Written(140169, true); });
        EXPECT_NE(message.find(std::string("SLAB") + extension), std::string::npos) << message;
        EXPECT_EQ(state.ListText, "") << extension;
    }

    SaveProject();
    RecordWriter w;
    w.PutInt16(1, 2); // two items of block A announced, none follows
    w.Save(Path(".PC1"));
    std::string message = ErrorText<FileFormatError>([&] { Written(140169, true); });
    EXPECT_NE(message.find("SLAB.PC1"), std::string::npos) << message;

    SaveProject();
    writeFile(Path(".PC7"), "1, 2, 3\r\n"); // three values of ten
    message = ErrorText<FileFormatError>([&] { Written(140169, true); });
    EXPECT_NE(message.find("SLAB.PC7"), std::string::npos) << message;
}

} // namespace
} // namespace teska::test
