// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The calls back into the suite's group program: D-Bus calls on the object
// that the group program named through the TESKAGroup property, interface
// org.teska.Group (data/dbus/org.teska.Group.xml). Every call waits at most
// Timeout() milliseconds and keeps the window painting while it waits.

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QMetaType>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>

class QDBusMessage;

namespace teska {

// The group program's object on the bus. An empty Service means none.
struct GroupObject {
    QString Service;
    QDBusObjectPath Path = QDBusObjectPath("/");
};
QDBusArgument& operator<<(QDBusArgument& argument, const GroupObject& object);
const QDBusArgument& operator>>(const QDBusArgument& argument, GroupObject& object);

inline constexpr const char* kGroupInterface = "org.teska.Group";
// This program's number among the suite's programs.
inline constexpr std::int16_t kThisProgram = 3;
// The index of the three update flags that concern this program.
inline constexpr std::int16_t kUpdateFlagIndex = 2;

class GroupProgram {
public:
    // Registers GroupObject with QtDBus (once per process).
    GroupProgram();

    // The object named by TESKAGroup and the connection to reach it on.
    void SetObject(const QDBusConnection& connection, const GroupObject& object);
    const GroupObject& Object() const { return m_object; }
    bool IsSet() const { return m_connection.has_value() && !m_object.Service.isEmpty(); }
    void SetTimeout(int milliseconds) { m_timeoutMs = milliseconds; }
    int Timeout() const { return m_timeoutMs; }

    // The calls by name. While no object is set they do nothing (reads give
    // false). A member the group program lacks, refuses or does not answer
    // in time throws RuntimeError naming the member and the bus's reason.
    void SetPrjFileName(const std::string& projectPath);
    void UpdateFile();
    void SwitchProg(std::int16_t program);
    // The indexed Boolean property \p name ("Update_Firma", ...) with
    // kUpdateFlagIndex: read through Get<name>, cleared through Set<name>.
    bool ReadUpdateFlag(const QString& name);
    void ClearUpdateFlag(const QString& name);
    // "TESKAGroup_EndProg"; every error is ignored.
    void EndProg();

private:
    QDBusMessage Call(const QString& member, const QList<QVariant>& arguments);
    QDBusMessage Send(const QDBusMessage& message, const QString& member) const;

    std::optional<QDBusConnection> m_connection;
    GroupObject m_object;
    int m_timeoutMs = 10000;
};

} // namespace teska

Q_DECLARE_METATYPE(teska::GroupObject)
