// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QFile>
#include <string>
#include <vector>

#include "shell/ClsListExe.h"
#include "shell/MDIList.h"
#include "shell/StartUp.h"
#include "shell/TerminationSignal.h"

int main(int argc, char** argv)
{
    teska::CatchTermination();
    QApplication app(argc, argv);
    std::vector<std::string> given(argv, argv + argc);
    const std::string language = teska::TakeLanguageOption(given);
    QStringList arguments;
    std::string raw;
    for (std::size_t i = 0; i < given.size(); ++i) {
        arguments << QFile::decodeName(given[i].c_str());
        if (i > 0)
            raw += (i > 1 ? " " : "") + given[i];
    }
    auto window = teska::Main(arguments, {}, raw, language);
    if (teska::StartedAsAutomation(arguments) && !teska::ExportAutomation(*window))
        return 1;
    teska::ShutDownOnTermination(*window);
    return app.exec();
}
