// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The automation object through which the suite's group program drives the
// program on the session bus: bus name org.teska.List, object path
// /org/teska/List, interface org.teska.List.ClsListExe
// (data/dbus/org.teska.List.ClsListExe.xml, docs/automation.md).

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <functional>

#include "shell/GroupProgram.h"

class QDBusServiceWatcher;

namespace teska {

class MDIList;

inline constexpr const char* kAutomationService = "org.teska.List";
inline constexpr const char* kAutomationPath = "/org/teska/List";

class ClsListExe : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_PROPERTY(teska::GroupObject TESKAGroup READ TESKAGroup WRITE setTESKAGroup)

public:
    // A child of \p window; its calls back go out on \p connection.
    ClsListExe(MDIList& window, const QDBusConnection& connection);

    // Registers the object and the bus name. False with \p error set when
    // the bus cannot be reached or the name is taken.
    bool Export(QString* error);

    GroupObject TESKAGroup() const;
    // Also watches the group program's bus name: when it leaves the bus the
    // group program has let go of the object (as Release does).
    void setTESKAGroup(const GroupObject& object);

    // Ends the process once the group program has let go of the object;
    // by default the application's event loop is left.
    std::function<void()> EndProcess;

public Q_SLOTS:
    void MDIHide();
    void SetProgFocus();
    // Shows the window with the project of \p StrPrjFileName (none when
    // empty). A failing call back into the group program becomes the error
    // of this call.
    void MDIShow(const QString& StrPrjFileName);
    void RestToolBar();
    void Release();

private:
    void ReleasedByGroup();
    void ReloadWhenFlagged();

    MDIList& m_window;
    QDBusConnection m_connection;
    QDBusServiceWatcher* m_watcher = nullptr;
    bool m_released = false;
};

// Started with --automation: the object on the session bus, owned by the
// window. False with a message on stderr when it could not be exported.
bool ExportAutomation(MDIList& window);

} // namespace teska
