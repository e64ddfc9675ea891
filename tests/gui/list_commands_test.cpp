// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The list commands of the main window on the demo project, offscreen: the
// choice dialogs answered by the test, the list generation window, the
// viewers with their navigator and Window menu entries, the request check,
// cancel and abort, the print options step and the editor hand-over.

#include <algorithm>

#include "gui_fixture_test.h"
#include "printing/PagePrinter.h"
#include "printing/PrinterSettings.h"
#include "printing/frmPlotPage.h"
#include "project/opening/ProjectRelease.h"
#include "shell/MenuTable.h"
#include "shell/StartUp.h"
#include "shell/frmPrList.h"
#include "viewer/ResultGridModel.h"
#include "viewer/frmViList.h"

using namespace teska;

namespace {

// Answers the print options dialog when it comes up: \p copies into the
// copies box (0: as it stands), then OK.
void acceptPrintOptions(QObject* owner, int copies = 0)
{
    auto* timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, [timer, copies] {
        auto* dialog = qobject_cast<frmPlotPage*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        if (copies > 0)
            dialog->findChild<QLineEdit*>("txtCopyNo")->setText(QString::number(copies));
        dialog->findChild<QPushButton*>("CmdOK")->click();
    });
    timer->start(5);
}

} // namespace

class ListCommandsTest : public QObject {
    Q_OBJECT

    QTemporaryDir* m_dir = nullptr;
    std::unique_ptr<MDIList> m_window;
    QString m_project;

    MDIList& w() { return *m_window; }

    // Views one list through the List menu command of \p target.
    frmViList* view(int target, long id)
    {
        const int before = static_cast<int>(w().viewers().size());
        answerChoice(text(w(), id));
        w().ListCommand(target);
        const auto viewers = w().viewers();
        return viewers.size() > before ? viewers.back() : nullptr;
    }
    QTreeWidgetItem* projectNode() { return w().tree()->topLevelItem(0); }
    QStringList windowEntries()
    {
        QStringList entries;
        for (int i = 0; i < 10; ++i)
            if (QAction* item = w().action(IndexedKey("MnuForms(", i)); item->isVisible())
                entries << item->text();
        return entries;
    }
    QWidget* activeWindow() { return w().mdiArea()->activeSubWindow()->widget(); }

private Q_SLOTS:
    void init()
    {
        m_dir = new QTemporaryDir();
        const QString settings = m_dir->path() + "/settings/";
        QDir().mkpath(settings);
        // A copy of the demo project: opening it leaves a lock file.
        copyProject(TESKA_SOURCE_DIR "/examples/demo", m_dir->path() + "/demo");
        m_project = m_dir->path() + "/demo/DEMO.PO1";
        m_window = Main({"teska-list", m_project}, settings.toStdString());
        QVERIFY(w().openedProjects().CurrentProject != 0);
        // The opening's status texts are cleared when it is done.
        QVERIFY(w().statusBarWidget()->currentMessage().isEmpty());
    }
    void cleanup()
    {
        if (m_window) {
            m_window->ShutDown(false);
            m_window.reset();
        }
        delete m_dir;
    }

    // Which viewer a list gets (tests/data/gui/viewers.tsv).
    void viewersShowTextOrGridByList_data() { tableData("gui/viewers.tsv"); }
    void viewersShowTextOrGridByList()
    {
        QFETCH(QStringList, c);
        const long key = c[2].toLong();
        const bool grid = c[3] == "1";
        frmViList* viewer = view(c[1].toInt(), key);
        QVERIFY(viewer);
        QCOMPARE(viewer->isGridMode(), grid);
        QCOMPARE(viewer->windowTitle(), text(w(), key));
        QCOMPARE(viewer->tag(), m_project + "-" + text(w(), key));
        if (grid)
            QVERIFY(viewer->model()->rowCount() > 0 && !viewer->textBox()->isVisible());
        else
            QVERIFY(viewer->textBox()->toPlainText().size() > 100 && w().ListText.empty());
        // The export command that fits the mode, the navigator entry with
        // the viewer's tag, the first Window menu entry.
        QCOMPARE(w().action("MnuExportExcel")->isEnabled(), grid);
        QCOMPARE(w().action("MnuExportWord")->isEnabled(), !grid);
        QCOMPARE(projectNode()->childCount(), 1);
        QCOMPARE(projectNode()->child(0)->data(0, Qt::UserRole).toString(), viewer->tag());
        QCOMPARE(windowEntries(), QStringList("0 DEMO-" + text(w(), key)));
        QCOMPARE(w().WindowTags()[0], viewer->tag());
        QVERIFY(w().statusBarWidget()->currentMessage().isEmpty());
    }

