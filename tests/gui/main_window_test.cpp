// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on the offscreen platform: start-up, command line,
// language, projects in the navigator, recent files, navigator width and the
// stored bar layout; the menu table behind its menus. Each case uses a
// settings folder of its own.

#include <filesystem>
#include <map>
#include <set>

#include "gui_fixture_test.h"
#include "project/opening/ProjectWriter.h"
#include "shell/MenuTable.h"
#include "shell/StartUp.h"

using namespace teska;

namespace {

// Writes a project file with every option 0 (no sibling file needed).
QString makeProject(const QString& directory, const QString& fileName)
{
    QDir().mkpath(directory);
    const QString path = directory + "/" + fileName;
    ProjectFileData data;
    data.JobLines = {"Job line"};
    WriteProjectFile(path.toStdString(), data);
    return path;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir* m_dir = nullptr;
    std::string settingsDir() const { return (m_dir->path() + "/settings/").toStdString(); }
    std::unique_ptr<MDIList> start(QStringList arguments = {})
    {
        arguments.prepend("teska-list");
        return Main(arguments, settingsDir());
    }
    static QString path(const QTreeWidgetItem* entry) { return entry->data(0, Qt::UserRole).toString(); }

private Q_SLOTS:
    void init()
    {
        m_dir = new QTemporaryDir();
        QDir().mkpath(m_dir->path() + "/settings");
    }
    void cleanup()
    {
        delete m_dir;
        m_dir = nullptr;
    }

    void firstStartShowsEverything()
    {
        auto w = start();
        QVERIFY(w->isVisible() && w->isEnabled());
        QCOMPARE(w->windowTitle(), QString("TESKA-List - [no project]"));
        for (int i = 0; i < 5; ++i) {
            QVERIFY2(w->bar(BarKeys[i])->isVisibleTo(w.get()), BarKeys[i]);
            QVERIFY(w->action(IndexedKey("MnuVeiwToolBar(", i))->isChecked());
        }
        QVERIFY(w->bar("MENU")->isVisibleTo(w.get()) && !w->bar("MENUProgram")->isVisibleTo(w.get()));
        QVERIFY(w->statusBarWidget()->isVisibleTo(w.get()) && w->navigator()->isVisibleTo(w.get()));
        QCOMPARE(w->NavigatorWidthTwips(), 2000);
        // No project: list commands, Close, export and the Window entries are off.
        for (const char* name :
            {"mnuListe", "mnuViewData", "mnuFileClose", "MnuExportWord", "MnuExportExcel"})
            QVERIFY2(!w->action(name)->isEnabled(), name);
        QVERIFY(!w->action("MnuForms(0)")->isVisible());
        // The image strip was copied and read.
        for (const char* name : {"1616list.bmp", "Table.ico", "TESKAText.ico"})
            QVERIFY2(QFile::exists(QString::fromStdString(settingsDir()) + name), name);
        QVERIFY(!w->action("MnuFileOpen")->icon().isNull());
        QVERIFY(w->action("MnuWindowArrange(3)")->icon().isNull());
        // Captions come from the catalogue with their options, and every
        // menu gives each captioned item a mnemonic of its own (Alt+F).
        QCOMPARE(w->action("mnuFile")->text(), QString("&File"));
        QCOMPARE(QString(w->action("MnuVeiwToolBar(1)")->text()).remove('&'), QString("List"));
        QCOMPARE(w->action("MnuFileOpen")->shortcut(), QKeySequence("Ctrl+O"));
        for (QMenu* menu : w->findChildren<QMenu*>()) {
            QString keys;
            for (QAction* item : menu->actions()) {
                const QString text = item->text();
                if (item->isSeparator() || text.isEmpty())
                    continue;
                const qsizetype at = text.indexOf('&');
                QVERIFY2(at >= 0 && at + 1 < text.size(), qPrintable(text));
                QVERIFY2(
                    !keys.contains(text.at(at + 1).toLower()), qPrintable(menu->objectName() + ": " + text));
                keys += text.at(at + 1).toLower();
            }
        }
    }

    // A right-to-left language mirrors the window: the navigator on the
    // right with the splitter strip on its left edge, the menu bar, the bars
    // and the pop-up menus right to left. English afterwards is left to
    // right again.
    void rightToLeftLanguageMirrorsTheWindow()
    {
        qputenv("TESKA_LANG", "ar");
        auto w = start();
        qunsetenv("TESKA_LANG");
        w->resize(700, 500);
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QCOMPARE(QApplication::layoutDirection(), Qt::RightToLeft);

        const auto left = [&w](const QWidget* part) { return part->mapTo(w.get(), QPoint(0, 0)).x(); };
        auto* splitter = qobject_cast<QSplitter*>(w->centralWidget());
        QVERIFY(splitter);
        QVERIFY(left(w->navigator()) > left(w->mdiArea()));
        QVERIFY(left(w->navigator()) + w->navigator()->width() > w->width() - 20);
        QVERIFY(left(splitter->handle(1)) < left(w->navigator()));
        QVERIFY(left(splitter->handle(1)) > left(w->mdiArea()));

        auto* menuBar = w->bar("MENU")->findChild<QMenuBar*>();
        QVERIFY(menuBar);
        const QList<QAction*> menus = menuBar->actions();
        QVERIFY(menus.size() > 2);
        QVERIFY(menuBar->actionGeometry(menus[0]).x() > menuBar->actionGeometry(menus[1]).x());
        QToolBar* bar = w->bar(BarKeys[0]);
        QVERIFY(bar->actions().size() > 1);
        QVERIFY(
            left(bar->widgetForAction(bar->actions()[0])) > left(bar->widgetForAction(bar->actions()[1])));

        // The first menu drops down from the right edge of its title.
        QMenu* menu = menus[0]->menu();
        QVERIFY(menu);
        QCOMPARE(menu->layoutDirection(), Qt::RightToLeft);
        const QRect title = menuBar->actionGeometry(menus[0]);
        const QRect titleOnScreen(menuBar->mapToGlobal(title.topLeft()), title.size());
        QTest::mouseClick(menuBar, Qt::LeftButton, {}, title.center());
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(qAbs(menu->geometry().right() - titleOnScreen.right()) <= 2);
        QVERIFY(menu->geometry().left() < titleOnScreen.left());
        menu->hide();
        w.reset();

        auto english = start();
        QCOMPARE(QApplication::layoutDirection(), Qt::LeftToRight);
        QVERIFY(english->navigator()->mapTo(english.get(), QPoint(0, 0)).x()
            < english->mdiArea()->mapTo(english.get(), QPoint(0, 0)).x());
    }

    void projectWhosePathIsNotUtf8Opens()
    {
        // A folder named in Windows-1252 (u with diaeresis as one byte): the
        // bytes of the command line reach the file system unchanged.
        const std::string folder = (m_dir->path() + "/Z").toStdString() + "\xfc" + "rich";
        std::filesystem::create_directories(folder);
        WriteProjectFile(folder + "/ODD.PO1", ProjectFileData());
        auto w = Main({"teska-list"}, settingsDir(), folder + "/ODD.PO1");
        QCOMPARE(w->tree()->topLevelItemCount(), 1);
        QVERIFY(w->project().ProjectDirectory == folder + "/");
        // A click on its entry finds the same project again.
        w->ActivateNode(w->tree()->topLevelItem(0));
        QVERIFY(w->project().ProjectPath == folder + "/ODD.PO1");
        QVERIFY(w->host().errors().empty());
    }

    // Hidden bars (by the View menu or closed), panels and the navigator
    // width come back after a restart; a reset brings every bar back.
    void layoutSurvivesARestart()
    {
        {
            auto w = start();
            w->action("MnuVeiwToolBar(2)")->trigger();
            w->bar("mnuHelp")->hide();
            QVERIFY(!w->action("MnuVeiwToolBar(4)")->isChecked());
            w->action("MnuStatusBar")->trigger();
            w->action("MnuTrvData")->trigger();
            w->SetNavigatorWidth(3000);
            w->ShutDown(false);
        }
        auto w = start();
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(w->bar(BarKeys[i])->isVisibleTo(w.get()), i != 2 && i != 4);
            QCOMPARE(w->action(IndexedKey("MnuVeiwToolBar(", i))->isChecked(), i != 2 && i != 4);
        }
        QVERIFY(!w->statusBarWidget()->isVisibleTo(w.get()) && !w->navigator()->isVisibleTo(w.get()));
        QCOMPARE(w->NavigatorWidthTwips(), 3000);
        w->action("mnuResetToolbar")->trigger();
        QVERIFY(w->bar("mnuFormat")->isVisibleTo(w.get()) && w->action("MnuVeiwToolBar(2)")->isChecked());
    }

