// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <string>

#include "shell/ClsListExe.h"
#include "shell/MDIList.h"
#include "shell/StartUp.h"
#include "shell/TerminationSignal.h"

int main(int argc, char** argv)
{
    teska::CatchTermination();
    QApplication app(argc, argv);
    std::string raw;
    for (int i = 1; i < argc; ++i)
        raw += (i > 1 ? " " : "") + std::string(argv[i]);
    auto window = teska::Main(QCoreApplication::arguments(), {}, raw);
    if (teska::StartedAsAutomation(QCoreApplication::arguments()) && !teska::ExportAutomation(*window))
        return 1;
    teska::ShutDownOnTermination(*window);
    return app.exec();
}
