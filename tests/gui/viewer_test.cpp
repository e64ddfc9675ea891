// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The list viewer on a generated project: the grid over a real result table
// (model checks, headings, rows, copying), the text box (taking the text,
// finding in it, right-to-left), the viewer that must not appear, the
// stored placement and the exports.

#include <QtTest>
#include <QtWidgets>
#include <cmath>
#include <memory>
#include <zlib.h>

#include "gui_fixture_test.h"
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

    // The status bar and error calls, in order, while steps is set.
    QStringList* steps = nullptr;
    void record(const std::string& step)
    {
        if (steps)
            *steps << QString::fromStdString(step);
    }
    void statusText(const std::string& text) override
    {
        RecordingHost::statusText(text);
        record("status " + text);
    }
    void fileNotice(const std::string&, int mode) override { record("mode " + std::to_string(mode)); }
    void clearFileNotice() override { record("clear"); }
    void reportError(const std::string& message) override
    {
        RecordingHost::reportError(message);
        record("error");
    }
};

bool Busy()
{
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}

// Member \p name of the zip archive \p path (written with sizes in its local
// header), inflated; empty when missing.
QByteArray ZipMember(const QString& path, const QByteArray& name)
{
    QFile file(path);
    const QByteArray zip = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const qsizetype header = zip.indexOf(name) - 30;
    if (header < 0 || !zip.mid(header).startsWith(QByteArray("PK\x03\x04", 4)))
        return {};
    const auto u32 = [&zip](qsizetype i) { return qFromLittleEndian<quint32>(zip.constData() + i); };
    QByteArray data = zip.mid(header + 30 + name.size(), u32(header + 18));
    QByteArray out(u32(header + 22), Qt::Uninitialized);
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
        return {};
    z.next_in = reinterpret_cast<Bytef*>(data.data());
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    const int result = inflate(&z, Z_FINISH);
    inflateEnd(&z);
    return result == Z_STREAM_END ? out : QByteArray();
}