    void navigatorNeverNarrowerThanMinimum()
    {
        auto w = start();
        w->SetNavigatorWidth(100);
        QCOMPARE(w->NavigatorWidthTwips(), 250);
        w->resize(700, 500);
        w->splitter()->setSizes({3, 890});
        // 250 twips at the window's dpi.
        QCOMPARE(w->navigator()->minimumWidth(), static_cast<int>(250 * w->logicalDpiX() / 1440.0 + 0.5));
        QVERIFY(w->navigator()->width() >= w->navigator()->minimumWidth());
        // A stored width below it is raised.
        w.reset();
        QVERIFY(writeFile(
            QString::fromStdString(settingsDir()) + "TESKA-List.ini", "[Settings]\nNavigator Width=120\n"));
        QCOMPARE(start()->NavigatorWidthTwips(), 250);
    }

    // What a command line opens (tests/data/gui/command_lines.tsv).
    void commandLineOpensOneProject_data() { tableData("gui/command_lines.tsv"); }
    void commandLineOpensOneProject()
    {
        QFETCH(QStringList, c);
        const QString line = c[1], reported = c.value(3);
        const bool opens = c[2] == "1";
        const QString folder = m_dir->path();
        const QString project = makeProject(folder + "/my jobs", "slab one.PO1");
        for (const char* name : {"slab.po1", "slab.PO2", "slab.PO1"})
            makeProject(folder + "/p", name);
        QVERIFY(writeFile(folder + "/p/NOTE.PO1", "shopping list\n"));

        auto w = start(line.arg(folder).split(' '));
        QCOMPARE(w->tree()->topLevelItemCount(), opens ? 1 : 0);
        QCOMPARE(w->action("mnuListe")->isEnabled(), opens);
        QCOMPARE(w->host().errors().size(), std::size_t(reported.isEmpty() ? 0 : 1));
        if (!reported.isEmpty())
            QVERIFY2(QString::fromStdString(w->host().errors().back()).contains(reported.arg(folder)),
                w->host().errors().back().c_str());
        if (line.startsWith("--automation"))
            QVERIFY(!w->isVisible() && w->startup().StartedByGroup
                && w->bar("MENUProgram")->isVisibleTo(w.get()));
        if (!opens)
            return;
        QCOMPARE(w->tree()->topLevelItem(0)->text(0), QString("slab one"));
        QCOMPARE(path(w->tree()->topLevelItem(0)), project);
        QCOMPARE(w->windowTitle(), QString("TESKA-List - [slab one]"));
        QVERIFY(w->action("MnuRecentFile(0)")->text().contains(project));
    }