    // The drop-down menus open viewers; a request for an open list, by the
    // List menu or the drop-down, opens nothing and brings its window to
    // the front.
    void requestForAnOpenListFocusesItsWindow()
    {
        QAction* moments = w().findChild<QMenu*>("ResultLists")->findChild<QAction*>("140");
        QVERIFY(moments);
        moments->trigger();
        QCOMPARE(w().viewers().size(), 1);
        frmViList* grid = w().viewers().front();
        QVERIFY(grid->isGridMode());
        w().findChild<QMenu*>("DataLists")->actions().front()->trigger();
        QCOMPARE(w().viewers().size(), 2);
        QVERIFY(!w().viewers().back()->isGridMode());
        QVERIFY(!view(2, 140));
        QCOMPARE(activeWindow(), grid);
        w().mdiArea()->activatePreviousSubWindow();
        QVERIFY(activeWindow() != grid);
        moments->trigger();
        QCOMPARE(w().viewers().size(), 2);
        QCOMPARE(activeWindow(), grid);
    }

    void eleventhViewerHasNoWindowEntryAndClosingRenumbers()
    {
        QStringList offered;
        answerChoice([](const QString&) { return false; }, &offered);
        w().ListCommand(2);
        QVERIFY(offered.size() >= 11);
        // Eleven grids of the offer (text sections left out: they need the
        // list generation window, which works the same way).
        for (int i = 0; w().viewers().size() < 11 && i < offered.size(); ++i) {
            answerChoice(offered[i]);
            w().ListCommand(2);
        }
        QCOMPARE(w().viewers().size(), 11);
        QCOMPARE(projectNode()->childCount(), 11);
        const QStringList entries = windowEntries();
        QCOMPARE(entries.size(), 10);
        for (int i = 0; i < 10; ++i)
            QVERIFY(entries[i].startsWith(QString::number(i) + " DEMO-"));
        // Closing the second viewer: the entries after it move up.
        w().viewers()[1]->parentWidget()->close();
        QCOMPARE(w().viewers().size(), 10);
        QCOMPARE(projectNode()->childCount(), 10);
        const QStringList after = windowEntries();
        QCOMPARE(after.size(), 9);
        QCOMPARE(after[1], "1 " + entries[2].mid(2));
        QCOMPARE(after.last().left(2), QString("8 "));
    }

    void cancelDuringARunLeavesNoText()
    {
        // CmdOK is pressed as soon as the first progress message shows it.
        QTimer cancel;
        connect(&cancel, &QTimer::timeout, [] {
            if (auto* window = qobject_cast<frmPrList*>(QApplication::activeModalWidget()))
                if (auto* ok = window->findChild<QPushButton*>("CmdOK"); ok && ok->isVisible())
                    ok->click();
        });
        cancel.start(0);
        answerChoice([](const QString&) { return true; });
        acceptPrintOptions(this);
        w().ListCommand(6);
        cancel.stop();
        QVERIFY(!w().RunConfirmed);
        QVERIFY(w().ListText.empty());
        QVERIFY(!QFile::exists(w().EditorFilePath(6)));
    }

