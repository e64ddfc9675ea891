// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// ReadResultList on small hand-made projects: which files each list reads,
// the unit conversion rounded through the printed text, the x 100 of the
// settlement columns, the computed columns, the counted and square files,
// punching and beam lists, and how a missing, short or corrupt file or a
// cancel stops the read.

#include <charconv>
#include <cmath>
#include <filesystem>
#include <functional>
#include <sstream>
#include <stdexcept>

#include "lists/list_fixture_test.h"
#include "lists/results/ReadResultList.h"
#include "project/results/ResultFiles.h"
#include "suite/Errors.h"

namespace teska::test {
namespace {

class Window : public ProgressWindow {
public:
    void showProgressLabels(const std::string&, const std::string&) override { }
    void unload() override { ++unloaded; }
    int unloaded = 0;
};

// A session over a catalogue of the two matrix names and a project "SLAB";
// the read of a result list, whatever the writer.
class ResultRead : public ListFixture {
protected:
    ResultRead()
        : ListFixture("140177\tSettlement coefficient\n140221\tSpring\n", 40, 30, false)
    {
        session->catalogue.setStrict(false); // the progress labels are not among its texts
        project.ProjectDirectory = projectDir.dir();
        project.ProjectBaseName = "SLAB";
        project.AnalysisMethod = 1;
    }

    // L factor 2, L2 factor 10, F factor 1000, F2 factor 0.5, so that
    //   kind 0 = F/L^2 = 250, kind 1 = F = 1000, kind 2 = L*F = 2000,
    //   kind 3 = F/L^3 = 125, kind 4 = F/L = 500, kind 7 = L^2 = 4,
    //   kind 8 = L2^2/L = 50, kind 9 = F2/L^2 = 0.125,
    //   settlement columns x L2 x 100 = 1000.
    void useTestUnits()
    {
        session->environment.Units() = {"[m]", 2, "[cm]", 10, "[kN]", 1000, "[kN]", 0.5, 0};
    }

    std::string path(const std::string& extension) const { return projectDir.file("SLAB" + extension); }
    void nodes(std::int32_t n) { WriteNodeCountFile(path(".PL6"), n); }
    void column(const std::string& extension, std::vector<float> values)
    {
        WriteColumnFile(path(extension), values);
    }

    short read(const ListKey& key) { return ReadResultList(*session, project, key, &window, table); }

    // The table as text, one row a line, each value in its shortest exact
    // form, compared with the file stored for the test (\p suffix apart).
    void ExpectTable(const std::string& suffix = {}) const
    {
        std::string text;
        for (std::int32_t r = 1; r <= table.RowCount(); ++r) {
            for (std::int32_t c = 1; c <= table.ColumnCount(); ++c) {
                char buffer[32];
                const auto end = std::to_chars(buffer, buffer + sizeof buffer, table.Value(r, c)).ptr;
                text += (c > 1 ? " " : "") + std::string(buffer, end);
            }
            text += "\n";
        }
        ExpectAsStored(text, suffix);
    }