    // Two projects of one name in two folders: two entries, each opening its
    // own (closing them in turn: the list commands' test).
    void sameBaseNameInTwoFolders()
    {
        const QString a = makeProject(m_dir->path() + "/a", "slab.PO1");
        const QString b = makeProject(m_dir->path() + "/b", "slab.PO1");
        auto w = start({a});
        OpenProjectFromPath(*w, b.toStdString());
        QCOMPARE(w->tree()->topLevelItemCount(), 2);
        for (int i = 0; i < 2; ++i)
            QCOMPARE(w->tree()->topLevelItem(i)->text(0), QString("slab"));
        QCOMPARE(path(w->tree()->topLevelItem(0)), a);
        QCOMPARE(path(w->tree()->topLevelItem(1)), b);
        QCOMPARE(w->openedProjects().CurrentProject, std::size_t(2));
        w->ActivateNode(w->tree()->topLevelItem(0));
        QCOMPARE(w->openedProjects().CurrentProject, std::size_t(1));
        QCOMPARE(QString::fromStdString(w->project().ProjectDirectory), m_dir->path() + "/a/");
    }

    void recentListKeepsFiveLatest()
    {
        QStringList paths;
        for (int i = 1; i <= 6; ++i)
            paths << makeProject(m_dir->path() + "/r" + QString::number(i), "p.PO1");
        auto w = start();
        for (const QString& p : paths)
            OpenProjectFromPath(*w, p.toStdString());
        // Latest first: entry i holds project 6 - i; the first is gone.
        for (int i = 0; i < 5; ++i) {
            QAction* entry = w->action(IndexedKey("MnuRecentFile(", i));
            QVERIFY(entry->isVisible());
            QVERIFY2(entry->text().contains(paths[5 - i]), qPrintable(entry->text()));
        }
        // The list survives a restart, and an entry opens its project.
        w->ShutDown(false);
        w.reset();
        auto again = start();
        again->action("MnuRecentFile(4)")->trigger();
        QCOMPARE(again->tree()->topLevelItemCount(), 1);
        QCOMPARE(path(again->tree()->topLevelItem(0)), paths[1]);
    }