    // A missing result file aborts the grid viewer and the list generation
    // window alike, naming the file; nothing is opened.
    void missingResultFileAbortsNamingIt()
    {
        for (const auto& [key, file] : {std::pair{140L, "DEMO.PH4"}, {140164L, "DEMO.QUB"}}) {
            QVERIFY(QFile::remove(m_dir->path() + "/demo/" + file));
            const std::size_t errors = w().host().errors().size();
            QVERIFY(!view(2, key));
            QCOMPARE(w().mdiArea()->subWindowList().size(), 0);
            QCOMPARE(projectNode()->childCount(), 0);
            QVERIFY(w().host().errors().size() > errors);
            QVERIFY2(QString::fromStdString(w().host().errors().back()).contains(file),
                w().host().errors().back().c_str());
        }
    }

    void printAndEditorRunsAskForThePrintOptions()
    {
        int asked = 0;
        w().PrintOptionsStep = [&asked](int target) {
            asked = target;
            return false;
        };
        for (int target : {3, 4, 5, 6}) {
            answerChoice([](const QString&) { return true; });
            w().ListCommand(target);
            QCOMPARE(asked, target);
            QVERIFY(!w().RunConfirmed);
        }
    }

    // An editor run writes the list file and starts $VISUAL with it; an
    // editor that cannot start is named with the file, which stays.
    void editorReceivesTheListFile()
    {
        for (const bool starts : {true, false}) {
            const QString copy = m_dir->path() + "/received.txt";
            if (starts)
                QVERIFY(useStubEditor(m_dir->path() + "/editor.sh", copy));
            else
                qputenv("VISUAL", QByteArray(TESKA_SOURCE_DIR "/no-such-editor"));
            answerChoice(text(w(), 90054));
            acceptPrintOptions(this);
            const std::size_t errors = w().host().errors().size();
            w().ListCommand(6);
            qunsetenv("VISUAL");
            const QString file = w().EditorFilePath(6);
            QVERIFY(file.endsWith("/DEMO-data.txt"));
            QVERIFY(fileText(file).contains(text(w(), 90054)));
            QCOMPARE(w().host().errors().size(), errors + (starts ? 0 : 1));
            if (!starts)
                QVERIFY(QString::fromStdString(w().host().errors().back()).contains(file));
            else
                QTRY_COMPARE_WITH_TIMEOUT(fileText(copy), fileText(file), 10000);
        }
    }

    void choiceDialogsWorkFromTheKeyboard()
    {
        QStringList captions;
        for (int i = 1; i <= 20; ++i)
            captions << QString("List %1").arg(i, 2, 10, QChar('0'));
        captions << "Settlements";
        // Multiple choice: Space toggles; a nineteenth check is refused with
        // a message and the eighteen stay.
        ListChoiceDialog multiple("T", "P", captions, true, "6_5", {});
        multiple.setLimitText("at most 18");
        multiple.show();
        QTest::keyClick(multiple.list(), Qt::Key_Space);
        QCOMPARE(multiple.chosenRows(), std::vector<int>{0});
        QTest::keyClick(multiple.list(), Qt::Key_Space);
        QVERIFY(multiple.chosenRows().empty());
        for (int i = 0; i < 19; ++i)
            multiple.list()->item(i)->setCheckState(Qt::Checked);
        QCOMPARE(multiple.chosenRows().size(), std::size_t(18));
        QCOMPARE(multiple.list()->item(18)->checkState(), Qt::Unchecked);
        QVERIFY(multiple.message()->isVisible());
        QCOMPARE(multiple.message()->text(), QString("at most 18"));
        // Single choice: type-ahead finds a caption, Enter takes it.
        ListChoiceDialog single("T", "P", captions, false, "6_4", {});
        single.show();
        QTest::keyClicks(single.list(), "Se");
        QTest::keyClick(single.list(), Qt::Key_Return);
        QCOMPARE(single.result(), int(QDialog::Accepted));
        QCOMPARE(single.chosenRows(), std::vector<int>{20});
    }

