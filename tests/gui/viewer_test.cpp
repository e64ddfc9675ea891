// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The list viewer on a generated project: the grid over a real result table
// (model checks, headings, rows, copying), the text box (taking the text,
// finding in it, right-to-left), the viewers that must not appear, the
// stored placement and the icon files.

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QImageReader>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <cmath>
#include <memory>

#include "lists/Session.h"
#include "lists/format/NumberFormats.h"
#include "lists/run/ListRequests.h"
#include "project/opening/OpenProject.h"
#include "suite/SettingsStore.h"
#include "suite/Twips.h"
#include "teska-sample/SampleProject.h"
#include "viewer/ResultGridModel.h"
#include "viewer/frmViList.h"

using namespace teska;

namespace {

// Yields to the event loop as the main window's host does; presses the
// viewer's cancel button on the first turn while it is shown.
class ViewerHost : public RecordingHost {
public:
    void processEvents() override
    {
        QCoreApplication::processEvents();
        if (cancelIn && cancelIn->findChild<QPushButton*>("CmdOK")->isVisible()) {
            QTest::mouseClick(cancelIn->findChild<QPushButton*>("CmdOK"), Qt::LeftButton);
            cancelIn = nullptr;
        }
    }
    frmViList* cancelIn = nullptr;
};

// A session in \p language over the generated project.
struct Opened {
    Opened(const std::string& language, const std::string& settingsDirectory,
        const std::string& projectDirectory)
    {
        SessionOptions options;
        options.settingsDirectory = settingsDirectory;
        options.catalogueDirectory = TESKA_SOURCE_DIR "/data/catalogue";
        options.language = language;
        options.strictCatalogue = true;
        session = std::make_unique<Session>(host, options);
        state.ProjectDirectory = projectDirectory;
        state.ProjectBaseName = "S";
        state.ProjectPath = projectDirectory + "S.PO1";
        OpeningContext context(host);
        opened = OpenProject(state, context, false).Outcome == OpenOutcome::Opened;
        project = std::make_unique<ListProject>(ListProject{*session, state, formats, 90065});
    }

    ViewerHost host;
    std::unique_ptr<Session> session;
    ProjectState state;
    NumberFormats formats;
    std::unique_ptr<ListProject> project;
    bool opened = false;
};

bool ShownIn(const QWidget* widget, const QWidget* viewer)
{
    return widget && widget->isVisibleTo(viewer);
}

} // namespace

class ViewerTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::string m_projectDir, m_settingsDir;
    sample::SampleProject m_sample;
    std::unique_ptr<Opened> m_en;
    std::unique_ptr<SettingsStore> m_settings;

    std::unique_ptr<frmViList> Viewer(Opened& o)
    {
        ViewerContext context;
        context.project = o.project.get();
        context.settings = m_settings.get();
        context.settingsDirectory = m_settingsDir;
        auto viewer = std::make_unique<frmViList>(context);
        viewer->resize(900, 700);
        return viewer;
    }

    // A grid viewer of \p key, filled.
    std::unique_ptr<frmViList> Grid(const ListKey& key)
    {
        auto viewer = Viewer(*m_en);
        std::string none;
        if (!viewer->FirstTimeActivate(2, key, none, "P"))
            return nullptr;
        return viewer;
    }

    QString Cell(const ResultGridModel& model, int row, int column)
    {
        return model.data(model.index(row, column)).toString();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_projectDir = (m_dir.path() + "/project/").toStdString();
        m_settingsDir = (m_dir.path() + "/settings/").toStdString();
        QDir().mkpath(QString::fromStdString(m_projectDir));
        QDir().mkpath(QString::fromStdString(m_settingsDir));
        sample::SampleOptions options;
        options.Method = 1;
        options.NodesX = 5;
        options.NodesY = 4;
        m_sample = sample::BuildSampleProject(options);
        sample::WriteSampleProject(m_sample, m_projectDir + "S.PO1");
        m_en = std::make_unique<Opened>("en", m_settingsDir, m_projectDir);
        QVERIFY(m_en->opened);
        m_settings = std::make_unique<SettingsStore>(ApplicationSettingsPath(m_settingsDir));
        for (const char* icon : {"Table.ico", "TESKAText.ico"})
            QVERIFY(QFile::copy(QStringLiteral(TESKA_SOURCE_DIR "/data/icons/") + icon,
                QString::fromStdString(m_settingsDir) + icon));
    }

    void gridOfMomentsShowsTheNonzeroNodesUnderThreeHeadingRows()
    {
        auto viewer = Grid(140L);
        QVERIFY(viewer);
        ResultGridModel* model = viewer->model();
        QVERIFY(model);
        QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(viewer->isGridMode());
        QVERIFY(ShownIn(viewer->grid(), viewer.get()));
        QVERIFY(!ShownIn(viewer->textBox(), viewer.get()));
        QVERIFY(!ShownIn(viewer->findChild<QWidget*>("CmdOK"), viewer.get()));
        QCOMPARE(viewer->grid()->objectName(), QString("GrdList"));
        QVERIFY(viewer->grid()->verticalHeader()->isHidden());
        const QString title = QString::fromStdString(m_en->session->catalogue.LookupText(140));
        QCOMPARE(viewer->windowTitle(), title);
        QCOMPARE(viewer->tag(), "P-" + title);
        QVERIFY(!viewer->windowIcon().isNull());

        // Row number, mx, my, mxy and the two principal moments.
        QCOMPARE(model->columnCount(), 6);
        const QStringList symbols{"mx", "my", "mxy", "mh1", "mh2"};
        for (int c = 1; c <= 5; ++c) {
            const QStringList lines = model->headerData(c, Qt::Horizontal).toString().split('\n');
            QCOMPARE(lines.size(), 3);
            QCOMPARE(lines[1], symbols[c - 1]);
            QVERIFY(lines[2].startsWith('[') && lines[2].endsWith(']'));
            QVERIFY(viewer->grid()->columnWidth(c) >= TwipsToPixels(500, viewer->logicalDpiX()));
        }
        // The rows are the nodes whose mx, my and mxy are not all zero, in
        // node order, each showing its node number and its moments.
        const auto& mx = m_sample.NodeColumns.at(".PH3");
        const auto& my = m_sample.NodeColumns.at(".PH4");
        const auto& mxy = m_sample.NodeColumns.at(".PH5");
        std::vector<int> nodes;
        for (std::size_t n = 0; n < mx.size(); ++n)
            if (mx[n] != 0 || my[n] != 0 || mxy[n] != 0)
                nodes.push_back(static_cast<int>(n + 1));
        QCOMPARE(model->rowCount(), static_cast<int>(nodes.size()));
        for (int r = 0; r < std::min(3, model->rowCount()); ++r) {
            QCOMPARE(Cell(*model, r, 0), QString::number(nodes[r]));
            const std::size_t n = static_cast<std::size_t>(nodes[r] - 1);
            const float expected[] = {mx[n], my[n], mxy[n]};
            for (int c = 1; c <= 3; ++c) {
                bool number = false;
                const double shown = Cell(*model, r, c).toDouble(&number);
                QVERIFY2(number, qPrintable(Cell(*model, r, c)));
                QVERIFY2(std::fabs(shown - expected[c - 1]) <= 0.05, qPrintable(Cell(*model, r, c)));
            }
            QCOMPARE(model->data(model->index(r, 1), Qt::TextAlignmentRole).value<Qt::Alignment>()
                    & Qt::AlignHorizontal_Mask,
                Qt::AlignRight | Qt::AlignAbsolute);
        }
    }

    void coefficientGridIsHeadedOneToN()
    {
        const std::string key = m_en->session->catalogue.LookupText(140177) + " [Ce]";
        auto viewer = Grid(key);
        QVERIFY(viewer);
        ResultGridModel* model = viewer->model();
        QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model->columnCount(), static_cast<int>(m_sample.NodeCount()) + 1);
        for (int c = 1; c < model->columnCount(); ++c)
            QCOMPARE(model->headerData(c, Qt::Horizontal).toString().split('\n').front(), QString::number(c));
        QCOMPARE(viewer->windowTitle(), QString::fromStdString(key));
    }

    void copyGivesTabSeparatedRowsAndHeadingsForWholeColumns()
    {
        auto viewer = Grid(140L);
        QVERIFY(viewer);
        viewer->show();
        QVERIFY(QTest::qWaitForWindowActive(viewer.get()));
        ResultGridModel& m = *viewer->model();
        QItemSelectionModel* selection = viewer->grid()->selectionModel();
        const int last = m.rowCount() - 1;
        QVERIFY(last >= 2);
        struct Case {
            const char* name;
            QList<QPair<QModelIndex, QModelIndex>> ranges;
            QString expected;
        };
        const auto header
            = [&m](int c, int line) { return m.headerData(c, Qt::Horizontal).toString().split('\n')[line]; };
        QString columns;
        for (int line = 0; line < 3; ++line)
            columns += header(1, line) + '\t' + header(2, line) + '\n';
        for (int r = 0; r <= last; ++r)
            columns += Cell(m, r, 1) + '\t' + Cell(m, r, 2) + '\n';
        const Case cases[] = {
            {"a block of cells", {{m.index(0, 0), m.index(1, 1)}},
                Cell(m, 0, 0) + '\t' + Cell(m, 0, 1) + '\n' + Cell(m, 1, 0) + '\t' + Cell(m, 1, 1) + '\n'},
            {"two cells apart", {{m.index(0, 0), m.index(0, 0)}, {m.index(2, 2), m.index(2, 2)}},
                Cell(m, 0, 0) + "\t\n\t" + Cell(m, 2, 2) + '\n'},
            {"two whole columns", {{m.index(0, 1), m.index(last, 2)}}, columns},
            {"two whole columns in two ranges",
                {{m.index(0, 2), m.index(last, 2)}, {m.index(0, 1), m.index(last, 1)}}, columns},
        };
        for (const Case& c : cases) {
            selection->clearSelection();
            for (const auto& [from, to] : c.ranges)
                selection->select(QItemSelection(from, to), QItemSelectionModel::Select);
            QApplication::clipboard()->clear();
            viewer->grid()->setFocus();
            QTest::keySequence(viewer->grid(), QKeySequence::Copy);
            QVERIFY2(QApplication::clipboard()->text() == c.expected,
                qPrintable(QString(c.name) + ": " + QApplication::clipboard()->text()));
        }
    }

    void textViewerTakesTheListTextAndFindsInIt()
    {
        auto viewer = Viewer(*m_en);
        std::string text = "  Nodes\r\n  1  0.00  two\r\n  2  1.00  two\r\n";
        QVERIFY(viewer->FirstTimeActivate(1, 90011L, text, "P"));
        QVERIFY(text.empty());
        QVERIFY(!viewer->isGridMode());
        QPlainTextEdit* box = viewer->textBox();
        QCOMPARE(box->objectName(), QString("RichTxtBox"));
        QCOMPARE(box->toPlainText(), QString("  Nodes\n  1  0.00  two\n  2  1.00  two\n"));
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(box->font().pointSize(), 8);
        QVERIFY(!box->font().bold() && !box->font().italic());
        QCOMPARE(box->layoutDirection(), Qt::LeftToRight);
        QVERIFY(ShownIn(box, viewer.get()));
        QVERIFY(!ShownIn(viewer->grid(), viewer.get()));
        const QString title = QString::fromStdString(m_en->session->catalogue.LookupText(90011));
        QCOMPARE(viewer->windowTitle(), title);
        QCOMPARE(viewer->tag(), "P-" + title);
        QVERIFY(!viewer->windowIcon().isNull());
        // Inset 100 twips on every side.
        const int edge = TwipsToPixels(100, viewer->logicalDpiX());
        QCOMPARE(box->geometry(), QRect(edge, edge, viewer->width() - 2 * edge, viewer->height() - 2 * edge));

        // A summary section of the result list is text too.
        auto summary = Viewer(*m_en);
        std::string summaryText = "x\r\n";
        QVERIFY(summary->FirstTimeActivate(2, 90050L, summaryText, "P"));
        QVERIFY(!summary->isGridMode());

        viewer->show();
        QVERIFY(QTest::qWaitForWindowActive(viewer.get()));
        box->setFocus();
        QTest::keySequence(box, QKeySequence::Find);
        QVERIFY(viewer->findField()->isVisible());
        viewer->findField()->setText("two");
        struct Step {
            const char* name;
            bool backward;
            int line; // of the match; -1: none
        };
        const Step steps[] = {{"first", false, 1}, {"next", false, 2}, {"wraps to the first", false, 1},
            {"previous wraps to the last", true, 2}};
        for (const Step& s : steps) {
            QVERIFY2(viewer->FindNext(s.backward), s.name);
            QCOMPARE(box->textCursor().selectedText(), QString("two"));
            QCOMPARE(box->textCursor().blockNumber(), s.line);
        }
        viewer->findField()->setText("absent");
        QVERIFY(!viewer->FindNext());
    }

    void longTextShowsItsFirstScreensAtOnceAndTheRestFromTheEventLoop()
    {
        std::string text;
        QString expected;
        for (int i = 1; i <= 50000; ++i) {
            text += "  line " + std::to_string(i) + "\r\n";
            expected += "  line " + QString::number(i) + "\n";
        }
        // Find reaches the last line before the box has it all; the whole
        // text arrives without a line lost or doubled.
        for (bool find : {true, false}) {
            auto viewer = Viewer(*m_en);
            std::string list = text;
            QVERIFY(viewer->FirstTimeActivate(1, 90011L, list, "P"));
            QVERIFY(!viewer->textComplete());
            QVERIFY(viewer->textBox()->blockCount() < 50000);
            if (find) {
                viewer->findField()->setText("line 50000");
                QVERIFY(viewer->FindNext());
                QVERIFY(viewer->textComplete());
            }
            QTRY_VERIFY(viewer->textComplete());
            QCOMPARE(viewer->textBox()->toPlainText(), expected);
        }
    }

    void rightToLeftLanguageTurnsTheTextAndMovesTheGridRight()
    {
        Opened ar("ar", m_settingsDir, m_projectDir);
        QVERIFY(ar.opened);
        QVERIFY(ar.session->catalogue.IsRightToLeft());
        auto text = Viewer(ar);
        std::string list = "a\r\n";
        QVERIFY(text->FirstTimeActivate(1, 90011L, list, "P"));
        QCOMPARE(text->textBox()->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(text->textBox()->document()->defaultTextOption().textDirection(), Qt::RightToLeft);

        auto grid = Viewer(ar);
        std::string none;
        QVERIFY(grid->FirstTimeActivate(2, 141L, none, "P"));
        const int edge = TwipsToPixels(100, grid->logicalDpiX());
        const QRect g = grid->grid()->geometry();
        QCOMPARE(g.x() + g.width(), grid->width() - edge);
        QVERIFY(g.x() > edge);
    }

    void noViewerWhenTheReadFailsOrIsCancelled()
    {
        const QString file = QString::fromStdString(m_projectDir) + "S.PH6";
        struct Case {
            const char* name;
            bool missing;
            bool cancel;
        };
        const Case cases[] = {{"missing file", true, false}, {"cancelled", false, true}};
        for (const Case& c : cases) {
            m_en->host.errors.clear();
            if (c.missing)
                QVERIFY(QFile::rename(file, file + ".away"));
            auto viewer = Viewer(*m_en);
            viewer->show();
            if (c.cancel)
                m_en->host.cancelIn = viewer.get();
            std::string none;
            const bool filled = viewer->FirstTimeActivate(2, 141L, none, "P");
            if (c.missing)
                QVERIFY(QFile::rename(file + ".away", file));
            QVERIFY2(!filled, c.name);
            QVERIFY(!viewer->grid()->isVisible() && !viewer->textBox()->isVisible());
            QVERIFY(viewer->tag().isEmpty());
            QVERIFY(!viewer->model());
            if (c.missing) {
                QCOMPARE(m_en->host.errors.size(), std::size_t(1));
                QVERIFY2(
                    m_en->host.errors[0].find("S.PH6") != std::string::npos, m_en->host.errors[0].c_str());
            } else {
                QVERIFY(m_en->host.errors.empty());
                QCOMPARE(m_en->session->tools.RunState(), int(RunCancelled));
            }
        }
        m_en->host.cancelIn = nullptr;
    }

    void placementIsSavedOnCloseAndRestoredByTheNextViewer()
    {
        QMdiArea area;
        area.resize(1000, 800);
        area.show();
        auto open = [&]() {
            ViewerContext context;
            context.project = m_en->project.get();
            context.settings = m_settings.get();
            context.settingsDirectory = m_settingsDir;
            auto* viewer = new frmViList(context);
            QMdiSubWindow* window = area.addSubWindow(viewer);
            viewer->RestorePlacement();
            window->show();
            std::string none;
            return viewer->FirstTimeActivate(2, 141L, none, "P") ? viewer : nullptr;
        };
        frmViList* first = open();
        QVERIFY(first);
        const QRect placed(37, 41, 520, 330);
        first->parentWidget()->setGeometry(placed);
        QSignalSpy closing(first, &frmViList::closing);
        QVERIFY(first->parentWidget()->close());
        QCOMPARE(closing.size(), 1);
        QCOMPARE(closing.front().front().toString(), first->tag());

        SettingsStore stored(ApplicationSettingsPath(m_settingsDir));
        QVERIFY(stored.Load());
        QVERIFY(stored.Find(kListSettingsSection, "Width").has_value());
        frmViList* second = open();
        QVERIFY(second);
        // Twips round to whole pixels both ways.
        const QRect restored = second->parentWidget()->geometry();
        QVERIFY2((restored.topLeft() - placed.topLeft()).manhattanLength() <= 2, "position");
        QVERIFY2(std::abs(restored.width() - placed.width()) <= 1
                && std::abs(restored.height() - placed.height()) <= 1,
            "size");
    }

    void iconFilesHoldBothSizes()
    {
        for (const char* name : {"Table.ico", "TESKAText.ico"}) {
            QImageReader reader(QStringLiteral(TESKA_SOURCE_DIR "/data/icons/") + name);
            QCOMPARE(reader.imageCount(), 2);
            QSet<int> sizes;
            do {
                const QImage image = reader.read();
                QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
                QCOMPARE(image.width(), image.height());
                // Transparent outside the symbol, opaque inside.
                QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
                QCOMPARE(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
                sizes.insert(image.width());
            } while (reader.jumpToNextImage());
            QCOMPARE(sizes, (QSet<int>{16, 32}));
        }
    }
};

QTEST_MAIN(ViewerTest)
#include "viewer_test.moc"
