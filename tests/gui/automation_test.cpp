// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The automation object on a private session bus that this test starts
// (dbus-daemon with its own configuration and service folder), driven
// through the proxy generated from the interface XML, with FakeGroup as the
// group program. One case lets the bus start teska-list --automation as a
// separate process; the others export the object of a window in this process
// so that the window can be looked at.

#include <QtDBus>

#include "FakeGroup.h"
#include "clslistexeproxy.h"
#include "fakegroupadaptor.h"
#include "gui_fixture_test.h"
#include "shell/ClsListExe.h"
#include "shell/MenuTable.h"
#include "shell/StartUp.h"
#include "suite/SuiteEnvironment.h"
#include "viewer/frmViList.h"

using namespace teska;

namespace {

const QString kGroupPath = "/org/teska/Group";
const QString kDemo = TESKA_SOURCE_DIR "/examples/demo/DEMO.PO1";

// Waits for an asynchronous call while this thread keeps serving the fake;
// true when the call was answered without an error.
bool answered(QDBusPendingCall reply, int ms = 20000)
{
    QElapsedTimer clock;
    clock.start();
    while (!reply.isFinished() && clock.elapsed() < ms)
        QTest::qWait(10);
    if (reply.isError())
        qWarning("%s", qPrintable(reply.error().message()));
    return reply.isFinished() && !reply.isError();
}

// Takes the files that the desktop would open (QDesktopServices).
class OpenedFiles : public QObject {
    Q_OBJECT

public:
    std::function<void(const QString& path)> OnOpen;

public Q_SLOTS:
    void open(const QUrl& url)
    {
        if (OnOpen)
            OnOpen(url.toLocalFile());
    }
};

} // namespace

class AutomationTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    OpenedFiles m_opened;
    QProcess m_bus;
    QString m_address;
    int m_connections = 0;

    // A new connection to the test bus.
    QDBusConnection connect()
    {
        return QDBusConnection::connectToBus(m_address, QString("c%1").arg(++m_connections));
    }
    // A fake group program on a connection of its own.
    FakeGroup* fakeOn(QDBusConnection connection)
    {
        auto* fake = new FakeGroup;
        new FakeGroupAdaptor(fake);
        connection.registerObject(kGroupPath, fake);
        return fake;
    }
    std::string settingsDir(const QString& name)
    {
        QDir().mkpath(m_dir.path() + "/" + name);
        return (m_dir.path() + "/" + name + "/").toStdString();
    }

    // A window started for automation, its object exported on a connection
    // of its own and named the fake as group program; the returned proxy
    // calls it over the bus.
    struct Served {
        std::unique_ptr<MDIList> window;
        std::unique_ptr<FakeGroup> fake;
        std::unique_ptr<OrgTeskaListClsListExeInterface> proxy;
        int ended = 0;
    };
    std::unique_ptr<Served> serve(const std::string& settings)
    {
        auto s = std::make_unique<Served>();
        s->window = Main({"teska-list", kAutomationSwitch, "ignored.PO1"}, settings);
        QDBusConnection listConnection = connect();
        auto* object = new ClsListExe(*s->window, listConnection);
        object->EndProcess = [raw = s.get()] { ++raw->ended; };
        listConnection.registerObject(kAutomationPath, object, QDBusConnection::ExportAdaptors);
        QDBusConnection fakeConnection = connect();
        s->fake.reset(fakeOn(fakeConnection));
        s->proxy = std::make_unique<OrgTeskaListClsListExeInterface>(
            listConnection.baseService(), kAutomationPath, connect());
        object->setTESKAGroup(GroupObject{fakeConnection.baseService(), QDBusObjectPath(kGroupPath)});
        return s;
    }

