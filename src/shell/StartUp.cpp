// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/StartUp.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSplashScreen>
#include <filesystem>

#include "project/opening/ProjectReader.h"
#include "shell/MDIList.h"
#include "suite/Errors.h"

namespace teska {

bool StartedAsAutomation(const QStringList& arguments)
{
    return arguments.size() > 1 && arguments.at(1) == QLatin1String(kAutomationSwitch);
}

QString CommandLineOf(const QStringList& arguments)
{
    return arguments.mid(1).join(' ');
}

std::string CleanProjectPath(const std::string& commandLine)
{
    const auto first = commandLine.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const auto last = commandLine.find_last_not_of(' ');
    std::string path = commandLine.substr(first, last - first + 1);
    if (!path.empty() && path.front() == '"')
        path.erase(0, 1);
    if (!path.empty() && path.back() == '"')
        path.pop_back();
    return path;
}

void OpenProjectFromPath(MDIList& window, const std::string& commandLine)
{
    if (commandLine.empty())
        return;
    const std::string path = CleanProjectPath(commandLine);
    if (const ProjectCheck check = ProjectReader::CheckProjectFile(path); !check) {
        // Named on the command line but not a project: say why.
        window.session().host.reportError(check.Reason);
        return;
    }
    // The path stays the file system's bytes: a name that is not UTF-8
    // would not survive a QString.
    const std::filesystem::path file(path);
    if (file.filename().empty())
        return;
    // Only the upper-case extension names a project here.
    if (file.extension() != ".PO1")
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    ProjectState& project = window.project();
    project.ProjectPath = path;
    project.ProjectDirectory = std::filesystem::absolute(file).parent_path().string() + "/";
    project.ProjectBaseName = file.stem().string();
    if (!window.IsProjectOpened()) {
        window.OpenProject(true);
        window.AddToRecentList(project.ProjectDirectory + project.ProjectBaseName + ".PO1");
    }
    QGuiApplication::restoreOverrideCursor();
}

std::string TakeLanguageOption(std::vector<std::string>& arguments)
{
    std::string language;
    for (std::size_t i = 1; i < arguments.size();) {
        if (arguments[i] == "--lang" && i + 1 < arguments.size()) {
            language = arguments[i + 1];
            arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i),
                arguments.begin() + static_cast<std::ptrdiff_t>(i + 2));
        } else if (arguments[i].rfind("--lang=", 0) == 0) {
            language = arguments[i].substr(7);
            arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
    return language;
}

std::unique_ptr<MDIList> Main(const QStringList& arguments, const std::string& settingsDirectory,
    const std::string& rawCommandLine, const std::string& language)
{
    QCoreApplication::setApplicationName(kApplicationTitle);
    const bool group = StartedAsAutomation(arguments);

    auto window = std::make_unique<MDIList>(settingsDirectory, language);
    StartupState& startup = window->startup();
    startup.StartedByGroup = group;
    Session& session = window->session();
    std::unique_ptr<QSplashScreen> notice;
    try {
        if (startup.ProjectDirectory.empty())
            startup.ProjectDirectory = QDir::homePath().toStdString() + "/";
        if (!group) {
            notice = std::make_unique<QSplashScreen>(QPixmap(320, 80));
            notice->showMessage(
                QString::fromStdString(session.catalogue.LookupText(86)), Qt::AlignCenter, Qt::white);
            notice->show();
        }
        startup.TermId = session.catalogue.TerminologySwitch() != 0 ? 90063 : 90065;
        window->setEnabled(false);
        if (!group)
            window->show();
        else
            window->hide();
        session.environment.LoadSettings();
        FileServices services = session.services();
        LoadNumberFormats(services, session.file, window->numberFormats, startup.SettingsDirectory);
        LoadPageLayout(services, session.file, window->pageLayout, startup.SettingsDirectory);
        session.environment.SetStatusText(80074L, &session.catalogue);
        session.environment.SetStatusText(std::string());
        window->LoadRecentMenu();
        window->BuildToolbars();
        window->RestoreLayout();
        startup.Text123 = session.catalogue.LookupText(123);
        if (notice)
            notice->finish(window.get());
        window->setEnabled(true);
        if (!group)
            OpenProjectFromPath(*window,
                rawCommandLine.empty() ? QFile::encodeName(CommandLineOf(arguments)).toStdString()
                                       : rawCommandLine);
    } catch (const std::exception& error) {
        session.host.reportError(error.what());
        window->setEnabled(true);
        if (notice)
            notice->close();
    }
    return window;
}

} // namespace teska
