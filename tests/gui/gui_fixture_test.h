// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers that the window tests share: a file written and read, a table of
// cases under tests/data, a project copied, a catalogue caption, the choice dialog answered by the test and a
// stand-in for the user's text editor.

#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "shell/ChooseLists.h"
#include "shell/MDIList.h"

namespace teska {

inline QString fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The rows of the tab-separated table tests/data/<relative>, blank lines and
// lines starting with "#" left out; a missing file fails the test.
inline QList<QStringList> tableRows(const QString& relative)
{
    const QString path = TESKA_SOURCE_DIR "/tests/data/" + relative;
    QList<QStringList> rows;
    for (const QString& line : fileText(path).split('\n'))
        if (!line.trimmed().isEmpty() && !line.startsWith('#'))
            rows << line.split('\t');
    if (rows.isEmpty())
        qFatal("no rows in %s", qPrintable(path));
    return rows;
}

// The rows of tableRows(\p relative) as the data of a test function: one
// QStringList column "c", each row named by its first field.
inline void tableData(const QString& relative)
{
    QTest::addColumn<QStringList>("c");
    for (const QStringList& row : tableRows(relative))
        QTest::newRow(qPrintable(row[0])) << row;
}

// Copies a project folder without its lock files.
inline void copyProject(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    for (const QString& name : QDir(from).entryList(QDir::Files))
        if (!name.endsWith(".LCK"))
            QFile::copy(from + "/" + name, to + "/" + name);
}

// The caption of a catalogue identifier in the window's session.
inline QString text(MDIList& w, long id)
{
    return QString::fromStdString(w.session().catalogue.LookupText(id));
}

// Answers the next choice dialog: checks (or, single choice, selects) the
// rows whose caption \p pick accepts, remembers every caption offered, and
// presses OK (Escape when nothing was picked).
inline void answerChoice(std::function<bool(const QString&)> pick, QStringList* offered = nullptr)
{
    QTimer::singleShot(0, [pick, offered] {
        auto* dialog = qobject_cast<ListChoiceDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        bool any = false;
        for (int i = 0; i < dialog->list()->count(); ++i) {
            QListWidgetItem* item = dialog->list()->item(i);
            if (offered)
                offered->append(item->text());
            if (!pick(item->text()))
                continue;
            any = true;
            if (!dialog->multiple()) {
                dialog->list()->setCurrentRow(i);
                break;
            }
            item->setCheckState(Qt::Checked);
        }
        any ? dialog->accept() : dialog->reject();
    });
}

inline void answerChoice(const QString& caption)
{
    answerChoice([caption](const QString& c) { return c == caption; });
}

// Makes $VISUAL a script that copies the file it is given to \p copy.
inline bool useStubEditor(const QString& script, const QString& copy)
{
    qputenv("VISUAL", script.toUtf8());
    return writeFile(script, ("#!/bin/sh\ncp \"$1\" '" + copy + "'\n").toUtf8())
        && QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace teska
