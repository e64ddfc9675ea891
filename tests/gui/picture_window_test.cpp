// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The picture windows of the main window on the demo project, offscreen:
// the Picture command of a grid viewer, the navigator and Window menu
// entries, zoom, pan and fit, the value under the pointer, a click that
// selects the node's row in the grid viewer, the legend of a right-to-left
// language, printing and saving, and a plane project without pictures.

#include <functional>

#include "gui_fixture_test.h"
#include "lists/picture/ResultPicture.h"
#include "printing/PagePrinter.h"
#include "shell/MDIList.h"
#include "shell/MenuTable.h"
#include "shell/PictureCommands.h"
#include "shell/StartUp.h"
#include "viewer/ResultGridModel.h"
#include "viewer/frmPicture.h"
#include "viewer/frmViList.h"

using namespace teska;

class PictureWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<MDIList> m_window;

    MDIList& w() { return *m_window; }

    // A copy of example \p name (its .PO1 is NAME.PO1) in a folder of
    // \p language; the path of the .PO1.
    QString copy(const QString& name, const QByteArray& language = "en")
    {
        const QString folder = m_dir.path() + "/" + name + "-" + language;
        QDir().mkpath(folder + "/settings");
        copyProject(TESKA_SOURCE_DIR "/examples/" + name, folder);
        return folder + "/" + name.toUpper() + ".PO1";
    }
    // Opens a copy of example \p name in \p language.
    void open(const QString& name, const QByteArray& language = "en")
    {
        const QString project = copy(name, language);
        qputenv("TESKA_LANG", language);
        m_window = Main({"teska-list", project}, (QFileInfo(project).path() + "/settings/").toStdString());
        qunsetenv("TESKA_LANG");
        QVERIFY(w().openedProjects().CurrentProject != 0);
        w().resize(1200, 800);
        w().show();
    }
    frmViList* grid(long key)
    {
        w().OutputTarget = 2;
        w().CurrentListKey = key;
        return w().ShowResultInViewer();
    }
    // The node in the middle of the node numbers that has a row in the list.
    static std::int32_t someNode(const ResultPicture& picture)
    {
        for (std::int32_t n = picture.NodeCount() / 2; n <= picture.NodeCount(); ++n)
            if (picture.RowOfNode(n) > 0)
                return n;
        return 0;
    }
    static QPointF at(frmPicture& picture, std::int32_t node)
    {
        const PicturePoint p = picture.picture().Node(node);
        return picture.layout().WorldToDevice.map(QPointF(p.X, p.Y));
    }