    ResultContext project; // in place of the fixture's ProjectState
    Window window;
    ResultTable table;
};

using Values = std::vector<float>;

// Lists read from hand-made files, each table compared with the one stored
// as ResultRead.Lists_<name><key>.txt.
TEST_F(ResultRead, Lists)
{
    const struct {
        const char* name;
        bool units; // useTestUnits, else every factor 1
        std::function<void()> files;
        std::vector<ListKey> keys; // one key: no key in the file name
    } cases[] = {
        // A file value of 0.0123 is listed as 1.23; the third column is the
        // difference.
        {"SettlementIsListedTimesOneHundredInTheSecondLengthUnit", false,
            [this] {
                nodes(2), column(".PH1", {0.0123f, -0.5f}), column(".PH8", {0.0023f, 0});
            },
            {138L}},
        // 0.123456789 x 1000 = 123.456789..., whose plain text has seven
        // significant digits: 123.4568. Column 3 is the difference of the
        // converted columns, 123.4568 - 0.0123456 = 123.4444544, not the
        // converted difference 123.4444.
        {"ConvertedValuesKeepOnlyWhatTheirPlainTextShows", true,
            [this] { nodes(1), column(".PH1", {0.123456789f}), column(".PH8", {0.0000123456f}); }, {138L}},
        // .PL6 says four nodes, .PL4 three areas: the list has three rows;
        // 10 x 250 / 2, 5 x 250 / 0.5, 8 x 250 / 4.
        {"ContactPressureComesFromNodalForceOverNodeArea", true,
            [this] {
                nodes(4), WriteCountedFile(path(".PL4"), Values{2.0f, 0.5f, 4.0f});
                column(".PT3", {0.01f, 0.02f, 0.03f}), column(".PT2", {10, 5, 8});
            },
            {90103L}},
        {"ContactPressureOutsideModelFourHasItsDifference", true,
            [this] {
                nodes(2), column(".PH2", {0.5f, 0.25f}), column(".PH9", {0.125f, 0.5f});
            },
            {90098L}},
        {"TheThreeSettlementPairsReadTheirOwnFiles", false,
            [this] {
                nodes(1), WriteCountedFile(path(".PL4"), Values{0.5f}), column(".PP3", {0.25f});
                column(".PP2", {3}), column(".PV1", {0.5f}), column(".PV2", {4});
            },
            {90163L, 90105L}},
        // x 3, y 1, xy 1: max shear sqrt(1 + 1) = 1.4142136, principal
        // 2 +- 1.4142136; all six columns then x 250 and cut to seven digits.
        {"StressesGetMaximumShearAndPrincipalStressesThenConversion", true,
            [this] { nodes(1), column(".S_X", {3}), column(".S_Y", {1}), column(".TXY", {1}); }, {90183L}},
        // x 3, y 1, gamma 1 with f = 2: max gamma sqrt(2^2 + 1) = 2.236068,
        // r = sqrt(1 + 1/4) = 1.118034, principal 3.118034 and .881966. Pure
        // shear gamma 2: max gamma 2, principal strains +1 and -1.
        {"StrainsUseTheEngineeringShearStrain", false,
            [this] {
                nodes(2), column(".VAX", {3, 0}), column(".VAY", {1, 0}), column(".VXY", {1, 2});
            },
            {90184L}},
        // mx 0.004, my 0.001, mxy 0.002 x 1000 = 4, 1, 2: m 2.5, d 1.5,
        // r sqrt(2.25 + 4) = 2.5, so 5 and 0.
        {"PrincipalMomentsComeFromTheConvertedMoments", true,
            [this] {
                nodes(2), column(".PH3", {0.004f, -0.003f}), column(".PH4", {0.001f, -0.003f});
                column(".PH5", {0.002f, 0});
            },
            {140L}},
        // [Ce] and [Cw] x 1 / 500, [ks] x 500.
        {"CoefficientMatricesFillASquareTableScaledOnce", true,
            [this] {
                nodes(2), WriteMatrixFile(path(".PD1"), 2, Values{500, 1000, -250, 0});
                WriteMatrixFile(path(".PD2"), 2, Values{5, 0, 0, 5});
                WriteMatrixFile(path(".PE1"), 2, Values{0.002f, 0, 0, 1});
            },
            {std::string("Settlement coefficient [Ce]"), std::string("Settlement coefficient [Cw]"),
                std::string("Spring [ks]")}},
        {"BeamListsTakeTheirFieldsOfEachRecord", true,
            [this] {
                nodes(3);
                const BeamRecord beams[] = {{1, 2, {1, 2, 3, 4, 5}}, {2, 3, {-0.5f, 0.25f, 0, 0.125f, -1}}};
                WriteBeamFile(path(".GH1"), beams);
            },
            {80006L, 160010L, 160008L, 160009L}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const auto& entry : std::filesystem::directory_iterator(projectDir.path()))
            std::filesystem::remove(entry.path());
        session->environment.Units() = UnitSettings{};
        if (c.units)
            useTestUnits();
        c.files();
        for (const ListKey& key : c.keys) {
            ASSERT_EQ(read(key), 0) << ListKeyText(key);
            ExpectTable("_" + std::string(c.name) + (c.keys.size() > 1 ? ListKeyText(key) : ""));
        }
    }
}

// ---- the column lists, file by file and factor by factor -------------------

// Each list's files go to their columns with their factors: file k holds
// 0.125 x k and -0.125 x k.
TEST_F(ResultRead, ColumnListsTakeEachFileWithItsFactor)
{
    const auto cases = TableRows("lists/result_columns.tsv", 4);
    ASSERT_EQ(cases.size(), 12u);
    useTestUnits();
    nodes(2);
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0] + " method " + c[1]);
        project.AnalysisMethod = std::stoi(c[1]);
        std::istringstream files(c[2]), factors(c[3]);
        std::vector<double> factor;
        float v = 0.125f;
        for (std::string file; files >> file; v += 0.125f)
            column(file, {v, -v});
        for (double f; factors >> f;)
            factor.push_back(f);
        ASSERT_EQ(read(std::stol(c[0])), 0);
        ASSERT_EQ(table.RowCount(), 2);
        ASSERT_EQ(table.ColumnCount(), static_cast<std::int32_t>(factor.size()));
        for (std::int32_t k = 1; k <= table.ColumnCount(); ++k) {
            const float expected = static_cast<float>(0.125 * k * factor[static_cast<std::size_t>(k - 1)]);
            EXPECT_EQ(table.Value(1, k), expected) << "column " << k;
            EXPECT_EQ(table.Value(2, k), -expected) << "column " << k;
        }
    }
}

