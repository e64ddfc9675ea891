// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/HelpWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

#ifndef TESKA_HELP_SOURCE_DIR
#define TESKA_HELP_SOURCE_DIR ""
#endif
#ifndef TESKA_VERSION
#define TESKA_VERSION "0"
#endif

namespace teska {

QString HelpDirectory()
{
    QString dir = qEnvironmentVariable("TESKA_HELP_DIR");
    if (dir.isEmpty()) {
        const QString installed = QCoreApplication::applicationDirPath() + "/../share/teska-list/help";
        dir = QFileInfo::exists(installed + "/Titel.html") ? installed : QString(TESKA_HELP_SOURCE_DIR);
    }
    if (!dir.endsWith('/'))
        dir += '/';
    return dir;
}

QString HelpPage(const QString& topic)
{
    return HelpDirectory() + topic + ".html";
}

void ShowHelp(QWidget* owner, const QString& topic)
{
    static QPointer<QTextBrowser> browser;
    if (!browser) {
        browser = new QTextBrowser(owner);
        browser->setWindowFlags(Qt::Window);
        browser->setObjectName("HelpWindow");
        browser->setOpenLinks(true);
        browser->resize(640, 480);
        browser->setSearchPaths({HelpDirectory()});
    }
    const QString page = HelpPage(topic);
    if (QFileInfo::exists(page))
        browser->setSource(QUrl::fromLocalFile(page));
    else
        browser->setHtml("<p>No help page for topic " + topic.toHtmlEscaped() + " in "
            + HelpDirectory().toHtmlEscaped() + ".</p>");
    browser->setWindowTitle(browser->documentTitle());
    browser->show();
    browser->raise();
}

QString AboutText(int analysisMethod, bool resultSwitch14)
{
    return QStringLiteral("TESKA-List %1\nAnalysis method %2%3")
        .arg(TESKA_VERSION)
        .arg(analysisMethod)
        .arg(resultSwitch14 ? QStringLiteral(", with results of option 13") : QString());
}

void ShowAbout(QWidget* owner, const QString& title, int analysisMethod, bool resultSwitch14)
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    QMessageBox::about(owner, QString(title).remove('&'), AboutText(analysisMethod, resultSwitch14));
}

} // namespace teska
