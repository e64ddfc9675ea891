// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ShellHost.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

namespace teska {

namespace {
bool modalAllowed()
{
    return QGuiApplication::platformName() != QLatin1String("offscreen");
}
} // namespace

void ShellHost::statusText(const std::string& text)
{
    if (m_statusBar)
        m_statusBar->showMessage(QString::fromStdString(text));
}

void ShellHost::processEvents()
{
    QCoreApplication::processEvents();
}

void ShellHost::warning(const std::string& title, const std::string& text)
{
    if (modalAllowed())
        QMessageBox::warning(nullptr, QString::fromStdString(title), QString::fromStdString(text));
    else
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
}

void ShellHost::reportError(const std::string& message)
{
    m_errors.push_back(message);
    if (modalAllowed())
        QMessageBox::critical(nullptr, QStringLiteral("TESKA-List"), QString::fromStdString(message));
    else
        std::fprintf(stderr, "error: %s\n", message.c_str());
}

} // namespace teska
