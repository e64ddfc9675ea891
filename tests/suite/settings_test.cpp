// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <filesystem>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "suite/Errors.h"
#include "suite/FileText.h"
#include "suite/Host.h"
#include "suite/SettingsStore.h"
#include "suite/SuiteEnvironment.h"
#include "suite/TextCatalogue.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

namespace fs = std::filesystem;
using test::EnvGuard;
using test::readFile;
using test::ScratchDir;
using test::writeFile;
using ::testing::HasSubstr;

// Names of the files in \p dir.
std::vector<std::string> filesIn(const ScratchDir& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// SettingsStore

TEST(SettingsStore, RoundTripKeepsOrderSectionsWithBlanksAndSpecialValues)
{
    ScratchDir dir;
    SettingsStore store(dir.file("TESKA-List.ini"));
    store.SetValue("List frmPlotPage", "Copies", "2");
    store.SetValue("Recent", "File1", "/home/a b/x.PO1");
    store.SetValue("Recent", "File0", "line\nbreak \\ back\rcr");
    store.SetValue("List frmPlotPage", "Copies", "3"); // replaces, keeps place
    store.SetValue("Empty", "Key", "");
    store.Save();

    SettingsStore back(dir.file("TESKA-List.ini"));
    EXPECT_TRUE(back.Load());
    EXPECT_EQ(back.Sections(), (std::vector<std::string>{"List frmPlotPage", "Recent", "Empty"}));
    EXPECT_EQ(back.Keys("Recent"), (std::vector<std::string>{"File1", "File0"}));
    EXPECT_EQ(back.Value("List frmPlotPage", "Copies"), "3");
    EXPECT_EQ(back.Value("Recent", "File1"), "/home/a b/x.PO1");
    EXPECT_EQ(back.Value("Recent", "File0"), "line\nbreak \\ back\rcr");
    EXPECT_EQ(back.Find("Empty", "Key"), std::optional<std::string>(""));
    EXPECT_EQ(back.Find("Empty", "Other"), std::nullopt);
    EXPECT_EQ(back.LineOf("Recent", "File0"), 6u);
    SettingsStore none(dir.file("none.ini"));
    EXPECT_FALSE(none.Load());
    EXPECT_TRUE(none.Sections().empty());
}

// Comments, CR LF, Windows paths, repeated sections; whole numbers fall
// back to the default unless the whole value is one.
TEST(SettingsStore, ParsesTheFormsOfTheFileAndWholeValues)
{
    SettingsStore store;
    store.Parse("; comment\r\n# also\r\n[A]\r\n key = value with blanks \r\n"
                "path=C:\\TESKA\\x.PO1\r\n[P]\r\nk=1\r\n[A]\r\nkey2=2\r\n"
                "[P]\nCopies= 3 \nBad=3x\nEmpty=\nHuge=99999999999999999999\nNeg=-2\n",
        "f.ini");
    EXPECT_EQ(store.Value("A", "key"), " value with blanks ");
    EXPECT_EQ(store.Value("A", "path"), "C:\\TESKA\\x.PO1");
    EXPECT_EQ(store.Value("A", "key2"), "2");
    EXPECT_EQ(store.Sections(), (std::vector<std::string>{"A", "P"}));
    EXPECT_EQ(store.WholeValue("P", "Copies", 1), 3);
    EXPECT_EQ(store.WholeValue("P", "Neg", 1), -2);
    EXPECT_EQ(store.WholeValue("P", "Bad", 1), 1);
    EXPECT_EQ(store.WholeValue("P", "Empty", 1), 1);
    EXPECT_EQ(store.WholeValue("P", "Huge", 1), 1);
    EXPECT_EQ(store.WholeValue("P", "None", 7), 7);
}

// A name the file could not hold is refused (removing a key: the merge of
// two programs' saves).
TEST(SettingsStore, RejectsNamesTheFileCannotHold)
{
    SettingsStore store;
    EXPECT_THROW(store.SetValue("S", "a=b", "1"), RuntimeError);
    EXPECT_THROW(store.SetValue("S]", "a", "1"), RuntimeError);
    EXPECT_THROW(store.SetValue("S", "", "1"), RuntimeError);
}

// Two programs on one settings file: each save re-reads the file and adds
// its own changes, so neither loses what the other stored; no temporary or
// lock file is left, and the file keeps its mode.
TEST(SettingsStore, SavesOfTwoProgramsMergeAndLeaveOnlyTheFile)
{
    ScratchDir dir;
    const std::string file = dir.file("TESKA-List.ini");
    writeFile(file, "[Recent Files]\nFile1=/p/A.PO1\n[Old]\nk=1\n");
    ::chmod(file.c_str(), 0640);
    SettingsStore first(file), second(file);
    first.Load();
    second.Load();
    first.SetValue("Recent Files", "File1", "/p/B.PO1");
    first.SetValue("Recent Files", "File2", "/p/A.PO1");
    second.SetValue("List frmPlotPage", "NoCopy", "3");
    second.Remove("Old", "k");
    first.Save();
    second.Save();
    EXPECT_EQ(readFile(file),
        "[Recent Files]\nFile1=/p/B.PO1\nFile2=/p/A.PO1\n\n[Old]\n\n[List frmPlotPage]\nNoCopy=3\n");
    EXPECT_EQ(second.Value("Recent Files", "File2"), "/p/A.PO1"); // it holds what it wrote
    EXPECT_EQ(filesIn(dir), (std::vector<std::string>{"TESKA-List.ini"}));
    struct stat st { };
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

// A damaged line costs only itself; a Windows-1252 value does not garble
// the others, and the bytes of a path come back as they were.
TEST(SettingsStore, DamagedLinesAndForeignBytesCostOnlyThemselves)
{
    ScratchDir dir;
    const std::string file = dir.file("TESKA-List.ini");
    const std::string latin1Path = "/p/Z\xfcrich/A.PO1";
    writeFile(file,
        "[Recent Files]\nFile1=" + latin1Path
            + "\nFile2=/p/Gen\xc3\xa8ve/B.PO1\ngarbage line\n"
              "[Settings]\nStatus Bar=False\n");
    SettingsStore store(file);
    store.Load();
    ASSERT_EQ(store.Problems().size(), 1u);
    EXPECT_EQ(store.Problems()[0], file + ", line 4: expected key=value, a [section] or a comment");
    EXPECT_EQ(store.RawValue("Recent Files", "File1"), latin1Path);
    EXPECT_EQ(store.Value("Recent Files", "File1"), "/p/Z\xc3\xbcrich/A.PO1");
    EXPECT_EQ(store.Value("Recent Files", "File2"), "/p/Gen\xc3\xa8ve/B.PO1");
    EXPECT_FALSE(store.BoolValue("Settings", "Status Bar", true));
    // The damaged file is kept beside it; a save writes the rest unchanged.
    EXPECT_EQ(store.KeepDamagedCopy(), file + ".damaged");
    const std::string damaged = readFile(file);
    EXPECT_EQ(readFile(file + ".damaged"), damaged);
    store.SetValue("Settings", "Status Bar", "True");
    store.Save();
    EXPECT_EQ(readFile(file),
        "[Recent Files]\nFile1=" + latin1Path
            + "\nFile2=/p/Gen\xc3\xa8ve/B.PO1\n\n[Settings]\nStatus Bar=True\n");
}

TEST(SettingsStore, FailedSaveAndHugeFileAreErrorsNamingTheFile)
{
    ScratchDir dir;
    SettingsStore store(dir.file("missing-folder/x.ini"));
    store.SetValue("A", "k", "v");
    test::ExpectAccessErrorNaming(dir.file("missing-folder/x.ini"), [&] { store.Save(); });
    EXPECT_TRUE(filesIn(dir).empty());
    writeFile(dir.file("big.ini"), "[A]\n" + std::string(SettingsStore::kMaxFileBytes, 'x'));
    SettingsStore big(dir.file("big.ini"));
    try {
        big.Load();
        FAIL() << "no error";
    } catch (const FileFormatError& e) {
        EXPECT_EQ(e.file(), dir.file("big.ini"));
        EXPECT_THAT(e.what(), HasSubstr("larger than"));
    }
}

// Settings directory

// The settings folder: TESKA_SETTINGS_DIR (given its slash), else
// $XDG_CONFIG_HOME/teska when that is an absolute path, else
// $HOME/.config/teska; the folder is made, no other.
TEST(SettingsDirectory, FromTheEnvironment)
{
    ScratchDir dir;
    EnvGuard home("HOME", dir.file("home").c_str());
    const struct {
        std::string settings, xdg, folder;
    } cases[] = {
        {dir.file("a/b"), dir.file("unused"), dir.file("a/b") + "/"},
        {dir.dir(), "", dir.dir()},
        {"", dir.file("xdg"), dir.file("xdg") + "/teska/"},
        {"", "relative/not/allowed", dir.file("home") + "/.config/teska/"},
        {"", "", dir.file("home") + "/.config/teska/"},
    };
    for (const auto& c : cases) {
        EnvGuard settings("TESKA_SETTINGS_DIR", c.settings.empty() ? nullptr : c.settings.c_str());
        EnvGuard xdg("XDG_CONFIG_HOME", c.xdg.empty() ? nullptr : c.xdg.c_str());
        EXPECT_EQ(SuiteEnvironment::SettingsDirectoryFromEnvironment(), c.folder)
            << c.settings << " " << c.xdg;
        EXPECT_TRUE(fs::is_directory(c.folder)) << c.folder;
    }
    EXPECT_FALSE(fs::exists(dir.file("unused")));
    // A directory given to the environment gets its slash too.
    RecordingHost host;
    SuiteEnvironment env(host, dir.file("s"));
    EXPECT_EQ(env.SettingsFilePath(), dir.file("s") + "/suite.ini");
    EXPECT_EQ(ApplicationSettingsPath("/cfg/teska/"), "/cfg/teska/TESKA-List.ini");
}

// Suite settings

// The units as one line of text, to compare all their members at once.
std::string UnitsText(const UnitSettings& u)
{
    std::ostringstream text;
    text.precision(15);
    text << u.LengthUnit << u.LengthFactor << u.Length2Unit << u.Length2Factor << u.ForceUnit << u.ForceFactor
         << u.Force2Unit << u.Force2Factor << u.Ninth;
    return text.str();
}

TEST(SuiteSettings, DefaultsForWhatIsMissingAndARoundTripKeepingOtherSections)
{
    ScratchDir dir;
    RecordingHost host;
    SuiteEnvironment env(host, dir.dir());
    // No file gives every default, a partial one the defaults of the keys
    // it lacks; neither is an error.
    env.LoadSettings();
    EXPECT_EQ(UnitsText(env.Units()), "[m]1[cm]1[kN]1[kN]10");
    EXPECT_EQ(env.Language, "en");
    writeFile(dir.file("suite.ini"), "[Other]\nkeep=me\n[Units]\nL=[mm]\nLF=1000\n[Company]\nLine1=ACME\n");
    env.LoadSettings();
    EXPECT_EQ(UnitsText(env.Units()), "[mm]1000[cm]1[kN]1[kN]10");
    EXPECT_EQ(env.CompanyLine1, "ACME");
    EXPECT_EQ(env.CompanyLine2, "");

    env.Units() = {"[ft]", 3.28084, "[in]", 39.3701, "[kip]", 0.224809, "[t]", 0.1019716, 2};
    env.CompanyLine1 = "Müller & Partner, Ingenieure";
    env.CompanyLine2 = "  indented = with equals";
    env.Language = "ar";
    env.SaveSettings();
    EXPECT_EQ(filesIn(dir), (std::vector<std::string>{"suite.ini"}));

    SuiteEnvironment back(host, dir.dir());
    back.LoadSettings();
    EXPECT_EQ(UnitsText(back.Units()), "[ft]3.28084[in]39.3701[kip]0.224809[t]0.10197162");
    EXPECT_EQ(back.CompanyLine1, "Müller & Partner, Ingenieure");
    EXPECT_EQ(back.CompanyLine2, "  indented = with equals");
    EXPECT_EQ(back.Language, "ar");
    EXPECT_TRUE(host.errors.empty());
    const std::string text = readFile(dir.file("suite.ini"));
    EXPECT_THAT(text, HasSubstr("[Other]\nkeep=me\n"));
    EXPECT_THAT(text, HasSubstr("L=[ft]\n"));
}

// The malformed files of tests/data/suite/malformed.tsv: a settings text
// or a catalogue is refused with a format error naming the file and the
// line; the suite settings give their defaults with one error naming both,
// and a save replaces the file with one that reads back quietly.
TEST(MalformedSuiteFiles, NameTheFileAndTheLine)
{
    const auto table = test::TableRows("suite/malformed.tsv", 5);
    ASSERT_GT(table.size(), 15u);
    for (const std::vector<std::string>& f : table) {
        SCOPED_TRACE(f[0]);
        ScratchDir dir;
        const std::string content = test::Unescaped(f[2]);
        if (f[1] == "settings") {
            writeFile(dir.file("suite.ini"), content);
            RecordingHost host;
            SuiteEnvironment env(host, dir.dir());
            env.CompanyLine1 = "stale";
            env.LoadSettings();
            ASSERT_EQ(host.errors.size(), 1u);
            EXPECT_THAT(host.errors[0], HasSubstr(dir.file("suite.ini") + ", line " + f[3] + ": " + f[4]));
            EXPECT_EQ(UnitsText(env.Units()), "[m]1[cm]1[kN]1[kN]10");
            EXPECT_EQ(env.CompanyLine1, "");
            EXPECT_EQ(env.Language, "en");
            env.SaveSettings();
            env.LoadSettings();
            EXPECT_EQ(host.errors.size(), 1u);
            continue;
        }
        const std::string file = dir.file(f[1] == "ini" ? "suite.ini" : "en");
        SettingsStore store;
        try {
            if (f[1] == "ini") {
                store.Parse(content, file);
            } else {
                writeFile(file, content);
                TextCatalogue catalogue(dir.dir(), "en");
            }
            ADD_FAILURE() << "no error";
        } catch (const FileFormatError& e) {
            EXPECT_EQ(e.file(), file);
            EXPECT_EQ(e.line(), std::stoul(f[3]));
            EXPECT_THAT(e.what(), HasSubstr(f[4]));
        }
        EXPECT_TRUE(store.Sections().empty());
    }
}

// Files, status and errors

class NoticeHost : public RecordingHost {
public:
    void fileNotice(const std::string& file, int mode) override
    {
        notices.push_back(file + "|" + std::to_string(mode));
    }
    void clearFileNotice() override { ++clears; }
    std::vector<std::string> notices;
    int clears = 0;
};

TEST(SuiteEnvironmentFiles, IsFileMissingCases)
{
    ScratchDir dir;
    writeFile(dir.file("ok.P21"), "1\n");
    writeFile(dir.file("locked.P21"), "1\n");
    ::chmod(dir.file("locked.P21").c_str(), 0);
    fs::create_directories(dir.file("folder.P21"));
    RecordingHost host;
    SuiteEnvironment env(host, dir.dir());

    EXPECT_FALSE(env.IsFileMissing(dir.file("ok.P21"), false));
    EXPECT_EQ(host.lastStatus, "");
    EXPECT_TRUE(env.IsFileMissing(dir.file("none.P21"), true));
    EXPECT_EQ(host.lastStatus, ""); // quiet: nothing shown
    EXPECT_TRUE(env.IsFileMissing(dir.file("none.P21"), false));
    EXPECT_EQ(host.lastStatus, "File not found: " + dir.file("none.P21"));
    EXPECT_TRUE(env.IsFileMissing(dir.file("folder.P21"), false));
    EXPECT_EQ(host.lastStatus, dir.file("folder.P21") + ": is a folder, not a file");
    // A named pipe without a writer is refused at once, never opened: an
    // open would wait for a writer for ever.
    ASSERT_EQ(::mkfifo(dir.file("pipe.P21").c_str(), 0600), 0);
    EXPECT_TRUE(env.IsFileMissing(dir.file("pipe.P21"), false));
    EXPECT_EQ(host.lastStatus, dir.file("pipe.P21") + ": is a named pipe, not a file");
    for (const std::string& path : {std::string("/dev/zero"), dir.file("pipe.P21")})
        test::ExpectAccessErrorNaming(path, [&] { ReadWholeFile(path, 1000); });
    EXPECT_TRUE(env.IsFileMissing("", true));
    if (::geteuid() != 0) { // root reads any file
        EXPECT_TRUE(env.IsFileMissing(dir.file("locked.P21"), true));
    }
    EXPECT_TRUE(host.errors.empty());
}

// The file notice names the announced file and is cleared with the status,
// whose message survives; an identifier is shown as its text; a pending
// error is reported once.
TEST(SuiteEnvironmentFiles, NoticeStatusTextAndPendingError)
{
    ScratchDir dir;
    writeFile(dir.file("cat/en"), "80074\tLoading the printer set-up\n");
    TextCatalogue catalogue(dir.file("cat"), "en");
    NoticeHost host;
    SuiteEnvironment env(host, dir.dir());
    env.AnnounceFile("/p/A.P21");
    env.StatusBarMode(3);
    env.SetStatusText(std::string("Reading"));
    env.ClearStatus();
    EXPECT_EQ(host.notices, (std::vector<std::string>{"/p/A.P21|3"}));
    EXPECT_EQ(host.clears, 1);
    EXPECT_EQ(std::get<std::string>(env.CurrentStatusMessage()), "Reading");
    env.SetStatusText(80074L, &catalogue);
    EXPECT_EQ(host.lastStatus, "Loading the printer set-up");
    EXPECT_EQ(std::get<long>(env.CurrentStatusMessage()), 80074L);
    env.SetStatusText(80074L);
    EXPECT_EQ(host.lastStatus, "#80074");
    env.ReportPendingError();
    EXPECT_TRUE(host.errors.empty());
    env.SetPendingError("x.P21, line 3: expected a number");
    EXPECT_TRUE(env.HasPendingError());
    env.ReportPendingError();
    env.ReportPendingError();
    EXPECT_EQ(host.errors, (std::vector<std::string>{"x.P21, line 3: expected a number"}));
    EXPECT_FALSE(env.HasPendingError());
}

} // namespace
} // namespace teska