// ---- punching ----------------------------------------------------------------

class PunchingList : public ResultRead {
protected:
    PunchingList()
    {
        useTestUnits();
        nodes(9);
        PunchingResult r{1.23456f, 0.0123f, 0.5f, 1.2345f, 0.25f, 87.654f, {}};
        r.Skipped.Pairs = {{1, 2}, {3, 4}};
        WritePunchingResults(path(".PPU"), {{{0.12345f, 1.234f, 0.5f, 2}}, {{9, 9}, {0.3f, 0.4f}}, {r}});
        formats.slots[1] = "0.000";
        project.Formats = &formats;
    }
};

TEST_F(PunchingList, ElevenColumnsRoundedThroughTheirFormats)
{
    // The points, not the nine nodes; 123.450004 in "0.000", 2.468 in
    // "0.00", side a of type 2 x 2, 1.23456 x 0.125 = 0.15432 in "0.0",
    // 0.0123 x 250 = 3.075 in "0.0", 0.5 x 4, 2.469 in "0.00", the last
    // not converted in "0.00".
    project.DesignCode = "EC 2";
    ASSERT_EQ(read(80045L), 0);
    ExpectTable();
    // ACI takes the second force unit for qp: 1.23456 x 0.5 = 0.61728 in
    // slot 1 "0.000"; not so "ACI 318".
    project.DesignCode = "ACI";
    ASSERT_EQ(read(80045L), 0);
    EXPECT_EQ(table.Value(1, 6), 0.617f);
    project.DesignCode = "ACI 318";
    ASSERT_EQ(read(80045L), 0);
    EXPECT_EQ(table.Value(1, 6), 0.2f);
}

// ---- stopping the read ------------------------------------------------------

// A missing file aborts the read and closes the slot; the columns read
// before it stay in the table.
TEST_F(ResultRead, AMissingFileAbortsTheRead)
{
    const struct {
        ListKey key;
        std::function<void()> files;
    } cases[] = {
        {138L, [this] { column(".PH1", {1}), column(".PH8", {1}); }}, // no .PL6
        {90103L,
            [this] {
                nodes(1), WriteCountedFile(path(".PL4"), Values{0.5f}), column(".PT2", {3});
            }}, // no .PT3
        {140L, [this] { nodes(1), column(".PH3", {1}), column(".PH4", {2}); }}, // no .PH5
    };
    for (const auto& c : cases) {
        for (const auto& entry : std::filesystem::directory_iterator(projectDir.path()))
            std::filesystem::remove(entry.path());
        c.files();
        session->tools.SetRunState(RunRunning);
        const int unloaded = window.unloaded;
        EXPECT_EQ(read(c.key), -1) << ListKeyText(c.key);
        EXPECT_EQ(session->tools.RunState(), RunAborted);
        EXPECT_EQ(window.unloaded, unloaded + 1);
        EXPECT_FALSE(session->file.IsOpen());
    }
    EXPECT_EQ(table.Value(1, 2), 2.0f); // .PH4, read before .PH5 was found missing
}