    // Keys are unique with parents first; the image strip runs 0..19 in menu
    // order (a gap or swap puts the wrong icon on a button); indexed keys
    // dispatch by prefix.
    void menuTableImagesAndIndexedKeys()
    {
        std::set<std::string> seen;
        std::map<std::string, int> images;
        int next = 0;
        for (const MenuEntry& e : MenuTable()) {
            QVERIFY2(seen.insert(e.Key).second && (e.Parent.empty() || seen.count(e.Parent)), e.Key.c_str());
            if (e.Image >= 0)
                QCOMPARE(e.Image, next++);
            images[e.Key] = e.Image;
        }
        QCOMPARE(next, 20);
        QVERIFY(images.count("MnuForms(9)") && !images.count("MnuForms(10)"));
        const std::map<std::string, int> pinned{{"MnuFileOpen", 0}, {"mnuFileExit", 4},
            {"mnuResultTextEditor", 10}, {"MnuWindowArrange(0)", 13}, {"MnuWindowArrange(3)", -1},
            {"mnuAbout", 19}};
        for (const auto& [key, image] : pinned)
            QVERIFY2(images.at(key) == image, key.c_str());
        // Recent files and bars are dispatched in the cases that trigger them;
        // the arrangements and Window entries are not.
        const IndexedClick arrange = ParseIndexedKey("MnuWindowArrange(2)"),
                           form = ParseIndexedKey("MnuForms(12)");
        QVERIFY(arrange.Command == IndexedCommand::Arrange && arrange.Index == 2);
        QVERIFY(form.Command == IndexedCommand::Forms && form.Index == 12);
    }

    // "--lang" is taken out of the command line (without its value it is
    // left for the path check) and wins over TESKA_LANG; the Language
    // command stores the choice in the suite settings and says it applies
    // at the next start, which then takes it.
    void optionAndCommandChooseTheLanguage()
    {
        const auto words = [](const QString& line) {
            std::vector<std::string> list;
            for (const QString& word : line.split(' '))
                list.push_back(word.toStdString());
            return list;
        };
        for (const QStringList& c : tableRows("gui/language_options.tsv")) {
            std::vector<std::string> given = words(c[0]);
            QCOMPARE(TakeLanguageOption(given), c.value(2).toStdString());
            QCOMPARE(given, words(c[1]));
        }
        qputenv("TESKA_LANG", "de");
        auto w = Main({"teska-list"}, settingsDir(), {}, "ar");
        qunsetenv("TESKA_LANG");
        QCOMPARE(w->session().catalogue.language(), std::string("ar"));
        QCOMPARE(QApplication::layoutDirection(), Qt::RightToLeft);
        w.reset();
        w = start();
        QString told;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QComboBox*>()->setCurrentText("Deutsch");
            dialog->accept();
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                told = box->text();
                box->accept();
            });
        });
        w->action("mnuLanguage")->trigger();
        QCOMPARE(told, QString("The language Deutsch is used from the next start of the program."));
        QCOMPARE(w->session().catalogue.language(), std::string("en"));
        w.reset();
        QCOMPARE(start()->session().catalogue.language(), std::string("de"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
