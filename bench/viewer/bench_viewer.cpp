// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Viewer benchmark, run by hand (bench/README.md):
//
//   bench_viewer PROJECT.PO1 TESKA_REPORT [RUNS]
//
// On the offscreen platform it times, each the median of RUNS runs:
// the grid viewer of the moments list (140) from the command to its first
// painted screen, scrolling to the last row and painting it, and the text
// viewer of the node table (90054); against teska-report --text of the same
// lists written to /dev/null. It prints the model's bytes against the
// result table's (five single-precision columns plus row numbers).

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "shell/MDIList.h"
#include "shell/StartUp.h"
#include "viewer/ResultGridModel.h"
#include "viewer/frmViList.h"

using namespace teska;

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double reportSeconds(
    const QString& report, const QString& project, const QStringList& list, const QString& settings)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TESKA_SETTINGS_DIR", settings);
    process.setProcessEnvironment(env);
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(report, QStringList{project} + list + QStringList{"--text", "-"});
    process.waitForFinished(-1);
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_viewer PROJECT.PO1 TESKA_REPORT [RUNS]\n");
        return 2;
    }
    const QString project = QString::fromLocal8Bit(argv[1]);
    const QString report = QString::fromLocal8Bit(argv[2]);
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;
    QTemporaryDir settings;
    qputenv("TESKA_SETTINGS_DIR", (settings.path() + "/").toLocal8Bit());

    auto window = Main({"teska-list", project}, (settings.path() + "/").toStdString());
    window->resize(1280, 900);
    window->show();
    std::vector<double> gridOpen, scroll, textOpen, textRun, textFull, batchGrid, batchText;
    int lastVisibleRow = 0;
    QSize viewport;
    std::size_t modelBytes = 0, tableBytes = 0;
    for (int run = 0; run < runs; ++run) {
        batchGrid.push_back(reportSeconds(report, project, {"--results", "140"}, settings.path() + "/"));
        batchText.push_back(reportSeconds(report, project, {"--data", "90054"}, settings.path() + "/"));

        QElapsedTimer timer;
        timer.start();
        window->OutputTarget = 2;
        window->CurrentListKey = 140L;
        frmViList* grid = window->ShowResultInViewer();
        if (!grid)
            return 1;
        window->mdiArea()->activeSubWindow()->showMaximized();
        QCoreApplication::processEvents();
        grid->grid()->viewport()->grab();
        gridOpen.push_back(timer.nsecsElapsed() / 1e9);

        timer.restart();
        grid->grid()->scrollToBottom();
        grid->grid()->viewport()->grab();
        scroll.push_back(timer.nsecsElapsed() / 1e9);
        // The row drawn at the bottom of the viewport, as a check that the
        // last screen was painted.
        lastVisibleRow = grid->grid()->rowAt(grid->grid()->viewport()->height() - 2) + 1;
        viewport = grid->grid()->viewport()->size();
        const ResultGrid& g = grid->model()->resultGrid();
        modelBytes = g.MemoryBytes();
        tableBytes = static_cast<std::size_t>(g.RowCount()) * (5 * sizeof(float) + sizeof(std::int32_t));
        grid->parentWidget()->close();

        timer.restart();
        window->OutputTarget = 1;
        window->CurrentListKey = 90054L;
        if (!window->RunListWindow())
            return 1;
        textRun.push_back(timer.nsecsElapsed() / 1e9);
        frmViList* text = window->ShowResultInViewer();
        if (!text)
            return 1;
        text->textBox()->viewport()->grab();
        textOpen.push_back(timer.nsecsElapsed() / 1e9);
        while (!text->textComplete())
            QCoreApplication::processEvents();
        textFull.push_back(timer.nsecsElapsed() / 1e9);
        text->parentWidget()->close();
        QCoreApplication::processEvents();
    }
    std::printf(
        "grid viewer 140: %.3f s to first paint (teska-report --results 140 --text: %.3f s, ratio %.2f)\n",
        median(gridOpen), median(batchGrid), median(gridOpen) / median(batchGrid));
    std::printf("scroll to last row and paint: %.2f ms (row %d at the bottom of a %dx%d viewport)\n",
        median(scroll) * 1000, lastVisibleRow, viewport.width(), viewport.height());
    std::printf("model memory: %zu bytes, result table %zu bytes (ratio %.2f)\n", modelBytes, tableBytes,
        tableBytes ? static_cast<double>(modelBytes) / static_cast<double>(tableBytes) : 0.0);
    std::printf(
        "text viewer 90054: %.3f s, of which the list run %.3f s (teska-report --data 90054 --text: %.3f "
        "s, ratio %.2f)\n",
        median(textOpen), median(textRun), median(batchText), median(textOpen) / median(batchText));
    std::printf("text viewer 90054 filled to its last line: %.3f s\n", median(textFull));
    window->ShutDown(false);
    return 0;
}
