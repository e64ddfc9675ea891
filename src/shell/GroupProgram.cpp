// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/GroupProgram.h"

#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QEventLoop>

#include "suite/Errors.h"

namespace teska {

QDBusArgument& operator<<(QDBusArgument& argument, const GroupObject& object)
{
    argument.beginStructure();
    argument << object.Service << object.Path;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, GroupObject& object)
{
    argument.beginStructure();
    argument >> object.Service >> object.Path;
    argument.endStructure();
    return argument;
}

GroupProgram::GroupProgram()
{
    qDBusRegisterMetaType<GroupObject>();
}

void GroupProgram::SetObject(const QDBusConnection& connection, const GroupObject& object)
{
    m_connection = connection;
    m_object = object;
}

QDBusMessage GroupProgram::Send(const QDBusMessage& message, const QString& member) const
{
    // The reply is awaited in a local event loop that leaves out the user's
    // input: the window keeps painting, and the bus gives up after the
    // timeout when the group program hangs.
    QDBusPendingCall pending = m_connection->asyncCall(message, m_timeoutMs);
    QDBusPendingCallWatcher watcher(pending);
    QEventLoop loop;
    QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
    if (!watcher.isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    const QDBusMessage reply = pending.reply();
    if (reply.type() == QDBusMessage::ErrorMessage)
        throw RuntimeError("The group program failed in \"" + member.toStdString() + "\" ("
            + reply.errorName().toStdString() + "): " + reply.errorMessage().toStdString());
    return reply;
}

QDBusMessage GroupProgram::Call(const QString& member, const QList<QVariant>& arguments)
{
    QDBusMessage message
        = QDBusMessage::createMethodCall(m_object.Service, m_object.Path.path(), kGroupInterface, member);
    message.setArguments(arguments);
    return Send(message, member);
}

void GroupProgram::SetPrjFileName(const std::string& projectPath)
{
    if (!IsSet())
        return;
    QDBusMessage message = QDBusMessage::createMethodCall(
        m_object.Service, m_object.Path.path(), "org.freedesktop.DBus.Properties", "Set");
    message << QString(kGroupInterface) << QString("PrjFileName")
            << QVariant::fromValue(QDBusVariant(QString::fromStdString(projectPath)));
    Send(message, "PrjFileName");
}

void GroupProgram::UpdateFile()
{
    if (IsSet())
        Call("Update_File", {QVariant::fromValue(kThisProgram)});
}

void GroupProgram::SwitchProg(std::int16_t program)
{
    if (IsSet())
        Call("SwitchProg", {QVariant::fromValue(kThisProgram), QVariant::fromValue(program)});
}

bool GroupProgram::ReadUpdateFlag(const QString& name)
{
    if (!IsSet())
        return false;
    const QString member = "Get" + name;
    const QDBusMessage reply = Call(member, {QVariant::fromValue(kUpdateFlagIndex)});
    const QVariant value = reply.arguments().value(0);
    if (value.metaType() != QMetaType::fromType<bool>())
        throw RuntimeError("The group program answered \"" + member.toStdString() + "\" with no Boolean.");
    return value.toBool();
}

void GroupProgram::ClearUpdateFlag(const QString& name)
{
    if (IsSet())
        Call("Set" + name, {QVariant::fromValue(kUpdateFlagIndex), QVariant(false)});
}

void GroupProgram::EndProg()
{
    if (!IsSet())
        return;
    try {
        Call("TESKAGroup_EndProg", {});
    } catch (const RuntimeError&) {
        // The program ends whatever the group program says.
    }
}

} // namespace teska
