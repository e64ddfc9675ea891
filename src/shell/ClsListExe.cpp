// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ClsListExe.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <QToolBar>
#include <cstdio>

#include "clslistexeadaptor.h"
#include "shell/MDIList.h"
#include "shell/StartUp.h"
#include "suite/SuiteEnvironment.h"

namespace teska {

namespace {

// Marks the opening of a handed-over project as a re-activation for as long
// as it runs.
class HandOverMark {
public:
    explicit HandOverMark(MDIList& window)
        : m_window(window)
    {
        m_window.GroupHandOver = true;
    }
    ~HandOverMark() { m_window.GroupHandOver = false; }
    HandOverMark(const HandOverMark&) = delete;
    HandOverMark& operator=(const HandOverMark&) = delete;

private:
    MDIList& m_window;
};

} // namespace

ClsListExe::ClsListExe(MDIList& window, const QDBusConnection& connection)
    : QObject(&window)
    , EndProcess([] { QCoreApplication::exit(0); })
    , m_window(window)
    , m_connection(connection)
{
    new ClsListExeAdaptor(this);
    m_watcher = new QDBusServiceWatcher(this);
    m_watcher->setConnection(m_connection);
    m_watcher->setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    connect(m_watcher, &QDBusServiceWatcher::serviceUnregistered, this, [this] { ReleasedByGroup(); });
}

bool ClsListExe::Export(QString* error)
{
    if (!m_connection.isConnected()) {
        *error = "No session bus: " + m_connection.lastError().message();
        return false;
    }
    if (!m_connection.registerObject(kAutomationPath, this, QDBusConnection::ExportAdaptors)) {
        *error = QString("The object path %1 is taken on the session bus.").arg(kAutomationPath);
        return false;
    }
    if (!m_connection.registerService(kAutomationService)) {
        *error = QString("The bus name %1 is taken on the session bus: %2")
                     .arg(kAutomationService, m_connection.lastError().message());
        m_connection.unregisterObject(kAutomationPath);
        return false;
    }
    return true;
}

GroupObject ClsListExe::TESKAGroup() const
{
    return m_window.groupProgram().Object();
}

void ClsListExe::setTESKAGroup(const GroupObject& object)
{
    m_window.groupProgram().SetObject(m_connection, object);
    m_watcher->setWatchedServices(object.Service.isEmpty() ? QStringList() : QStringList(object.Service));
    // A round trip to the bus: the watch is in place once it answers, so a
    // group program that leaves right after naming itself is noticed.
    if (!object.Service.isEmpty() && m_connection.interface())
        m_connection.interface()->isServiceRegistered(object.Service);
}

void ClsListExe::MDIHide()
{
    m_window.SaveTBar();
    m_window.hide();
}

void ClsListExe::SetProgFocus()
{
    m_window.show();
    if (m_window.isMinimized())
        m_window.showMaximized();
    const QList<QMdiSubWindow*> windows = m_window.mdiArea()->subWindowList();
    if (!windows.isEmpty())
        windows.first()->showNormal();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_window.raise();
    m_window.activateWindow();
}

void ClsListExe::ReloadWhenFlagged()
{
    GroupProgram& group = m_window.groupProgram();
    Session& session = m_window.session();
    const std::string& settingsDirectory = m_window.startup().SettingsDirectory;
    // The suite settings file holds the company header and the units
    // together; only the flagged part is taken over.
    auto fromSettings = [&] {
        SuiteEnvironment fresh(m_window.host(), settingsDirectory);
        fresh.LoadSettings();
        return fresh;
    };
    if (group.ReadUpdateFlag("Update_Firma")) {
        const SuiteEnvironment fresh = fromSettings();
        session.environment.CompanyLine1 = fresh.CompanyLine1;
        session.environment.CompanyLine2 = fresh.CompanyLine2;
    }
    group.ClearUpdateFlag("Update_Firma");
    if (group.ReadUpdateFlag("Update_NumberFormat")) {
        FileServices services = session.services();
        LoadNumberFormats(services, session.file, m_window.numberFormats, settingsDirectory);
    }
    group.ClearUpdateFlag("Update_NumberFormat");
    if (group.ReadUpdateFlag("Update_mnuUnits"))
        session.environment.Units() = fromSettings().Units();
    group.ClearUpdateFlag("Update_mnuUnits");
}

void ClsListExe::MDIShow(const QString& StrPrjFileName)
{
    try {
        m_window.startup().StartedByGroup = true;
        m_window.SetupProgramBar(true);
        m_window.bar("MENU")->setVisible(true);
        for (int i = 0; i < 5; ++i)
            m_window.ApplyBarCheck(i);
        SetProgFocus();
        ReloadWhenFlagged();
        const HandOverMark mark(m_window);
        OpenProjectFromPath(m_window, StrPrjFileName.toStdString());
    } catch (const std::exception& error) {
        if (calledFromDBus())
            sendErrorReply("org.teska.List.Error.Failed", QString::fromStdString(error.what()));
        else
            m_window.host().reportError(error.what());
    }
}

void ClsListExe::RestToolBar()
{
    m_window.ResetToolbars();
}

void ClsListExe::Release()
{
    // After the reply to this call has gone out.
    QTimer::singleShot(0, this, [this] { ReleasedByGroup(); });
}

void ClsListExe::ReleasedByGroup()
{
    if (m_released)
        return;
    m_released = true;
    m_window.ShutDown(true);
    m_window.hide();
    if (EndProcess)
        EndProcess();
}

bool ExportAutomation(MDIList& window)
{
    auto* object = new ClsListExe(window, QDBusConnection::sessionBus());
    QString error;
    if (object->Export(&error))
        return true;
    std::fprintf(stderr, "teska-list: %s\n", qPrintable(error));
    delete object;
    return false;
}

} // namespace teska
