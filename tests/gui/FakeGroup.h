// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A stand-in for the suite's group program on a test bus: it implements
// org.teska.Group through the adaptor generated from its interface XML,
// records every call it receives as text ("Update_File(3)",
// "PrjFileName=/p/X.PO1", "SetUpdate_Firma(2,false)") and answers the three
// update flags as the test sets them. With Hang set it never answers a
// method call.

#include <QDBusContext>
#include <QDBusMessage>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <functional>

class FakeGroup : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_PROPERTY(QString PrjFileName READ PrjFileName WRITE setPrjFileName)

public:
    QStringList Calls;
    QMap<QString, bool> Flags{
        {"Update_Firma", false}, {"Update_NumberFormat", false}, {"Update_mnuUnits", false}};
    bool Hang = false;
    // Runs inside every recorded call (the caller's state can be looked at).
    std::function<void(const QString& call)> OnCall;

    QString PrjFileName() const { return m_project; }
    void setPrjFileName(const QString& path)
    {
        m_project = path;
        record("PrjFileName=" + path, false);
    }

public Q_SLOTS:
    void Update_File(short program) { record(QString("Update_File(%1)").arg(program)); }
    void SwitchProg(short from, short to) { record(QString("SwitchProg(%1,%2)").arg(from).arg(to)); }
    void TESKAGroup_EndProg() { record("TESKAGroup_EndProg()"); }
    bool GetUpdate_Firma(short index) { return get("Update_Firma", index); }
    void SetUpdate_Firma(short index, bool value) { set("Update_Firma", index, value); }
    bool GetUpdate_NumberFormat(short index) { return get("Update_NumberFormat", index); }
    void SetUpdate_NumberFormat(short index, bool value) { set("Update_NumberFormat", index, value); }
    bool GetUpdate_mnuUnits(short index) { return get("Update_mnuUnits", index); }
    void SetUpdate_mnuUnits(short index, bool value) { set("Update_mnuUnits", index, value); }

private:
    void record(const QString& call, bool method = true)
    {
        Calls << call;
        if (OnCall)
            OnCall(call);
        if (Hang && method && calledFromDBus())
            setDelayedReply(true); // and no reply ever follows
    }
    bool get(const QString& name, short index)
    {
        record(QString("Get%1(%2)").arg(name).arg(index));
        return index == 2 && Flags.value(name);
    }
    void set(const QString& name, short index, bool value)
    {
        record(QString("Set%1(%2,%3)").arg(name).arg(index).arg(value ? "true" : "false"));
        if (index == 2)
            Flags[name] = value;
    }

    QString m_project;
};