private Q_SLOTS:
    void initTestCase()
    {
        qDBusRegisterMetaType<GroupObject>();
        // The desktop's folders lie in the test's folder, and nothing is
        // opened on the machine.
        qputenv("HOME", (m_dir.path() + "/home").toUtf8());
        qputenv("XDG_CONFIG_HOME", (m_dir.path() + "/home/.config").toUtf8());
        QDir().mkpath(m_dir.path() + "/home/Documents");
        QDesktopServices::setUrlHandler("file", &m_opened, "open");
        const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
        if (daemon.isEmpty())
            QSKIP("no session bus for the automation tests: dbus-daemon is not installed (Debian package "
                  "dbus-daemon)");
        QDir().mkpath(m_dir.path() + "/services");
        QDir().mkpath(m_dir.path() + "/activated");
        // The bus and its service file, from tests/data/gui with the folders
        // filled in.
        const QString data = TESKA_SOURCE_DIR "/tests/data/gui/", config = m_dir.path() + "/bus.conf";
        QVERIFY(writeFile(m_dir.path() + "/services/org.teska.List.service",
            fileText(data + "org.teska.List.service").arg(m_dir.path(), TESKA_LIST_EXE).toUtf8()));
        QVERIFY(writeFile(config, fileText(data + "bus.conf").arg(m_dir.path()).toUtf8()));
        m_bus.start(daemon, {"--config-file=" + config, "--nofork", "--print-address"});
        if (!m_bus.waitForStarted() || !m_bus.waitForReadyRead(10000))
            QSKIP(qPrintable("no session bus for the automation tests: dbus-daemon did not start: "
                + m_bus.readAllStandardError()));
        m_address = QString::fromUtf8(m_bus.readLine()).trimmed();
        if (!connect().isConnected())
            QSKIP(qPrintable("no session bus for the automation tests: cannot connect to " + m_address));
    }
    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler("file");
        m_bus.terminate();
        m_bus.waitForFinished();
    }

    // The bus starts the program, which takes the project and calls back;
    // the group's Release ends it without TESKAGroup_EndProg, its layout
    // saved; a group that leaves the bus ends it the same way.
    void activationShowsProjectAndReleaseEndsIt()
    {
        for (const bool byRelease : {true, false}) {
            QDBusConnection fakeConnection = connect();
            std::unique_ptr<FakeGroup> fake(fakeOn(fakeConnection));
            const QString layout = m_dir.path() + "/activated/TESKA-List.ini";
            QFile::remove(layout);
            OrgTeskaListClsListExeInterface proxy(kAutomationService, kAutomationPath, connect());
            QVERIFY(answered(
                proxy.connection().asyncCall(QDBusMessage::createMethodCall(kAutomationService,
                                                 kAutomationPath, "org.freedesktop.DBus.Properties", "Set")
                    << QString("org.teska.List.ClsListExe") << QString("TESKAGroup")
                    << QVariant::fromValue(QDBusVariant(QVariant::fromValue(
                           GroupObject{fakeConnection.baseService(), QDBusObjectPath(kGroupPath)}))))));
            QVERIFY(answered(proxy.MDIShow(kDemo)));
            QCOMPARE(fake->Calls,
                QStringList({"GetUpdate_Firma(2)", "SetUpdate_Firma(2,false)", "GetUpdate_NumberFormat(2)",
                    "SetUpdate_NumberFormat(2,false)", "GetUpdate_mnuUnits(2)", "SetUpdate_mnuUnits(2,false)",
                    "PrjFileName=" + kDemo, "Update_File(3)"}));
            QVERIFY(proxy.connection().interface()->isServiceRegistered(kAutomationService));
            if (byRelease) {
                QVERIFY(answered(proxy.Release()));
            } else {
                const QString name = fakeConnection.name();
                fakeConnection = QDBusConnection(QString());
                QDBusConnection::disconnectFromBus(name);
            }
            QTRY_VERIFY_WITH_TIMEOUT(
                !proxy.connection().interface()->isServiceRegistered(kAutomationService), 10000);
            QVERIFY(!fake->Calls.contains("TESKAGroup_EndProg()"));
            QVERIFY2(fileText(layout).contains("Toolbar Layout="), qPrintable(layout));
        }
    }

    // Each update flag reloads only its own part of the settings and is set
    // false again.
    void updateFlagsReloadTheirPart()
    {
        for (const QString flag : {"", "Update_Firma", "Update_NumberFormat", "Update_mnuUnits"}) {
            const std::string settings = settingsDir("flags-" + flag);
            auto s = serve(settings);
            // The settings change behind the window's back.
            SuiteEnvironment changed(s->window->host(), settings);
            changed.CompanyLine1 = "Changed header";
            changed.Units().LengthUnit = "[mm]";
            changed.SaveSettings();
            QString formats;
            for (int i = 1; i <= 18; ++i)
                formats += QString("F%1\r\n").arg(i);
            QVERIFY(writeFile(QString::fromStdString(settings) + "NOFORMAT", formats.toUtf8()));
            if (!flag.isEmpty())
                s->fake->Flags[flag] = true;
            QVERIFY(answered(s->proxy->MDIShow(QString())));
            const SuiteEnvironment& environment = s->window->session().environment;
            QCOMPARE(environment.CompanyLine1 == "Changed header", flag == "Update_Firma");
            QCOMPARE(s->window->numberFormats.Slot(1) == "F1", flag == "Update_NumberFormat");
            QCOMPARE(environment.Units().LengthUnit == "[mm]", flag == "Update_mnuUnits");
            for (const bool value : s->fake->Flags)
                QVERIFY(!value);
            // An empty name shows the window and opens nothing.
            QVERIFY(s->window->isVisible());
            QCOMPARE(s->window->tree()->topLevelItemCount(), 0);
            QVERIFY(!s->fake->Calls.join(' ').contains("PrjFileName"));
        }
    }

    // The same project twice: one navigator entry, one recent file, both
    // hand-overs told to the group program; MDIHide hides the window and
    // stores the bar layout.
    void showSameProjectTwiceThenHide()
    {
        const std::string settings = settingsDir("twice");
        auto s = serve(settings);
        for (int i = 0; i < 2; ++i)
            QVERIFY(answered(s->proxy->MDIShow(kDemo)));
        QCOMPARE(s->window->tree()->topLevelItemCount(), 1);
        QVERIFY(s->window->recentFiles()[0].Visible && !s->window->recentFiles()[1].Visible);
        QCOMPARE(s->fake->Calls.count("PrjFileName=" + kDemo), 2);
        QCOMPARE(s->fake->Calls.count("Update_File(3)"), 2);
        QVERIFY(s->window->isVisible());
        QVERIFY(answered(s->proxy->MDIHide()));
        QVERIFY(!s->window->isVisible());
        QVERIFY(fileText(QString::fromStdString(settings) + "TESKA-List.ini").contains("Toolbar Layout="));
        QCOMPARE(s->ended, 0);
    }

    // The program bar runs in the catalogue's direction with the entries of
    // programs 1, 2, 4 and 5 and their captions, each calling SwitchProg(3,
    // n) while the window is disabled; this program's own entry stays
    // hidden, also after a reset.
    void programBarSwitchesInTheCatalogueDirection()
    {
        for (const QString language : {"en", "ar"}) {
            const bool rightToLeft = language == "ar";
            qputenv("TESKA_LANG", language.toUtf8());
            auto s = serve(settingsDir("bar-" + language));
            qunsetenv("TESKA_LANG");
            MDIList& w = *s->window;
            QCOMPARE(w.session().catalogue.IsRightToLeft(), rightToLeft);
            QVERIFY(answered(s->proxy->MDIShow(QString())));
            QVERIFY(answered(s->proxy->RestToolBar()));
            w.resize(1600, 900);
            QTest::qWait(50);
            QToolBar* programs = w.bar("MENUProgram");
            QVERIFY(programs->isVisible());
            QCOMPARE(programs->layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
            QVERIFY(!w.action(IndexedKey("mnuPrjLink(", 3))->isVisible());
            QStringList calls, expected;
            s->fake->OnCall = [&](const QString& call) { calls << call + (w.isEnabled() ? " enabled" : ""); };
            const long captions[] = {84, 85, 86, 87, 89};
            int previous = -1;
            for (int program : {1, 2, 4, 5}) {
                QAction* entry = w.action(IndexedKey("mnuPrjLink(", program));
                QCOMPARE(entry->text().remove('&'), text(w, captions[program - 1]));
                QWidget* button = programs->widgetForAction(entry);
                QVERIFY(button && button->isVisible());
                const int x = button->mapTo(programs, QPoint(0, 0)).x();
                QVERIFY2(
                    previous < 0 || (rightToLeft ? x < previous : x > previous), qPrintable(entry->text()));
                previous = x;
                entry->trigger();
                expected << QString("SwitchProg(3,%1)").arg(program);
            }
            QCOMPARE(calls, expected);
            QVERIFY(w.isEnabled());
            QVERIFY(w.host().errors().empty());
        }
    }

    // A window that goes without its shutdown tells the group program once,
    // in group mode only; a shutdown already run has said what there was to
    // say.
    // (tests/data/gui/destroyed_window.tsv)
    void destroyedWindowEndsTheGroupProgram_data() { tableData("gui/destroyed_window.tsv"); }
    void destroyedWindowEndsTheGroupProgram()
    {
        QFETCH(QStringList, c);
        const bool group = c[1] == "1";
        const int shutDown = c[2].toInt();
        const std::string settings = settingsDir(QString("destroyed-%1-%2").arg(group).arg(shutDown));
        std::unique_ptr<MDIList> window;
        std::unique_ptr<FakeGroup> fake;
        if (group) {
            auto s = serve(settings);
            window = std::move(s->window);
            fake = std::move(s->fake);
        } else {
            window = Main({"teska-list"}, settings);
            QDBusConnection fakeConnection = connect();
            fake.reset(fakeOn(fakeConnection));
            window->groupProgram().SetObject(
                connect(), GroupObject{fakeConnection.baseService(), QDBusObjectPath(kGroupPath)});
        }
        if (shutDown >= 0)
            window->ShutDown(shutDown == 1);
        window.reset();
        QCOMPARE(fake->Calls.count("TESKAGroup_EndProg()"), c[3].toInt());
    }

    // In group mode an editor run tells the group program after the list
    // run and before the editor gets the file; a viewer's export tells it
    // before anything is written.
    void editorRunAndExportUpdateTheFile()
    {
        const QString documents = m_dir.path() + "/home/Documents";
        const QString edited = m_dir.path() + "/edited";
        QVERIFY(useStubEditor(m_dir.path() + "/editor.sh", edited));
        const auto restore = qScopeGuard([this] {
            qunsetenv("VISUAL");
            m_opened.OnOpen = nullptr;
        });
        auto s = serve(settingsDir("update-file"));
        QVERIFY(answered(s->proxy->MDIShow(kDemo)));
        MDIList& w = *s->window;
        const auto documentCount = [&] { return QDir(documents).entryList(QDir::Files).size(); };
        QStringList steps;
        s->fake->OnCall = [&](const QString& call) {
            steps << QString("%1 editor:%2 exports:%3")
                         .arg(call, QFile::exists(edited) ? "has it" : "not yet")
                         .arg(documentCount());
        };
        m_opened.OnOpen = [&](const QString& path) {
            steps << QString("open %1 exports:%2")
                         .arg(QFileInfo(path).dir() == QDir(documents) ? "documents" : path)
                         .arg(documentCount());
        };

        // The data section to the editor.
        w.PrintOptionsStep = [](int) { return true; };
        answerChoice(text(w, 90054));
        w.ListCommand(6);
        QVERIFY(w.RunConfirmed);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(edited), 10000);
        QCOMPARE(steps, QStringList("Update_File(3) editor:not yet exports:0"));

        // The moments grid to a workbook.
        steps.clear();
        w.ListDropDownClick(1, "140");
        QVERIFY(!w.viewers().isEmpty() && w.viewers().back()->isGridMode());
        w.viewers().back()->Link_OLE(1);
        QCOMPARE(steps, QStringList({"Update_File(3) editor:has it exports:0", "open documents exports:1"}));
        QVERIFY(w.host().errors().empty());
    }

    // A group program that never answers: the call gives up after the
    // timeout, the window painted on meanwhile, and the error is reported
    // (program bar) or returned to the caller (MDIShow).
    void hungGroupProgramTimesOut()
    {
        auto s = serve(settingsDir("hung"));
        s->fake->Hang = true;
        s->window->groupProgram().SetTimeout(300);
        int ticks = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        ticker.start(20);
        QElapsedTimer clock;
        clock.start();
        s->window->action(IndexedKey("mnuPrjLink(", 4))->trigger();
        QVERIFY(clock.elapsed() >= 250 && clock.elapsed() < 5000);
        QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));
        QVERIFY(s->window->isEnabled());
        QCOMPARE(s->window->host().errors().size(), std::size_t(1));
        const std::string& error = s->window->host().errors().front();
        QVERIFY2(
            error.find("\"SwitchProg\"") != std::string::npos && error.find("NoReply") != std::string::npos,
            error.c_str());

        auto show = s->proxy->MDIShow(kDemo);
        QVERIFY(!answered(show));
        QVERIFY2(show.error().message().contains("\"GetUpdate_Firma\""), qPrintable(show.error().message()));
        QCOMPARE(s->window->tree()->topLevelItemCount(), 0);
    }
};

QTEST_MAIN(AutomationTest)
#include "automation_test.moc"