TEST_F(ResultRead, ADataListKeyReadsOnlyTheNodeCount)
{
    nodes(1);
    column(".QUN", {0.5f});
    ASSERT_EQ(read(150L), 0);
    nodes(7);
    EXPECT_EQ(read(90054L), 0);
    EXPECT_EQ(read(std::string("Some other text")), 0);
    EXPECT_EQ(table.RowCount(), 1);
    EXPECT_EQ(table.Value(1, 1), 0.5f);
    EXPECT_FALSE(HasResultCase(*session, 90054L));
    EXPECT_TRUE(HasResultCase(*session, std::string("Spring [ks]")));
    EXPECT_TRUE(HasResultCase(*session, 160009L));
}

TEST_F(ResultRead, ACancelStopsTheReadAtTheNextCheck)
{
    nodes(1);
    column(".PH3", {1});
    column(".PH4", {2});
    column(".PH5", {3});
    // Cancelled while .PH3 is being opened: .PH3 is read, the check after it
    // stops the read before .PH4.
    host.onTurn = [this] {
        if (session->environment.CurrentFileName().ends_with(".PH3"))
            session->tools.Cancel();
    };
    EXPECT_EQ(read(140L), -1);
    EXPECT_EQ(session->tools.RunState(), RunCancelled);
    ASSERT_EQ(table.RowCount(), 1);
    EXPECT_EQ(table.Value(1, 1), 1.0f);
    EXPECT_EQ(table.Value(1, 2), 0.0f);
    host.onTurn = nullptr;
    session->tools.SetRunState(RunRunning);
    EXPECT_EQ(read(140L), 0);
}

TEST_F(ResultRead, ShortAndCorruptFilesAreErrorsNamingTheFile)
{
    // The file and line each fault names (0: no line); the slot is closed.
    const struct {
        ListKey key;
        std::function<void()> files;
        const char* file;
        std::size_t line;
        const char* part;
    } cases[] = {
        {141L,
            [&] {
                nodes(3), column(".PH6", {1, 2, 3}), writeFile(path(".PH7"), "1\r\n2\r\n");
            },
            ".PH7", 0, ""},
        {141L,
            [&] {
                writeFile(path(".PH7"), "1\r\n2\r\n3,5\r\n"), writeFile(path(".PH6"), "1\r\n2e\r\n3\r\n");
            },
            ".PH6", 2, ""},
        {90103L,
            [&] {
                nodes(2), WriteCountedFile(path(".PL4"), Values{1.0f, 0.0f});
                column(".PT3", {0, 0}), column(".PT2", {1, 1});
            },
            ".PL4", 0, "node 2"},
        {std::string("Settlement coefficient [Ce]"),
            [&] {
                WriteMatrixFile(path(".PD1"), 3, Values{1, 2, 3, 4, 5, 6, 7, 8, 9});
            },
            ".PD1", 1, ""},
        // A huge or negative node count is refused before anything is
        // allocated.
        {90098L,
            [&] {
                nodes(2000000000), column(".PH2", {1, 2}), column(".PH9", {1, 2});
            },
            ".PH2", 0, ""},
        {90098L, [&] { writeFile(path(".PL6"), "-3\r\n"); }, ".PL6", 0, ""},
    };
    for (const auto& c : cases) {
        c.files();
        try {
            read(c.key);
            ADD_FAILURE() << "no error for " << c.file;
        } catch (const FileFormatError& e) {
            EXPECT_EQ(e.file(), path(c.file));
            if (c.line != 0) {
                EXPECT_EQ(e.line(), c.line);
            }
            EXPECT_NE(e.expectation().find(c.part), std::string::npos) << e.what();
        }
        EXPECT_FALSE(session->file.IsOpen());
    }
}

TEST(ResultTableStorage, CreateStartsFromZerosWhateverWasThere)
{
    ResultTable table;
    table.Create(2, 3);
    table.At(2, 3) = 5;
    table.At(1, 1) = 7;
    table.Create(3, 2);
    EXPECT_EQ(table.RowCount(), 3);
    EXPECT_EQ(table.ColumnCount(), 2);
    for (std::int32_t r = 1; r <= 3; ++r)
        for (std::int32_t c = 1; c <= 2; ++c)
            EXPECT_EQ(table.Value(r, c), 0.0f) << r << "," << c;
    EXPECT_THROW(table.Create(-1, 2), std::invalid_argument);
}

} // namespace
} // namespace teska::test
