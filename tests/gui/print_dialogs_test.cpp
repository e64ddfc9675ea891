// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The print options dialog and the page format dialog, offscreen: what OK
// accepts and refuses with which message, the spin buttons against those
// limits, the frames of the editor and cover-page runs, the options stored
// for the next dialog, and the page layout file written and not written.

#include <memory>

#include "gui_fixture_test.h"
#include "lists/Session.h"
#include "lists/page/PageLayout.h"
#include "lists/page/PrintOptions.h"
#include "printing/DialogFields.h"
#include "printing/frmPageForm.h"
#include "printing/frmPlotPage.h"
#include "suite/SettingsStore.h"

using namespace teska;

namespace {

// A named child that the test cannot go on without.
template <class T> T* child(const QObject& parent, const QString& name)
{
    T* found = parent.findChild<T*>(name);
    if (!found)
        qFatal("no child named %s", qPrintable(name));
    return found;
}

// Clicks a button near its left edge, on the indicator of a check box or
// radio button, the way a user would.
void click(const QObject& dialog, const QString& name)
{
    auto* button = child<QAbstractButton>(dialog, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

// Presses the up (\p steps > 0) or down spin button of \p box |steps| times.
void spin(const QObject& dialog, QLineEdit* box, int steps)
{
    for (auto* buttons : dialog.findChildren<UpDownButtons*>()) {
        if (buttons->buddy() != box)
            continue;
        for (int i = 0; i < std::abs(steps); ++i)
            QTest::mouseClick(steps > 0 ? buttons->upButton() : buttons->downButton(), Qt::LeftButton);
    }
}

} // namespace

class PrintDialogsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    RecordingHost m_host;
    std::unique_ptr<Session> m_session;

    std::string dir() const { return m_dir->path().toStdString() + "/"; }
    std::string iniPath() const { return dir() + "TESKA-List.ini"; }
    QString layoutPath() const { return QString::fromStdString(dir() + PageLayoutFileName); }
    QString text(long id) const { return QString::fromStdString(m_session->catalogue.LookupText(id)); }
    // The store as the next dialog finds it: read back from its file.
    SettingsStore storedSettings() const
    {
        SettingsStore store(iniPath());
        store.Load();
        return store;
    }
    std::unique_ptr<frmPlotPage> plotPage(SettingsStore& store, int target = 3,
        std::vector<ListKey> lists = {ListKey(90054L)}, std::function<void(const QString&)> help = {})
    {
        auto dialog = std::make_unique<frmPlotPage>(*m_session, store, target, lists, help);
        dialog->show();
        return dialog;
    }
    // Exactly one warning, carrying the catalogue text \p id.
    void expectOneMessage(long id) const
    {
        QCOMPARE(m_host.warnings.size(), std::size_t(1));
        QVERIFY2(QString::fromStdString(m_host.warnings.front()).endsWith(": " + text(id)),
            m_host.warnings.front().c_str());
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_host = RecordingHost();
        // The shipped catalogue, strict: an unknown identifier throws.
        m_session = std::make_unique<Session>(
            m_host, SessionOptions{dir(), TESKA_SOURCE_DIR "/data/catalogue", "en", true});
    }

    // A run without page numbers ignores the page box, stores "NSeite" -1,
    // and the next dialog offers page 1 again; the check boxes and copies
    // come back as stored.
    void choicesStoredForTheNextDialog()
    {
        {
            SettingsStore store(iniPath());
            auto dialog = plotPage(store);
            child<QLineEdit>(*dialog, "TxtPageNo")->setText("0");
            click(*dialog, "OptPageNo(1)");
            QVERIFY(!child<QLineEdit>(*dialog, "TxtPageNo")->isEnabled());
            click(*dialog, "ChkFirma");
            child<QLineEdit>(*dialog, "txtCopyNo")->setText("4");
            click(*dialog, "CmdOK");
            QVERIFY(m_host.warnings.empty());
            QCOMPARE(dialog->result(), int(QDialog::Accepted));
            QCOMPARE(dialog->PageNumber(), NoPageNumbers);
            QVERIFY(!dialog->PrintCompanyHeader() && dialog->PrintJobData());
        }
        SettingsStore store = storedSettings();
        QCOMPARE(store.Value(PrintOptionsSection, "NSeite"), std::string("-1"));
        auto dialog = plotPage(store);
        QVERIFY(child<QRadioButton>(*dialog, "OptPageNo(1)")->isChecked());
        QCOMPARE(child<QLineEdit>(*dialog, "TxtPageNo")->text(), QString("1"));
        QVERIFY(!child<QCheckBox>(*dialog, "ChkFirma")->isChecked());
        QVERIFY(child<QCheckBox>(*dialog, "ChkAuftragsdaten")->isChecked());
        QCOMPARE(child<QLineEdit>(*dialog, "txtCopyNo")->text(), QString("4"));
        click(*dialog, "OptPageNo(0)");
        click(*dialog, "CmdOK");
        QCOMPARE(dialog->PageNumber(), 0);
        QCOMPARE(storedSettings().Value(PrintOptionsSection, "NSeite"), std::string("1"));
    }

    // A box typed and spun: what it shows, and whether OK takes it or
    // refuses it with its message (tests/data/gui/dialog_boxes.tsv).
    void boxesAgainstOk_data() { tableData("gui/dialog_boxes.tsv"); }
    void boxesAgainstOk()
    {
        QFETCH(QStringList, c);
        const QString box = c[1], shown = c[4];
        const int message = c[5].toInt();
        const qsizetype margin = QStringList({"TxtLR", "TxtRo", "TxtRu"}).indexOf(box);
        SettingsStore store(iniPath());
        PageLayout layout{5, 2, 2};
        std::unique_ptr<QDialog> dialog;
        if (margin < 0)
            dialog = plotPage(store);
        else
            dialog = std::make_unique<frmPageForm>(*m_session, layout, 60, 80, dir(), nullptr);
        dialog->show();
        auto* edit = child<QLineEdit>(*dialog, box);
        edit->setText(c[2]);
        spin(*dialog, edit, c[3].toInt());
        QCOMPARE(edit->text(), shown);
        click(*dialog, "CmdOK");
        const QList<int> applied{layout.LeftMargin, layout.TopMargin, layout.BottomMargin};
        if (message != 0) {
            expectOneMessage(message);
            QVERIFY(dialog->isVisible());
            QCOMPARE(dialog->focusWidget(), edit);
            if (margin < 0)
                QVERIFY(!QFile::exists(QString::fromStdString(iniPath())));
            else
                QCOMPARE(applied, QList<int>({5, 2, 2}));
            return;
        }
        QVERIFY(m_host.warnings.empty());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        const int value = shown.trimmed().toInt();
        if (margin >= 0) {
            QCOMPARE(applied[margin], value);
            QVERIFY(!QFile::exists(layoutPath()));
            return;
        }
        // The page number is kept as the number before the first page.
        const bool page = box == "TxtPageNo";
        auto* options = static_cast<frmPlotPage*>(dialog.get());
        QCOMPARE(page ? options->PageNumber() + 1 : options->CopyCount(), value);
        QCOMPARE(
            storedSettings().WholeValue(PrintOptionsSection, page ? "NSeite" : "NoCopy", -99), long(value));
    }

    // A settings file that cannot be written is reported; the options still
    // hold for this run.
    void unwritableSettingsAreReportedAndTheRunGoesOn()
    {
        QVERIFY(writeFile(QString::fromStdString(iniPath()), "[blocks the folder]\n"));
        SettingsStore store(iniPath() + "/TESKA-List.ini");
        auto dialog = plotPage(store);
        child<QLineEdit>(*dialog, "txtCopyNo")->setText("2");
        click(*dialog, "CmdOK");
        QCOMPARE(m_host.errors.size(), std::size_t(1));
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->CopyCount(), 2);
    }

