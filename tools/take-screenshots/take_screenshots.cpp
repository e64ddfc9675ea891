// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Takes the screenshots of docs/screenshots from the running window (run by
// scripts/screenshot under a virtual X display, not by the tests):
//
//   take_screenshots PROJECT.PO1 OUTPUT_DIR [LANGUAGE]
//
// With LANGUAGE only the text viewer is taken, in that language, as
// text-viewer-LANGUAGE.png.
// text-viewer.png: the node table (90054) in a text viewer; grid-viewer.png:
// the moments (140) in a grid viewer beside it; picture-settlements.png,
// picture-moments.png: the picture windows of the settlements (138) and
// the moments; list-choice.png: the multiple-choice dialog of printing the
// result list with three lists checked; list-run.png: the list generation
// window during a run.

#include <QApplication>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableView>
#include <QTimer>
#include <cstdio>

#include "lists/run/ListRequests.h"
#include "printing/frmPageForm.h"
#include "printing/frmPlotPage.h"
#include "shell/ChooseLists.h"
#include "shell/MDIList.h"
#include "shell/PictureCommands.h"
#include "shell/StartUp.h"
#include "viewer/frmPicture.h"
#include "viewer/frmViList.h"

using namespace teska;

namespace {

void settle()
{
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
}

bool save(QWidget* widget, const QString& file)
{
    settle();
    const bool saved = widget->grab().save(file);
    std::printf("%s %s\n", saved ? "written" : "NOT written", qPrintable(file));
    return saved;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: take_screenshots PROJECT.PO1 OUTPUT_DIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[2]) + "/";
    const std::string language = argc > 3 ? argv[3] : "";
    auto window = Main({"teska-list", QString::fromLocal8Bit(argv[1])}, {}, {}, language);
    window->resize(1200, 760);
    window->show();
    settle();

    // The list generation window, photographed at its first progress
    // message.
    bool ok = false;
    QTimer progress;
    QObject::connect(&progress, &QTimer::timeout, [&] {
        QWidget* run = QApplication::activeModalWidget();
        auto* button = run ? run->findChild<QWidget*>("CmdOK") : nullptr;
        if (!ok && language.empty() && button && button->isVisible())
            ok = save(run, out + "list-run.png");
    });
    progress.start(0);
    window->OutputTarget = 1;
    window->CurrentListKey = 90054L;
    if (!window->RunListWindow() || !window->ShowResultInViewer())
        return 1;
    progress.stop();
    window->mdiArea()->activeSubWindow()->setGeometry(0, 0, 720, 560);
    if (!language.empty())
        return save(window.get(), out + "text-viewer-" + QString::fromStdString(language) + ".png") ? 0 : 1;
    ok = save(window.get(), out + "text-viewer.png") && ok;

    window->OutputTarget = 2;
    window->CurrentListKey = 140L;
    frmViList* grid = window->ShowResultInViewer();
    if (!grid)
        return 1;
    window->mdiArea()->activeSubWindow()->setGeometry(180, 60, 760, 520);
    ok = save(window.get(), out + "grid-viewer.png") && ok;

    // picture-settlements.png, picture-moments.png: the picture windows of
    // the settlements and of the moments over their grid viewers, with a
    // node clicked (its row selected in the grid, its value in the status
    // bar).
    for (const long key : {138L, 140L}) {
        window->mdiArea()->closeAllSubWindows();
        settle();
        window->OutputTarget = 2;
        window->CurrentListKey = key;
        frmViList* viewer = window->ShowResultInViewer();
        if (!viewer)
            return 1;
        viewer->parentWidget()->setGeometry(0, 0, 430, 560);
        frmPicture* picture = window->pictures().ShowPicture(viewer, 1);
        if (!picture)
            return 1;
        picture->parentWidget()->setGeometry(260, 0, 690, 560);
        settle();
        const ResultPicture& slab = picture->picture();
        const PicturePoint node = slab.Node(slab.Largest().Node);
        picture->ClickAt(picture->layout().WorldToDevice.map(QPointF(node.X, node.Y)));
        ok = save(window.get(), out + (key == 138L ? "picture-settlements.png" : "picture-moments.png"))
            && ok;
    }

    // The choice dialog is modal: it is photographed from a timer while it
    // is open, then cancelled.
    QTimer::singleShot(300, [&ok, out] {
        auto* dialog = qobject_cast<ListChoiceDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ok = false;
            return;
        }
        for (int row : {1, 4, 5})
            if (row < dialog->list()->count())
                dialog->list()->item(row)->setCheckState(Qt::Checked);
        dialog->list()->setCurrentRow(5);
        ok = save(dialog, out + "list-choice.png") && ok;
        dialog->reject();
    });
    window->ListCommand(4);

    // print-options.png: the print options of printing the data list;
    // page-format.png: the page format dialog on the current page raster.
    // Both are shown without their modal loop for the photograph.
    {
        frmPlotPage options(window->session(), window->settings(), 3, {ListKey(90054L)}, {}, window.get());
        options.show();
        ok = save(&options, out + "print-options.png") && ok;
        options.reject();
        const ListPageSettings page = window->listPage();
        PageLayout layout = window->pageLayout;
        frmPageForm format(window->session(), layout, page.LinesPerPage, page.CharsPerLine,
            window->startup().SettingsDirectory, {}, window.get());
        format.show();
        ok = save(&format, out + "page-format.png") && ok;
        format.reject();
    }
    window->ShutDown(false);
    return ok ? 0 : 1;
}
