// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on the offscreen platform: start-up, command line,
// projects in the navigator, recent files, navigator width and the stored
// bar layout. Each case uses a settings folder of its own.

#include <filesystem>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include "project/opening/ProjectWriter.h"
#include "shell/MDIList.h"
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

QString fileText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
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
        QVERIFY(w->isVisible());
        QVERIFY(w->isEnabled());
        QCOMPARE(w->windowTitle(), QString("TESKA-List - [no project]"));
        for (int i = 0; i < 5; ++i) {
            QVERIFY2(w->bar(BarKeys[i])->isVisibleTo(w.get()), BarKeys[i]);
            QVERIFY(w->action(IndexedKey("MnuVeiwToolBar(", i))->isChecked());
        }
        QVERIFY(w->bar("MENU")->isVisibleTo(w.get()));
        QVERIFY(!w->bar("MENUProgram")->isVisibleTo(w.get()));
        QVERIFY(w->statusBarWidget()->isVisibleTo(w.get()));
        QVERIFY(w->navigator()->isVisibleTo(w.get()));
        QCOMPARE(w->NavigatorWidthTwips(), 2000);
        // No project: list commands, Close and export are off.
        QVERIFY(!w->action("mnuListe")->isEnabled());
        QVERIFY(!w->action("mnuViewData")->isEnabled());
        QVERIFY(!w->action("mnuFileClose")->isEnabled());
        QVERIFY(!w->action("MnuExportWord")->isEnabled());
        QVERIFY(!w->action("MnuExportExcel")->isEnabled());
        QCOMPARE(w->tree()->topLevelItemCount(), 0);
        // Window entries hidden; the image strip was copied and read.
        QVERIFY(!w->action("MnuForms(0)")->isVisible());
        for (const char* name : {"1616list.bmp", "Table.ico", "TESKAText.ico"})
            QVERIFY2(QFile::exists(QString::fromStdString(settingsDir()) + name), name);
        QVERIFY(!w->action("MnuFileOpen")->icon().isNull());
        QVERIFY(w->action("MnuWindowArrange(3)")->icon().isNull());
        // Captions come from the catalogue with their options, and every
        // menu gives each captioned item a mnemonic of its own (Alt+F).
        QCOMPARE(w->action("mnuFile")->text(), QString("&File"));
        QCOMPARE(QString(w->action("MnuVeiwToolBar(1)")->text()).remove('&'), QString("List"));
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
        QCOMPARE(w->action("MnuFileOpen")->shortcut(), QKeySequence("Ctrl+O"));
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
        QCOMPARE(w->NavigatorWidthTwips(), 2000);

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
        const QString where = QString("menu %1..%2, title %3..%4")
                                  .arg(menu->geometry().left())
                                  .arg(menu->geometry().right())
                                  .arg(titleOnScreen.left())
                                  .arg(titleOnScreen.right());
        QVERIFY2(qAbs(menu->geometry().right() - titleOnScreen.right()) <= 2, qPrintable(where));
        QVERIFY2(menu->geometry().left() < titleOnScreen.left(), qPrintable(where));
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
        ProjectFileData data;
        WriteProjectFile(folder + "/ODD.PO1", data);
        auto w = Main({"teska-list"}, settingsDir(), folder + "/ODD.PO1");
        QCOMPARE(w->tree()->topLevelItemCount(), 1);
        QVERIFY(w->project().ProjectDirectory == folder + "/");
        // A click on its entry finds the same project again.
        w->ActivateNode(w->tree()->topLevelItem(0));
        QVERIFY(w->project().ProjectPath == folder + "/ODD.PO1");
        QVERIFY(w->host().errors().empty());
    }

    void hiddenFormatBarStaysHiddenAfterRestart()
    {
        {
            auto w = start();
            w->action("MnuVeiwToolBar(2)")->trigger();
            QVERIFY(!w->bar("mnuFormat")->isVisibleTo(w.get()));
            w->ShutDown(false);
        }
        const QString ini = fileText(QString::fromStdString(settingsDir()) + "TESKA-List.ini");
        QVERIFY2(ini.contains("Format Bar=False"), qPrintable(ini));
        QVERIFY(ini.contains("List Bar=True"));
        auto w = start();
        QVERIFY(!w->bar("mnuFormat")->isVisibleTo(w.get()));
        QVERIFY(!w->action("MnuVeiwToolBar(2)")->isChecked());
        QVERIFY(w->bar("mnuListe")->isVisibleTo(w.get()));
        // A reset brings every command bar back.
        w->action("mnuResetToolbar")->trigger();
        QVERIFY(w->bar("mnuFormat")->isVisibleTo(w.get()));
        QVERIFY(w->action("MnuVeiwToolBar(2)")->isChecked());
    }

    void panelsAndWidthAreStored()
    {
        {
            auto w = start();
            w->action("MnuStatusBar")->trigger();
            w->action("MnuTrvData")->trigger();
            w->SetNavigatorWidth(3000);
            w->ShutDown(false);
        }
        auto w = start();
        QVERIFY(!w->statusBarWidget()->isVisibleTo(w.get()));
        QVERIFY(!w->navigator()->isVisibleTo(w.get()));
        QCOMPARE(w->NavigatorWidthTwips(), 3000);
    }

    void closingABarUnchecksItsItem()
    {
        auto w = start();
        w->bar("mnuHelp")->hide();
        QVERIFY(!w->action("MnuVeiwToolBar(4)")->isChecked());
        QVERIFY(w->action("MnuVeiwToolBar(3)")->isChecked());
    }

    void navigatorNeverNarrowerThanMinimum()
    {
        auto w = start();
        w->SetNavigatorWidth(100);
        QCOMPARE(w->NavigatorWidthTwips(), 250);
        w->resize(700, 500);
        w->splitter()->setSizes({3, 890});
        QVERIFY(w->navigator()->width() >= w->navigator()->minimumWidth());
        // 250 twips at the window's dpi.
        const int expected = static_cast<int>(250 * w->logicalDpiX() / 1440.0 + 0.5);
        QCOMPARE(w->navigator()->minimumWidth(), expected);
        // A stored width below it is raised; an unreadable Boolean takes
        // the default.
        w.reset();
        QFile ini(QString::fromStdString(settingsDir()) + "TESKA-List.ini");
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Settings]\nNavigator Width=120\nStatus Bar=nonsense\n");
        ini.close();
        auto again = start();
        QCOMPARE(again->NavigatorWidthTwips(), 250);
        QVERIFY(again->statusBarWidget()->isVisibleTo(again.get()));
    }

    void commandLineWithQuotesAndBlank()
    {
        const QString path = makeProject(m_dir->path() + "/my jobs", "slab one.PO1");
        // The shell splits the quoted path into pieces; they are joined again.
        const QStringList pieces = ("\"" + path + "\"").split(' ');
        auto w = start(pieces);
        QCOMPARE(w->tree()->topLevelItemCount(), 1);
        QCOMPARE(w->tree()->topLevelItem(0)->text(0), QString("slab one"));
        QCOMPARE(w->tree()->topLevelItem(0)->data(0, Qt::UserRole).toString(), path);
        QVERIFY(w->action("mnuListe")->isEnabled());
        QVERIFY(w->action("mnuFileClose")->isEnabled());
        QCOMPARE(w->windowTitle(), QString("TESKA-List - [slab one]"));
        QCOMPARE(QString::fromStdString(w->project().ProjectDirectory), m_dir->path() + "/my jobs/");
        QVERIFY(w->recentFiles()[0].Visible);
        QVERIFY(QString::fromStdString(w->recentFiles()[0].Caption).contains(path));
    }

    void cleaningTheCommandLine()
    {
        QCOMPARE(CleanProjectPath("  \"/a b/c.PO1\"  "), std::string("/a b/c.PO1"));
        QCOMPARE(CleanProjectPath("/a/c.PO1\""), std::string("/a/c.PO1"));
        // Only one pair is removed: two paths stay one (unusable) path.
        QCOMPARE(CleanProjectPath("\"/a.PO1\" \"/b.PO1\""), std::string("/a.PO1\" \"/b.PO1"));
        QCOMPARE(CleanProjectPath("   "), std::string());
    }

    void onlyAProjectFileOpens()
    {
        // A lower-case extension, a missing file or another extension opens
        // nothing; a file that is no project is named.
        const QString path = makeProject(m_dir->path() + "/p", "slab.po1");
        auto w = start({path});
        QCOMPARE(w->tree()->topLevelItemCount(), 0);
        QVERIFY(!w->action("mnuListe")->isEnabled());
        QCOMPARE(w->windowTitle(), QString("TESKA-List - [no project]"));
        OpenProjectFromPath(*w, (m_dir->path() + "/p/none.PO1").toStdString());
        OpenProjectFromPath(*w, makeProject(m_dir->path() + "/p", "slab.PO2").toStdString());
        QCOMPARE(w->tree()->topLevelItemCount(), 0);
        const QString bogus = m_dir->path() + "/NOTE.PO1";
        QFile file(bogus);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("shopping list\n");
        file.close();
        const std::size_t errors = w->host().errors().size();
        OpenProjectFromPath(*w, bogus.toStdString());
        QCOMPARE(w->tree()->topLevelItemCount(), 0);
        QCOMPARE(w->host().errors().size(), errors + 1);
        QVERIFY(QString::fromStdString(w->host().errors().back()).contains(bogus));
    }

    void automationStartIgnoresCommandLine()
    {
        const QString path = makeProject(m_dir->path() + "/p", "slab.PO1");
        auto w = start({"--automation", path});
        QVERIFY(!w->isVisible());
        QVERIFY(w->startup().StartedByGroup);
        QCOMPARE(w->tree()->topLevelItemCount(), 0);
        QVERIFY(w->bar("MENUProgram")->isVisibleTo(w.get()));
    }

    void sameBaseNameInTwoFolders()
    {
        const QString a = makeProject(m_dir->path() + "/a", "slab.PO1");
        const QString b = makeProject(m_dir->path() + "/b", "slab.PO1");
        auto w = start({a});
        OpenProjectFromPath(*w, b.toStdString());
        QCOMPARE(w->tree()->topLevelItemCount(), 2);
        QCOMPARE(w->tree()->topLevelItem(0)->text(0), QString("slab"));
        QCOMPARE(w->tree()->topLevelItem(1)->text(0), QString("slab"));
        QCOMPARE(w->tree()->topLevelItem(0)->data(0, Qt::UserRole).toString(), a);
        QCOMPARE(w->tree()->topLevelItem(1)->data(0, Qt::UserRole).toString(), b);
        QCOMPARE(w->openedProjects().CurrentProject, std::size_t(2));
        // Clicking the first makes it current again.
        w->ActivateNode(w->tree()->topLevelItem(0));
        QCOMPARE(w->openedProjects().CurrentProject, std::size_t(1));
        QCOMPARE(QString::fromStdString(w->project().ProjectDirectory), m_dir->path() + "/a/");
    }

    void closingTheLastProjectDisablesMenus()
    {
        const QString a = makeProject(m_dir->path() + "/a", "one.PO1");
        const QString b = makeProject(m_dir->path() + "/b", "two.PO1");
        auto w = start({a});
        OpenProjectFromPath(*w, b.toStdString());
        w->action("mnuFileClose")->trigger();
        QCOMPARE(w->tree()->topLevelItemCount(), 1);
        QCOMPARE(w->tree()->topLevelItem(0)->text(0), QString("one"));
        QVERIFY(w->action("mnuListe")->isEnabled());
        QVERIFY(w->action("mnuFileClose")->isEnabled());
        w->action("mnuFileClose")->trigger();
        QCOMPARE(w->tree()->topLevelItemCount(), 0);
        QCOMPARE(w->openedProjects().Count(), std::size_t(0));
        QVERIFY(!w->action("mnuListe")->isEnabled());
        QVERIFY(!w->action("mnuPrintResult")->isEnabled());
        QVERIFY(!w->action("mnuFileClose")->isEnabled());
        QVERIFY(!w->action("MnuExportWord")->isEnabled());
        QVERIFY(!w->action("MnuExportExcel")->isEnabled());
    }

    void recentListKeepsFiveLatest()
    {
        QStringList paths;
        for (int i = 1; i <= 6; ++i)
            paths << makeProject(m_dir->path() + "/r" + QString::number(i), "p.PO1");
        auto w = start();
        for (const QString& p : paths)
            OpenProjectFromPath(*w, p.toStdString());
        for (int i = 0; i < 5; ++i) {
            QAction* entry = w->action(IndexedKey("MnuRecentFile(", i));
            QVERIFY(entry->isVisible());
            // Latest first: entry i holds project 6 - i.
            QVERIFY2(entry->text().contains(paths[5 - i]), qPrintable(entry->text()));
        }
        for (int i = 0; i < 5; ++i)
            QVERIFY(!w->action(IndexedKey("MnuRecentFile(", i))->text().contains(paths[0] + ""));
        // The list survives a restart, and an entry opens its project.
        w->ShutDown(false);
        w.reset();
        auto again = start();
        QVERIFY(again->action("MnuRecentFile(4)")->text().contains(paths[1]));
        again->action("MnuRecentFile(4)")->trigger();
        QCOMPARE(again->tree()->topLevelItemCount(), 1);
        QCOMPARE(again->tree()->topLevelItem(0)->data(0, Qt::UserRole).toString(), paths[1]);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