    // Which frames a run shows, and the captions of the editor runs
    // (tests/data/gui/dialog_frames.tsv).
    void framesAndCaptionsOfTheTarget_data() { tableData("gui/dialog_frames.tsv"); }
    void framesAndCaptionsOfTheTarget()
    {
        QFETCH(QStringList, c);
        std::vector<ListKey> lists;
        for (const QString& key : c[2].split(' '))
            lists.emplace_back(key.toLong());
        const QString frames = c[3];
        const QStringList captions = c[4].split(' ');
        SettingsStore store(iniPath());
        auto full = plotPage(store);
        auto dialog = plotPage(store, c[1].toInt(), lists);
        QString shown;
        for (auto [name, letter] : {std::pair{"FrmPageNo", 'P'}, {"FrmCopyNo", 'C'}, {"FrmPageHead", 'H'}})
            if (child<QGroupBox>(*dialog, name)->isVisible())
                shown += letter;
        QCOMPARE(shown, frames);
        QCOMPARE(dialog->windowTitle(), text(captions[0].toLong()));
        QCOMPARE(child<QCheckBox>(*dialog, "ChkAuftragsdaten")->text(), text(captions[1].toLong()));
        QCOMPARE(child<QCheckBox>(*dialog, "ChkFirma")->text(), text(captions[2].toLong()));
        // Hidden frames leave no gap, and OK still closes the dialog.
        QCOMPARE(dialog->height() < full->height(), frames != "PCH");
        click(*dialog, "CmdOK");
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
    }

