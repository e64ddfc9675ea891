// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Picture window benchmark, run by hand (bench/README.md):
//
//   bench_picture_window PROJECT.PO1 [KEY [RUNS]]
//
// On the offscreen platform, in a window of 1200 x 800 with the picture
// window at 760 x 540, it times for the result list KEY (default 140, the
// moments) and its first column: the Picture command from the grid viewer to
// the first drawing (reading the values and the mesh included), a wheel
// notch (zoom and drawing), a drag of the slab (pan and drawing), fit to
// window, the status text of the pointer and a click on a node. Each figure
// is the median of RUNS runs (default 5).

#include <QApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "shell/MDIList.h"
#include "shell/PictureCommands.h"
#include "shell/StartUp.h"
#include "viewer/frmPicture.h"
#include "viewer/frmViList.h"

using namespace teska;

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Milliseconds of \p work, the median of \p runs runs.
double time(int runs, const std::function<void()>& work)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    return median(ms);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_picture_window PROJECT.PO1 [KEY [RUNS]]\n");
        return 2;
    }
    const long key = argc > 2 ? std::atol(argv[2]) : 140;
    const int runs = std::max(1, argc > 3 ? std::atoi(argv[3]) : 5);
    auto window = Main({"teska-list", QString::fromLocal8Bit(argv[1])});
    window->resize(1200, 800);
    window->show();
    window->OutputTarget = 2;
    window->CurrentListKey = key;
    frmViList* viewer = window->ShowResultInViewer();
    if (!viewer) {
        std::fprintf(stderr, "no grid viewer of list %ld\n", key);
        return 1;
    }

    frmPicture* picture = nullptr;
    const double open = time(runs, [&] {
        if (picture)
            picture->parentWidget()->close();
        QCoreApplication::processEvents();
        window->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(viewer->parentWidget()));
        picture = window->pictures().ShowPicture(viewer, 1);
        if (picture)
            picture->repaint();
    });
    if (!picture) {
        std::fprintf(stderr, "no picture of list %ld\n", key);
        return 1;
    }
    const QRectF plot = picture->layout().Plot;
    const QPointF centre = plot.center();
    bool in = true;
    const double wheel = time(runs, [&] {
        picture->ZoomAt(centre, in ? 1.25 : 1 / 1.25);
        in = !in;
        picture->repaint();
    });
    picture->ZoomAt(centre, 4);
    const double pan = time(runs, [&] {
        picture->PanBy(QPointF(in ? 40 : -40, 0));
        in = !in;
        picture->repaint();
    });
    const double fit = time(runs, [&] {
        picture->ZoomAt(centre, 2);
        picture->repaint();
        picture->FitToWindow();
        picture->repaint();
    });
    constexpr int kPoints = 1000;
    const double pointer = time(runs, [&] {
        for (int i = 0; i < kPoints; ++i)
            picture->PointerText(
                plot.topLeft() + QPointF(plot.width() * (i % 37) / 37, plot.height() * (i % 23) / 23));
    }) / kPoints;
    const double click = time(runs, [&] { picture->ClickAt(centre); });

    std::printf("list %ld, %d nodes, %d elements\n", key, picture->picture().NodeCount(),
        picture->picture().ElementCount());
    std::printf("picture command to first drawing  %9.1f ms\n", open);
    std::printf("wheel notch (zoom and drawing)    %9.1f ms\n", wheel);
    std::printf("pan (drawing at 4x zoom)          %9.1f ms\n", pan);
    std::printf("zoom in and fit (two drawings)    %9.1f ms\n", fit);
    std::printf("status text of the pointer        %9.3f ms\n", pointer);
    std::printf("click on a node (row selected)    %9.3f ms\n", click);
    window->ShutDown(false);
    return 0;
}