private Q_SLOTS:
    void cleanup()
    {
        if (m_window)
            m_window->ShutDown(false);
        m_window.reset();
    }

    // Each picture gets its navigator and Window menu entries; the value
    // under the pointer at a node is the node's cell text of the list, and a
    // click on the node selects its row in the grid viewer.
    void pictureOfATableShowsAndPicksItsNodes_data() { tableData("gui/picture_columns.tsv"); }
    void pictureOfATableShowsAndPicksItsNodes()
    {
        QFETCH(QStringList, c);
        const long key = c[1].toLong();
        const int column = c[2].toInt();
        open("demo");
        frmViList* viewer = grid(key);
        QVERIFY(viewer);
        // The command's submenu lists the value columns.
        QVERIFY(w().pictures().action()->isEnabled());
        QMenu* columns = w().pictures().action()->menu();
        Q_EMIT columns->aboutToShow();
        QCOMPARE(columns->actions().size(), viewer->model()->columnCount() - 1);
        columns->actions().at(column - 1)->trigger();
        auto* picture = qobject_cast<frmPicture*>(w().mdiArea()->activeSubWindow()->widget());
        QVERIFY(picture);
        QCOMPARE(picture->column(), column);
        QVERIFY(!w().pictures().action()->isEnabled());
        QCOMPARE(w().HelpTopicInFront(), QString("6_2_1"));

        QTreeWidgetItem* project = w().tree()->topLevelItem(0);
        QCOMPARE(project->childCount(), 2);
        QCOMPARE(project->child(1)->data(0, Qt::UserRole).toString(), picture->tag());
        QCOMPARE(w().action(IndexedKey("MnuForms(", 1))->text(), "1 DEMO-" + picture->windowTitle());
        QVERIFY(picture->windowTitle().contains(viewer->windowTitle()));

        const std::int32_t node = someNode(picture->picture());
        const std::int32_t row = picture->picture().RowOfNode(node);
        QVERIFY(node > 0);
        const QString cell = viewer->model()->index(row - 1, column).data().toString();
        QVERIFY2(picture->PointerText(at(*picture, node)).contains(" = " + cell + " "),
            qPrintable(picture->PointerText(at(*picture, node)) + " / " + cell));

        QCOMPARE(picture->ClickAt(at(*picture, node)), node);
        const QModelIndexList selected = viewer->grid()->selectionModel()->selectedRows();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.front().row(), row - 1);
        QVERIFY(w().statusBarWidget()->currentMessage().contains(QString::number(node)));

        // With the grid viewer closed the list may be viewed again: the
        // picture's entry names the list too but is not its viewer. Closing
        // the picture takes its entries.
        QVERIFY(viewer->parentWidget()->close());
        w().CurrentListKey = key;
        QVERIFY(w().CheckRequest());
        QVERIFY(picture->parentWidget()->close());
        QCOMPARE(project->childCount(), 0);
        QVERIFY(!w().action(IndexedKey("MnuForms(", 0))->isVisible());
    }

    // Every way of zooming and panning changes the visible rectangle as
    // expected, and Home fits the slab again.
    void zoomPanAndFitChangeTheVisibleRectangle()
    {
        open("demo");
        frmPicture* picture = w().pictures().ShowPicture(grid(138), 1);
        QVERIFY(picture);
        QVERIFY(QTest::qWaitForWindowExposed(picture));
        const PictureRect fit = picture->layout().World;
        const QRectF plot = picture->layout().Plot;
        const QPoint centre = plot.center().toPoint();
        struct Step {
            const char* name;
            std::function<void()> act;
            double widthRatio; // of the visible world rectangle
            bool centreMoves;
        };
        const Step steps[] = {
            {"wheel",
                [&] {
                    QWheelEvent wheel(centre, picture->mapToGlobal(centre), {}, {0, 120}, Qt::NoButton, {},
                        Qt::NoScrollPhase, false);
                    QApplication::sendEvent(picture, &wheel);
                },
                1 / 1.25, false},
            {"plus key", [&] { QTest::keyClick(picture, Qt::Key_Plus); }, 1 / 1.25, false},
            {"rectangle",
                [&] {
                    const QPoint from
                        = (plot.topLeft() + QPointF(plot.width() / 8, plot.height() / 8)).toPoint();
                    QTest::mousePress(picture, Qt::LeftButton, {}, from);
                    QTest::mouseRelease(picture, Qt::LeftButton, {},
                        from + QPoint(int(plot.width() / 4), int(plot.height() / 4)));
                },
                0.25, true},
            {"middle drag",
                [&] {
                    QTest::mousePress(picture, Qt::MiddleButton, {}, centre);
                    QTest::mouseRelease(picture, Qt::MiddleButton, {}, centre + QPoint(60, 0));
                },
                1, true},
        };
        for (const Step& step : steps) {
            step.act();
            const PictureRect v = picture->layout().World;
            QVERIFY2(qAbs(v.Width() / fit.Width() - step.widthRatio) < 0.02, step.name);
            const double shift = qAbs((v.Left + v.Right) - (fit.Left + fit.Right)) / fit.Width();
            QVERIFY2((shift > 0.01) == step.centreMoves, step.name);
            QTest::keyClick(picture, Qt::Key_Home);
            QCOMPARE(picture->layout().World.Left, fit.Left);
            QCOMPARE(picture->layout().World.Right, fit.Right);
        }
    }

    // Right to left: the legend moves to the left of the slab (the slab
    // itself is not mirrored: the picture tests); the windows are inside
    // the area.
    void legendIsMirroredOnlyInRightToLeftLanguages_data() { tableData("gui/languages.tsv"); }
    void legendIsMirroredOnlyInRightToLeftLanguages()
    {
        QFETCH(QStringList, c);
        open("demo", c[1].toUtf8());
        frmViList* viewer = grid(140);
        frmPicture* picture = w().pictures().ShowPicture(viewer, 1);
        QVERIFY(picture);
        for (const QWidget* window : {viewer->parentWidget(), picture->parentWidget()})
            QVERIFY(w().mdiArea()->viewport()->rect().contains(window->geometry()));
        const PictureLayout layout = picture->layout();
        QCOMPARE(layout.Legend.center().x() < layout.Plot.center().x(), c[2] == "1");
    }

    // One printed page, and files of the three formats by their extension.
    void printsOnePageAndSavesByExtension()
    {
        open("demo");
        frmPicture* picture = w().pictures().ShowPicture(grid(140), 1);
        QVERIFY(picture);
        const QString pdf = m_dir.path() + "/printed.pdf";
        w().printer().SetPdfFile(pdf.toStdString());
        QVERIFY(w().pictures().PrintPicture(*picture));
        QFile printed(pdf);
        QVERIFY(printed.open(QIODevice::ReadOnly));
        const QByteArray bytes = printed.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(bytes.count("/Type /Page") - bytes.count("/Type /Pages"), 1);

        const struct {
            const char* file;
            QByteArray start; // empty: refused
        } saves[] = {{"p.png", "\x89PNG"}, {"p.svg", "<?xml"}, {"p.PDF", "%PDF"}, {"p.bmp", {}}};
        for (const auto& save : saves) {
            const QString path = m_dir.path() + "/" + save.file;
            QCOMPARE(picture->SaveAs(path), !save.start.isEmpty());
            QFile file(path);
            QCOMPARE(
                file.open(QIODevice::ReadOnly) && file.read(5).startsWith(save.start), !save.start.isEmpty());
        }
    }

    // The command follows the window in front: a grid of the demo project
    // has a picture, one of a plane project (open beside it) has none.
    void planeProjectSaysThatNoPictureExists()
    {
        open("demo");
        frmViList* demo = grid(138);
        OpenProjectFromPath(w(), copy("plane").toStdString());
        frmViList* plane = grid(90046); // the deflections
        QVERIFY(demo && plane);
        for (frmViList* viewer : {demo, plane, demo, plane}) {
            w().mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(viewer->parentWidget()));
            QCOMPARE(w().pictures().action()->isEnabled(), viewer == demo);
        }
        QVERIFY(!w().pictures().ShowPicture(plane, 1));
        QVERIFY(w().statusBarWidget()->currentMessage().contains("plane model"));
        QCOMPARE(w().pictures().pictures().size(), 0);
    }
};

QTEST_MAIN(PictureWindowTest)
#include "picture_window_test.moc"