    // The help button and F1 open the dialog's topic. Save writes what the
    // boxes hold, unchecked, keeps the dialog open and applies the values,
    // which Cancel keeps.
    void helpAndSaveInTheDialogs()
    {
        QStringList topics;
        auto help = [&topics](const QString& topic) { topics << topic; };
        SettingsStore store(iniPath());
        auto options = plotPage(store, 3, {ListKey(90054L)}, help);
        click(*options, "cmdHelp");
        QTest::keyClick(child<QLineEdit>(*options, "txtCopyNo"), Qt::Key_F1);
        PageLayout layout;
        frmPageForm format(*m_session, layout, 60, 80, dir(), help);
        format.show();
        click(format, "cmdHelp");
        QTest::keyClick(child<QLineEdit>(format, "TxtRu"), Qt::Key_F1);
        QCOMPARE(topics, QStringList({"6_2_1", "6_2_1", "7_1", "7_1"}));

        child<QLineEdit>(format, "TxtLR")->setText("9");
        child<QLineEdit>(format, "TxtRo")->setText("0");
        child<QLineEdit>(format, "TxtRu")->setText("70");
        click(format, "cmdSave");
        QVERIFY(format.isVisible());
        QVERIFY(m_host.errors.empty());
        QCOMPARE(fileText(layoutPath()), QString("9\r\n0\r\n70\r\n"));
        click(format, "CmdCancel");
        QCOMPARE(
            QList<int>({layout.LeftMargin, layout.TopMargin, layout.BottomMargin}), QList<int>({9, 0, 70}));
    }

    // Enter walks left, top, bottom margin, then OK, which a fourth Enter
    // presses.
    void enterMovesThroughTheMargins()
    {
        PageLayout layout;
        frmPageForm format(*m_session, layout, 60, 80, dir(), {});
        format.show();
        QVERIFY(QTest::qWaitForWindowActive(&format));
        QStringList path;
        for (int i = 0; i < 4; ++i) {
            path << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QCOMPARE(path, QStringList({"TxtLR", "TxtRo", "TxtRu", "CmdOK"}));
        QCOMPARE(format.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(PrintDialogsTest)
#include "print_dialogs_test.moc"