    void f1ShowsTheTopicOfWhatIsInFront()
    {
        auto helpPage = [] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* browser = qobject_cast<QTextBrowser*>(widget); browser && browser->isVisible())
                    return browser->source().fileName();
            return QString();
        };
        QTest::keyClick(&w(), Qt::Key_F1);
        QCOMPARE(helpPage(), QString("Titel.html"));
        // In the choice dialog of printing the result list: its own topic.
        QString page;
        QTimer::singleShot(0, [&page, helpPage] {
            QWidget* dialog = QApplication::activeModalWidget();
            QTest::keyClick(dialog->focusWidget(), Qt::Key_F1);
            page = helpPage();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        w().ListCommand(4);
        QCOMPARE(page, QString("6_5.html"));
    }

    // A viewer's navigator entry or window makes its project current.
    // Closing the project in front leaves the other one current with its
    // window; closing that one too resets the title and turns the project
    // commands off.
    void viewersOfTwoProjectsAndClosingThemInTurn()
    {
        copyProject(TESKA_SOURCE_DIR "/examples/plane", m_dir->path() + "/plane");
        view(1, 90054);
        OpenProjectFromPath(w(), (m_dir->path() + "/plane/PLANE.PO1").toStdString());
        QVERIFY(w().project().ProjectBaseName == "PLANE");
        QVERIFY(view(1, 90054));
        QCOMPARE(w().tree()->topLevelItem(1)->childCount(), 1);
        w().ActivateNode(projectNode()->child(0));
        QVERIFY(w().project().ProjectBaseName == "DEMO");
        QCOMPARE(activeWindow(), w().viewers().front());
        QVERIFY(w().windowTitle().contains("DEMO"));
        w().mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(w().viewers().back()->parentWidget()));
        QVERIFY(w().project().ProjectBaseName == "PLANE");

        w().CloseProject();
        QCOMPARE(w().windowTitle(), text(w(), 160024) + " - [DEMO]");
        QCOMPARE(w().tree()->topLevelItemCount(), 1);
        QCOMPARE(w().viewers().size(), 1);
        w().CloseProject();
        QCOMPARE(w().windowTitle(), text(w(), 160024) + " - [" + text(w(), 93) + "]");
        QCOMPARE(w().viewers().size(), 0);
        for (const char* name :
            {"mnuViewData", "mnuListe", "mnuPrintResult", "mnuFileClose", "MnuExportWord"})
            QVERIFY2(!w().action(name)->isEnabled(), name);
    }

    void printCommandPrintsOnTheSystemPrinter()
    {
        // The private CUPS queue of scripts/test, whose cups-pdf backend
        // writes each job as a PDF file into a folder.
        const QString queue = qEnvironmentVariable("TESKA_TEST_PRINTER");
        const QString out = qEnvironmentVariable("TESKA_TEST_PRINTER_OUT");
        if (queue.isEmpty() || out.isEmpty())
            QSKIP("TESKA_TEST_PRINTER and TESKA_TEST_PRINTER_OUT are not set: no printer to print on "
                  "(scripts/test sets up a private CUPS queue)");
        const auto names = SystemPrinterNames();
        if (std::find(names.begin(), names.end(), queue.toStdString()) == names.end())
            QSKIP(qPrintable("Qt does not see the printer " + queue));
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the printed pages cannot be read back");
        DeviceMode device;
        device.DeviceName = queue.toStdString();
        StoreDeviceMode(w().settings(), device);
        w().ApplyPrinterSettings();
        QCOMPARE(QString::fromStdString(w().printer().PrinterName()), queue);
        const QStringList before = QDir(out).entryList({"*.pdf"}, QDir::Files);
        answerChoice(text(w(), 140));
        acceptPrintOptions(this, 1);
        w().ListCommand(4);
        QVERIFY(w().RunConfirmed);
        QString printed;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                for (const QString& name : QDir(out).entryList({"*.pdf"}, QDir::Files))
                    if (!before.contains(name))
                        printed = out + "/" + name;
                return !printed.isEmpty();
            }(),
            60000);
        // The job may still be written: read it once it reads whole.
        QString sheets;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                QProcess reader;
                reader.start("pdftotext", {"-layout", printed, "-"});
                reader.waitForFinished(30000);
                sheets = QString::fromUtf8(reader.readAllStandardOutput());
                return reader.exitCode() == 0 && sheets.contains(text(w(), 90006) + " 1");
            }(),
            30000);
        QVERIFY(sheets.contains(text(w(), 140)));
    }

    void fontAndPrinterDialogsSetUpThePrinter()
    {
        // A 16-point list font makes the page hold fewer characters and lines
        // (how many: the page printer's tests).
        const int chars = w().CharsPerLine, lines = w().LinesPerPage;
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
            QFont font = dialog->currentFont();
            font.setPointSize(16);
            dialog->setCurrentFont(font);
            dialog->accept();
        });
        w().FontCommand();
        QVERIFY(w().CharsPerLine < chars && w().LinesPerPage < lines);
        QCOMPARE(ReadListFont(w().settings()).PointSize, 16.0);
        // The printer dialog stores what was chosen as the Device Mode.
        QTimer::singleShot(0, [] { qobject_cast<QDialog*>(QApplication::activeModalWidget())->accept(); });
        w().PrinterCommand();
        const DeviceMode stored = ReadDeviceMode(w().settings());
        QVERIFY(stored.Orientation == 1 || stored.Orientation == 2);
        QVERIFY(stored.PaperSize.has_value());
        QCOMPARE(stored.DeviceName, w().printer().PrinterName());
    }

    void terminationSavesSettingsAndReleasesTheProject()
    {
        // The program in a process of its own, ended by SIGTERM as a session
        // end does it: settings saved, the project's lock gone, status 0.
        const QString settings = m_dir->path() + "/other-settings/";
        QDir().mkpath(settings);
        copyProject(m_dir->path() + "/demo", m_dir->path() + "/term");
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TESKA_SETTINGS_DIR", settings);
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(environment);
        program.start(TESKA_LIST_EXE, {m_dir->path() + "/term/DEMO.PO1"});
        QVERIFY(program.waitForStarted());
        const QString lock = m_dir->path() + "/term/DEMO.LCK";
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lock), 20000);
        program.terminate();
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(!QFile::exists(lock));
        QVERIFY(fileText(settings + "TESKA-List.ini").contains("Window Placement="));
    }

    void projectHeldByAnotherProgramIsNamedAndOpensOnlyIfWanted()
    {
        // A live lock of another process (pid 1 on this host) on a copy of
        // the demo project.
        const QString held = m_dir->path() + "/held";
        copyProject(m_dir->path() + "/demo", held);
        const QByteArray lock
            = QByteArray::fromStdString("TESKA-LCK\nhost=" + ThisProcess().Host + "\npid=1\n");
        QVERIFY(writeFile(held + "/DEMO.LCK", lock));
        for (const int answer : {int(QMessageBox::Cancel), int(QMessageBox::Open)}) {
            QString told;
            QTimer::singleShot(0, [&told, answer] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box)
                    return;
                told = box->text();
                box->button(static_cast<QMessageBox::StandardButton>(answer))->click();
            });
            OpenProjectFromPath(w(), (held + "/DEMO.PO1").toStdString());
            QVERIFY2(told.contains("DEMO") && told.contains("(1)"), qPrintable(told));
            QCOMPARE(w().tree()->topLevelItemCount(), answer == QMessageBox::Open ? 2 : 1);
        }
        // The other program's lock is left as it was.
        QCOMPARE(fileText(held + "/DEMO.LCK").toUtf8(), lock);
    }

    void exitQueryCancelsOnEscape()
    {
        auto answer = [](int key) {
            QTimer::singleShot(0, [key] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                    QTest::keyClick(box, static_cast<Qt::Key>(key));
            });
        };
        answer(Qt::Key_Escape);
        QVERIFY(!w().close());
        QVERIFY(!w().shutDownDone());
        answer(Qt::Key_Return);
        QVERIFY(w().close());
        QVERIFY(w().shutDownDone());
    }
};

QTEST_MAIN(ListCommandsTest)
#include "list_commands_test.moc"