// A session in \p language over the generated project.
struct Opened {
    Opened(const std::string& language, const std::string& settingsDirectory,
        const std::string& projectDirectory)
    {
        // The shipped catalogue, strict: an unknown identifier throws.
        session = std::make_unique<Session>(
            host, SessionOptions{settingsDirectory, TESKA_SOURCE_DIR "/data/catalogue", language, true});
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

    // What a viewer of \p o needs; exports go to \p exportDirectory.
    ViewerContext Context(Opened& o, const QString& exportDirectory = {})
    {
        ViewerContext context;
        context.project = o.project.get();
        context.settings = m_settings.get();
        context.settingsDirectory = m_settingsDir;
        context.exportDirectory = exportDirectory.toStdString();
        return context;
    }
    std::unique_ptr<frmViList> Viewer(Opened& o)
    {
        auto viewer = std::make_unique<frmViList>(Context(o));
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

    void gridsShowTheListCellForCellUnderThreeHeadingRows()
    {
        auto viewer = Grid(140L);
        QVERIFY(viewer);
        ResultGridModel* model = viewer->model();
        QVERIFY(model);
        QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        // Mode, title and tag: the list commands' test.
        QVERIFY(!ShownIn(viewer->findChild<QWidget*>("CmdOK"), viewer.get()));
        QVERIFY(viewer->grid()->verticalHeader()->isHidden());
        // The model shows the grid of the list (row number, mx, my, mxy and
        // the two principal moments of the nodes not all zero) cell for
        // cell, its three heading rows in one header, right-aligned values
        // in columns of at least 500 twips.
        const std::optional<ResultGrid> grid = ResultGrid::Read(*m_en->project, 140L);
        QVERIFY(grid);
        QCOMPARE(model->columnCount(), 6);
        QCOMPARE(model->rowCount(), grid->RowCount());
        for (int c = 0; c < 6; ++c) {
            QCOMPARE(model->headerData(c, Qt::Horizontal).toString(),
                QString::fromStdString(
                    grid->Heading(0, c) + "\n" + grid->Heading(1, c) + "\n" + grid->Heading(2, c)));
            QVERIFY(c == 0 || viewer->grid()->columnWidth(c) >= TwipsToPixels(500, viewer->logicalDpiX()));
            for (int r = 0; r < model->rowCount(); ++r)
                QCOMPARE(Cell(*model, r, c), QString::fromStdString(grid->CellText(r + 1, c)));
        }
        QCOMPARE(model->data(model->index(0, 1), Qt::TextAlignmentRole).value<Qt::Alignment>()
                & Qt::AlignHorizontal_Mask,
            Qt::AlignRight | Qt::AlignAbsolute);

        // A coefficient grid is headed 1 to n, its key the window's title.
        const std::string key = m_en->session->catalogue.LookupText(140177) + " [Ce]";
        auto coefficients = Grid(key);
        QVERIFY(coefficients);
        model = coefficients->model();
        QAbstractItemModelTester coefficientTester(
            model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model->columnCount(), static_cast<int>(m_sample.NodeCount()) + 1);
        for (int c = 1; c < model->columnCount(); ++c)
            QCOMPARE(model->headerData(c, Qt::Horizontal).toString().split('\n').front(), QString::number(c));
        QCOMPARE(coefficients->windowTitle(), QString::fromStdString(key));
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
            {"a cell beside a taller range", {{m.index(0, 1), m.index(2, 1)}, {m.index(1, 2), m.index(1, 2)}},
                Cell(m, 0, 1) + "\t\n" + Cell(m, 1, 1) + '\t' + Cell(m, 1, 2) + '\n' + Cell(m, 2, 1)
                    + "\t\n"},
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
        QPlainTextEdit* box = viewer->textBox();
        QCOMPARE(box->toPlainText(), QString("  Nodes\n  1  0.00  two\n  2  1.00  two\n"));
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(box->font().pointSize(), 8);
        QVERIFY(!box->font().bold() && !box->font().italic());
        QCOMPARE(box->layoutDirection(), Qt::LeftToRight);
        QVERIFY(ShownIn(box, viewer.get()) && !ShownIn(viewer->grid(), viewer.get()));
        QVERIFY(!viewer->windowIcon().isNull());
        // Inset 100 twips on every side.
        const int edge = TwipsToPixels(100, viewer->logicalDpiX());
        QCOMPARE(box->geometry(), QRect(edge, edge, viewer->width() - 2 * edge, viewer->height() - 2 * edge));

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
        // Runs that read left to right are isolated, so that "mx   my"
        // mirrors like the captions and -1.5 keeps its sign in front.
        std::string list = "  \xD8\xB1 b  mx   my -1.5\r\n";
        QVERIFY(text->FirstTimeActivate(1, 90011L, list, "P"));
        QCOMPARE(text->textBox()->layoutDirection(), Qt::RightToLeft);
        const QTextOption option = text->textBox()->document()->defaultTextOption();
        QCOMPARE(option.textDirection(), Qt::RightToLeft);
        QCOMPARE(option.alignment(), Qt::AlignRight | Qt::AlignAbsolute);
        QCOMPARE(text->textBox()->toPlainText(),
            QString::fromUtf8("  \xD8\xB1 b  \u2066mx\u2069   \u2066my -1.5\u2069\n"));

        auto grid = Viewer(ar);
        std::string none;
        QVERIFY(grid->FirstTimeActivate(2, 141L, none, "P"));
        const int edge = TwipsToPixels(100, grid->logicalDpiX());
        const QRect g = grid->grid()->geometry();
        QCOMPARE(g.x() + g.width(), grid->width() - edge);
        QVERIFY(g.x() > edge);
    }

    // A cancelled read leaves no viewer (a missing file: the list commands'
    // test, through the main window).
    void noViewerWhenTheReadIsCancelled()
    {
        m_en->host.errors.clear();
        auto viewer = Viewer(*m_en);
        viewer->show();
        m_en->host.cancelIn = viewer.get();
        std::string none;
        QVERIFY(!viewer->FirstTimeActivate(2, 141L, none, "P"));
        m_en->host.cancelIn = nullptr;
        QVERIFY(!viewer->grid()->isVisible() && !viewer->textBox()->isVisible());
        QVERIFY(viewer->tag().isEmpty() && !viewer->model());
        QVERIFY(m_en->host.errors.empty());
        QCOMPARE(m_en->session->tools.RunState(), int(RunCancelled));
    }

    void placementIsSavedOnCloseAndRestoredByTheNextViewer()
    {
        QMdiArea area;
        area.resize(1000, 800);
        area.show();
        auto open = [&]() {
            auto* viewer = new frmViList(Context(*m_en));
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

    // Link_OLE in its order: busy pointer, "Update_File" (group mode), the
    // status text with the caption and mode 0, the file written and opened,
    // the status cleared, the pointer back. A target that does not fit the
    // viewer only shows and clears the status text.
    void exportRunsItsStepsInOrder()
    {
        QTemporaryDir folder;
        for (const QStringList& row : tableRows("gui/export_steps.tsv")) {
            const struct {
                QString name;
                bool grid, group;
                long linkedObj;
                QString steps;
            } c{row[0], row[1] == "1", row[2] == "1", row[3].toLong(), row[4]};
            QStringList steps;
            ViewerContext context = Context(*m_en, folder.path() + "/");
            context.startedByGroup = c.group;
            context.updateFile
                = [&](int program) { steps << QString("update %1").arg(program) + (Busy() ? " busy" : ""); };
            context.openDocument = [&](const QString& path) {
                steps << "open " + QFileInfo(path).suffix() + (Busy() ? " busy" : "");
                return true;
            };
            frmViList viewer(context);
            std::string text = "  Nodes\r\n  1  0.00\r\n";
            QVERIFY(viewer.FirstTimeActivate(
                c.grid ? 2 : 1, c.grid ? ListKey(140L) : ListKey(90011L), text, "P"));
            const QString shown = c.grid ? QString() : viewer.textBox()->toPlainText();
            const qsizetype before = QDir(folder.path()).entryList(QDir::Files).size();
            m_en->host.errors.clear();
            m_en->host.steps = &steps;
            viewer.Link_OLE(c.linkedObj);
            m_en->host.steps = nullptr;

            const QString status = QString::fromStdString(m_en->session->catalogue.LookupText(
                90109, {std::string("|1"), viewer.windowTitle().toStdString()}));
            const QStringList expected = c.steps.arg(status, c.grid ? "xlsx" : "odt").split('|');
            // The error report's tail frees the file slot, which clears
            // the file notice once more.
            while (steps.size() > expected.size() && steps.back() == "clear")
                steps.pop_back();
            QVERIFY2(steps == expected, qPrintable(c.name + ": " + steps.join(" | ")));
            QVERIFY2(!Busy() && m_en->host.errors.empty(), qPrintable(c.name));
            const bool writes = c.steps.contains("open");
            QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), before + (writes ? 1 : 0));
            QCOMPARE(viewer.lastExport().isEmpty(), !writes);
            if (!c.grid)
                QCOMPARE(viewer.textBox()->toPlainText(), shown);
        }
    }

    // The document's paragraphs run right to left for a right-to-left
    // catalogue, each holding one line of the viewer's text.
    void documentParagraphsFollowTheCatalogueDirection()
    {
        QTemporaryDir folder;
        for (const char* language : {"en", "ar"}) {
            Opened o(language, m_settingsDir, m_projectDir);
            QVERIFY(o.opened);
            ViewerContext context = Context(o, folder.path() + "/");
            context.openDocument = [](const QString&) { return true; };
            frmViList viewer(context);
            std::string text = "  Nodes\r\n  1  0.00  two\r\n  2  1.00  two\r\n";
            QVERIFY(viewer.FirstTimeActivate(1, 90011L, text, "P"));
            viewer.Link_OLE(0);
            QVERIFY2(o.host.errors.empty(), language);
            // One paragraph a line (their text: the batch tool's document
            // test), written right to left for Arabic only.
            const QByteArray content = ZipMember(viewer.lastExport(), "content.xml");
            QCOMPARE(content.count("<text:p "), 3);
            QVERIFY(!content.contains("\xE2\x81\xA6")); // no isolate of the box
            QCOMPARE(content.contains("style:writing-mode=\"rl-tb\""), QString(language) == "ar");
            QCOMPARE(content.contains("style:writing-mode=\"lr-tb\""), QString(language) == "en");
        }
    }

    // A folder that cannot take the file: one report naming the file,
    // nothing opened, the viewer as it was.
    void failedExportIsReportedOnceAndLeavesTheViewer()
    {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/missing/";
        ViewerContext context = Context(*m_en, folder);
        int opened = 0;
        context.openDocument = [&opened](const QString&) { return ++opened, true; };
        frmViList viewer(context);
        std::string text = "  Nodes\r\n  1  0.00\r\n";
        QVERIFY(viewer.FirstTimeActivate(1, 90011L, text, "S"));
        const QString shown = viewer.textBox()->toPlainText();
        m_en->host.errors.clear();
        viewer.Link_OLE(0);
        QCOMPARE(m_en->host.errors.size(), std::size_t(1));
        const std::string file = (folder + "S - " + viewer.windowTitle() + ".odt").toStdString();
        QVERIFY2(m_en->host.errors[0].find(file) != std::string::npos, m_en->host.errors[0].c_str());
        QCOMPARE(opened, 0);
        QVERIFY(viewer.lastExport().isEmpty());
        QCOMPARE(viewer.textBox()->toPlainText(), shown);
        QVERIFY(!Busy());
        QVERIFY(!QDir(folder).exists());
    }
};

QTEST_MAIN(ViewerTest)
#include "viewer_test.moc"
