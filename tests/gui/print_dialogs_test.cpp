// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The print options dialog and the page format dialog, offscreen: what OK
// accepts and refuses with which message, the spin buttons against those
// limits, the frames of the editor and cover-page runs, the stored options
// across two dialogs, and the page layout file written and not written.

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "lists/Session.h"
#include "lists/page/PageLayout.h"
#include "lists/page/PrintOptions.h"
#include "printing/DialogFields.h"
#include "printing/frmPageForm.h"
#include "printing/frmPlotPage.h"
#include "suite/SettingsStore.h"

using namespace teska;

Q_DECLARE_METATYPE(std::vector<ListKey>)

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

// Presses one spin button of the buddy box \p box \p times times.
void spin(const QObject& dialog, const QString& spinName, const QString& direction, int times = 1)
{
    auto* buttons = child<UpDownButtons>(dialog, spinName);
    QToolButton* button = direction == "up" ? buttons->upButton() : buttons->downButton();
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(button, Qt::LeftButton);
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class PrintDialogsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    RecordingHost m_host;
    std::unique_ptr<Session> m_session;

    std::string dir() const { return m_dir->path().toStdString() + "/"; }
    std::string iniPath() const { return dir() + "TESKA-List.ini"; }
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
        SessionOptions options;
        options.settingsDirectory = dir();
        options.catalogueDirectory = TESKA_SOURCE_DIR "/data/catalogue";
        options.language = "en";
        options.strictCatalogue = true;
        m_session = std::make_unique<Session>(m_host, options);
    }

    // A run without page numbers is stored as "NSeite" -1 and the next
    // dialog offers page 1 again, still without numbers until chosen.
    void noPageNumbersStoredAndNextDialogShowsOne()
    {
        {
            SettingsStore store(iniPath());
            auto dialog = plotPage(store);
            QVERIFY(child<QRadioButton>(*dialog, "OptPageNo(0)")->isChecked());
            child<QLineEdit>(*dialog, "TxtPageNo")->setText("12");
            click(*dialog, "OptPageNo(1)");
            QVERIFY(!child<QLineEdit>(*dialog, "TxtPageNo")->isEnabled());
            click(*dialog, "CmdOK");
            QCOMPARE(dialog->result(), int(QDialog::Accepted));
            QCOMPARE(dialog->PageNumber(), NoPageNumbers);
        }
        SettingsStore store = storedSettings();
        QCOMPARE(store.Value(PrintOptionsSection, "NSeite"), std::string("-1"));
        auto dialog = plotPage(store);
        QVERIFY(child<QRadioButton>(*dialog, "OptPageNo(1)")->isChecked());
        QCOMPARE(child<QLineEdit>(*dialog, "TxtPageNo")->text(), QString("1"));
        click(*dialog, "OptPageNo(0)");
        QVERIFY(child<QLineEdit>(*dialog, "TxtPageNo")->isEnabled());
        click(*dialog, "CmdOK");
        QCOMPARE(dialog->PageNumber(), 0);
        QCOMPARE(storedSettings().Value(PrintOptionsSection, "NSeite"), std::string("1"));
    }

    // OK over typed or spun values: 1..32000 pass for both boxes, anything
    // else keeps the dialog open with the box's message and stores nothing.
    void okChecksPageNumberAndCopies_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("spinName");
        QTest::addColumn<QString>("direction");
        QTest::addColumn<QString>("shown"); // the box after the spin
        QTest::addColumn<int>("expected"); // PageNumber or CopyCount when accepted
        QTest::addColumn<int>("message");

        QTest::newRow("page 32000") << "TxtPageNo"
                                    << "32000"
                                    << ""
                                    << ""
                                    << "32000" << 31999 << 0;
        QTest::newRow("page with blanks") << "TxtPageNo"
                                          << " 7 "
                                          << ""
                                          << ""
                                          << " 7 " << 6 << 0;
        QTest::newRow("page 32001") << "TxtPageNo"
                                    << "32001"
                                    << ""
                                    << ""
                                    << "32001" << -1 << 90069;
        QTest::newRow("page 0") << "TxtPageNo"
                                << "0"
                                << ""
                                << ""
                                << "0" << -1 << 90069;
        QTest::newRow("page not a number") << "TxtPageNo"
                                           << "3a"
                                           << ""
                                           << ""
                                           << "3a" << -1 << 90069;
        QTest::newRow("page spun above 32000") << "TxtPageNo"
                                               << "31998"
                                               << "UpDown1"
                                               << "up"
                                               << "32001" << -1 << 90069;
        QTest::newRow("page spun down stops at 1") << "TxtPageNo"
                                                   << "2"
                                                   << "UpDown1"
                                                   << "down"
                                                   << "1" << 0 << 0;
        QTest::newRow("copies 32000") << "txtCopyNo"
                                      << "32000"
                                      << ""
                                      << ""
                                      << "32000" << 32000 << 0;
        QTest::newRow("copies 32001") << "txtCopyNo"
                                      << "32001"
                                      << ""
                                      << ""
                                      << "32001" << -1 << 90053;
        QTest::newRow("copies 0") << "txtCopyNo"
                                  << "0"
                                  << ""
                                  << ""
                                  << "0" << -1 << 90053;
        QTest::newRow("copies spun above 32000") << "txtCopyNo"
                                                 << "31998"
                                                 << "UpDnPrint"
                                                 << "up"
                                                 << "32001" << -1 << 90053;
        QTest::newRow("copies spun down stops at 1") << "txtCopyNo"
                                                     << "3"
                                                     << "UpDnPrint"
                                                     << "down"
                                                     << "1" << 1 << 0;
        QTest::newRow("copies spun down from 0 stays") << "txtCopyNo"
                                                       << "0"
                                                       << "UpDnPrint"
                                                       << "down"
                                                       << "0" << -1 << 90053;
    }
    void okChecksPageNumberAndCopies()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, spinName);
        QFETCH(QString, direction);
        QFETCH(QString, shown);
        QFETCH(int, expected);
        QFETCH(int, message);

        SettingsStore store(iniPath());
        auto dialog = plotPage(store);
        child<QLineEdit>(*dialog, box)->setText(typed);
        if (!spinName.isEmpty())
            spin(*dialog, spinName, direction, 3);
        QCOMPARE(child<QLineEdit>(*dialog, box)->text(), shown);
        click(*dialog, "CmdOK");
        if (message != 0) {
            expectOneMessage(message);
            QVERIFY(dialog->isVisible());
            QVERIFY(!QFile::exists(QString::fromStdString(iniPath())));
            return;
        }
        QVERIFY(m_host.warnings.empty());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        const int result = box == "TxtPageNo" ? dialog->PageNumber() : dialog->CopyCount();
        QCOMPARE(result, expected);
        const std::string key = box == "TxtPageNo" ? "NSeite" : "NoCopy";
        QCOMPARE(storedSettings().WholeValue(PrintOptionsSection, key, -99),
            long(box == "TxtPageNo" ? dialog->PageNumber() + 1 : dialog->CopyCount()));
    }

    // Without page numbers the page box is not checked at all.
    void unnumberedPagesIgnoreThePageBox()
    {
        SettingsStore store(iniPath());
        auto dialog = plotPage(store);
        child<QLineEdit>(*dialog, "TxtPageNo")->setText("0");
        click(*dialog, "OptPageNo(1)");
        click(*dialog, "CmdOK");
        QVERIFY(m_host.warnings.empty());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
    }

    // The check boxes and copies come back from the store; Cancel stores
    // nothing.
    void storedChoicesComeBackAndCancelKeepsThem()
    {
        {
            SettingsStore store(iniPath());
            auto dialog = plotPage(store);
            click(*dialog, "ChkFirma");
            child<QLineEdit>(*dialog, "txtCopyNo")->setText("4");
            click(*dialog, "CmdOK");
            QVERIFY(!dialog->PrintCompanyHeader());
            QVERIFY(dialog->PrintJobData());
        }
        const QByteArray before = readAll(QString::fromStdString(iniPath()));
        SettingsStore store = storedSettings();
        auto dialog = plotPage(store);
        QVERIFY(!child<QCheckBox>(*dialog, "ChkFirma")->isChecked());
        QVERIFY(child<QCheckBox>(*dialog, "ChkAuftragsdaten")->isChecked());
        QCOMPARE(child<QLineEdit>(*dialog, "txtCopyNo")->text(), QString("4"));
        click(*dialog, "ChkAuftragsdaten");
        click(*dialog, "CmdCancel");
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(readAll(QString::fromStdString(iniPath())), before);
    }

    // A settings file that cannot be written is reported; the options still
    // hold for this run.
    void unwritableSettingsAreReportedAndTheRunGoesOn()
    {
        SettingsStore store(dir() + "TESKA-List.ini/TESKA-List.ini");
        QFile blocker(QString::fromStdString(iniPath()));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        auto dialog = plotPage(store);
        child<QLineEdit>(*dialog, "txtCopyNo")->setText("2");
        click(*dialog, "CmdOK");
        QCOMPARE(m_host.errors.size(), std::size_t(1));
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->CopyCount(), 2);
    }

    // Which frames a run shows, and the captions of the editor runs.
    void framesAndCaptionsOfTheTarget_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<std::vector<ListKey>>("lists");
        QTest::addColumn<bool>("pageFrame");
        QTest::addColumn<bool>("copyFrame");
        QTest::addColumn<bool>("headFrame");
        QTest::addColumn<int>("title");
        QTest::addColumn<int>("jobData");
        QTest::addColumn<int>("company");

        const std::vector<ListKey> cover{ListKey(90045L)};
        const std::vector<ListKey> coverAndNodes{ListKey(90045L), ListKey(90054L)};
        QTest::newRow("print data") << 3 << coverAndNodes << true << true << true << 10 << 90171 << 90172;
        QTest::newRow("print results")
            << 4 << std::vector<ListKey>{ListKey(140L)} << true << true << true << 10 << 90171 << 90172;
        QTest::newRow("print the cover page only")
            << 3 << cover << false << true << false << 10 << 90171 << 90172;
        QTest::newRow("cover page not first") << 3 << std::vector<ListKey>{ListKey(90054L), ListKey(90045L)}
                                              << true << true << true << 10 << 90171 << 90172;
        QTest::newRow("editor results")
            << 5 << std::vector<ListKey>{ListKey(140L)} << true << false << true << 90173 << 90174 << 90175;
        QTest::newRow("editor data with the cover page only")
            << 6 << cover << true << false << true << 90173 << 90174 << 90175;
    }
    void framesAndCaptionsOfTheTarget()
    {
        QFETCH(int, target);
        QFETCH(std::vector<ListKey>, lists);
        QFETCH(bool, pageFrame);
        QFETCH(bool, copyFrame);
        QFETCH(bool, headFrame);
        QFETCH(int, title);
        QFETCH(int, jobData);
        QFETCH(int, company);

        SettingsStore store(iniPath());
        auto full = plotPage(store, 3, {ListKey(90054L)});
        auto dialog = plotPage(store, target, lists);
        QCOMPARE(child<QGroupBox>(*dialog, "FrmPageNo")->isVisible(), pageFrame);
        QCOMPARE(child<QGroupBox>(*dialog, "FrmCopyNo")->isVisible(), copyFrame);
        QCOMPARE(child<QGroupBox>(*dialog, "FrmPageHead")->isVisible(), headFrame);
        QCOMPARE(dialog->windowTitle(), text(title));
        QCOMPARE(child<QCheckBox>(*dialog, "ChkAuftragsdaten")->text(), text(jobData));
        QCOMPARE(child<QCheckBox>(*dialog, "ChkFirma")->text(), text(company));
        // Hidden frames leave no gap: the dialog is shorter by them.
        if (!(pageFrame && copyFrame && headFrame))
            QVERIFY(dialog->height() < full->height());
        else
            QCOMPARE(dialog->height(), full->height());
        // The buttons stay usable: OK still closes the dialog.
        click(*dialog, "CmdOK");
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
    }

    // The help button and F1 open the dialog's topic.
    void helpOpensTheTopic()
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
        QVERIFY(options->isVisible() && format.isVisible());
    }

    // A page layout file with two lines is refused as a whole: the dialog
    // shows the defaults.
    void twoLinePageLayoutShowsTheDefaults()
    {
        QFile file(QString::fromStdString(dir() + PageLayoutFileName));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("9\r\n7\r\n");
        file.close();
        PageLayout layout{1, 1, 1};
        FileServices services = m_session->services();
        LoadPageLayout(services, m_session->file, layout, dir());
        QCOMPARE(m_host.errors.size(), std::size_t(1));
        frmPageForm format(*m_session, layout, 60, 80, dir(), {});
        const QStringList shown{child<QLineEdit>(format, "TxtLR")->text(),
            child<QLineEdit>(format, "TxtRo")->text(), child<QLineEdit>(format, "TxtRu")->text()};
        QCOMPARE(shown, QStringList({"5", "2", "2"}));
        QCOMPARE(child<QLabel>(format, "lbMaxZeilenProSeite")->text(), QString("60"));
        QCOMPARE(child<QLabel>(format, "lbMaxCharacterProZeile")->text(), QString("80"));
    }

    // The margin spin buttons against what OK accepts, on a page of 60
    // lines of 80 characters: the spins reach 80 and 60, one beyond OK, and
    // the bottom margin spin stops at 1 while OK takes 0.
    void marginSpinsAndOk_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("direction");
        QTest::addColumn<int>("times");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("message"); // 0: OK accepts

        QTest::newRow("left up to the line width") << "TxtLR"
                                                   << "78"
                                                   << "up" << 5 << "80" << 90066;
        QTest::newRow("left one below the width") << "TxtLR"
                                                  << "78"
                                                  << "up" << 1 << "79" << 0;
        QTest::newRow("left down stops at 0") << "TxtLR"
                                              << "2"
                                              << "down" << 5 << "0" << 0;
        QTest::newRow("left far above is pulled down") << "TxtLR"
                                                       << "500"
                                                       << "up" << 1 << "80" << 90066;
        QTest::newRow("top up to the page length") << "TxtRo"
                                                   << "58"
                                                   << "up" << 5 << "60" << 90067;
        QTest::newRow("top down stops at 0") << "TxtRo"
                                             << "1"
                                             << "down" << 3 << "0" << 0;
        QTest::newRow("bottom up to the page length") << "TxtRu"
                                                      << "59"
                                                      << "up" << 2 << "60" << 90068;
        QTest::newRow("bottom down stops at 1") << "TxtRu"
                                                << "3"
                                                << "down" << 5 << "1" << 0;
        QTest::newRow("bottom below 1 is pulled up") << "TxtRu"
                                                     << "-4"
                                                     << "down" << 1 << "1" << 0;
        QTest::newRow("bottom 0 typed is accepted") << "TxtRu"
                                                    << "0"
                                                    << "" << 0 << "0" << 0;
        QTest::newRow("bottom typed negative") << "TxtRu"
                                               << "-1"
                                               << "" << 0 << "-1" << 90068;
        QTest::newRow("left not a number") << "TxtLR"
                                           << "4x"
                                           << "" << 0 << "4x" << 90066;
    }
    void marginSpinsAndOk()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, direction);
        QFETCH(int, times);
        QFETCH(QString, shown);
        QFETCH(int, message);

        const PageLayout before{5, 2, 2};
        PageLayout layout = before;
        frmPageForm format(*m_session, layout, 60, 80, dir(), {});
        format.show();
        child<QLineEdit>(format, box)->setText(typed);
        const QString spinName = box == "TxtLR" ? "UpDnMargin(3)"
            : box == "TxtRo"                    ? "UpDnMargin(4)"
                                                : "UpDnMargin(5)";
        if (times > 0)
            spin(format, spinName, direction, times);
        QCOMPARE(child<QLineEdit>(format, box)->text(), shown);
        click(format, "CmdOK");
        if (message != 0) {
            expectOneMessage(message);
            QVERIFY(format.isVisible());
            QCOMPARE(layout.LeftMargin, before.LeftMargin);
            QCOMPARE(layout.TopMargin, before.TopMargin);
            QCOMPARE(layout.BottomMargin, before.BottomMargin);
            return;
        }
        QVERIFY(m_host.warnings.empty());
        QCOMPARE(format.result(), int(QDialog::Accepted));
        const int applied = box == "TxtLR" ? layout.LeftMargin
            : box == "TxtRo"               ? layout.TopMargin
                                           : layout.BottomMargin;
        QCOMPARE(applied, shown.toInt());
        QVERIFY(!QFile::exists(QString::fromStdString(dir() + PageLayoutFileName)));
    }

    // OK stops at the first margin out of range, in the order left, top,
    // bottom, with that margin's message only.
    void okReportsTheFirstMarginOutOfRange()
    {
        PageLayout layout;
        frmPageForm format(*m_session, layout, 60, 80, dir(), {});
        format.show();
        child<QLineEdit>(format, "TxtRo")->setText("60");
        child<QLineEdit>(format, "TxtRu")->setText("99");
        click(format, "CmdOK");
        expectOneMessage(90067);
        QCOMPARE(format.focusWidget(), child<QLineEdit>(format, "TxtRo"));
    }

    // Enter walks left, top, bottom margin, then OK, without closing.
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
        // The fourth Enter pressed OK.
        QCOMPARE(format.result(), int(QDialog::Accepted));
    }

    // Save writes what the boxes hold, unchecked, keeps the dialog open and
    // applies the values; the file loads back.
    void saveWritesTheFileAndStaysOpen()
    {
        PageLayout layout;
        frmPageForm format(*m_session, layout, 60, 80, dir(), {});
        format.show();
        child<QLineEdit>(format, "TxtLR")->setText("9");
        child<QLineEdit>(format, "TxtRo")->setText("0");
        child<QLineEdit>(format, "TxtRu")->setText("70");
        click(format, "cmdSave");
        QVERIFY(format.isVisible());
        QVERIFY(m_host.errors.empty());
        QCOMPARE(readAll(QString::fromStdString(dir() + PageLayoutFileName)), QByteArray("9\r\n0\r\n70\r\n"));
        click(format, "CmdCancel");
        QCOMPARE(layout.BottomMargin, std::int16_t(70));
        PageLayout loaded;
        FileServices services = m_session->services();
        LoadPageLayout(services, m_session->file, loaded, dir());
        QCOMPARE(loaded.LeftMargin, std::int16_t(9));
        QCOMPARE(loaded.TopMargin, std::int16_t(0));
        QCOMPARE(loaded.BottomMargin, std::int16_t(70));
    }

    // A save that cannot write (the folder is a file: here the old layout
    // file itself) is reported, and the old file is untouched.
    void failedSaveKeepsTheOldFileAndReports()
    {
        const QString old = QString::fromStdString(dir() + PageLayoutFileName);
        QFile file(old);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("3\r\n1\r\n4\r\n");
        file.close();
        PageLayout layout;
        frmPageForm format(*m_session, layout, 60, 80, old.toStdString() + "/", {});
        format.show();
        child<QLineEdit>(format, "TxtLR")->setText("8");
        QCOMPARE(format.save(), short(-1));
        QCOMPARE(m_host.errors.size(), std::size_t(1));
        QVERIFY(format.isVisible());
        QCOMPARE(readAll(old), QByteArray("3\r\n1\r\n4\r\n"));
        QCOMPARE(m_session->file.IsOpen(), false);
    }
};

QTEST_MAIN(PrintDialogsTest)
#include "print_dialogs_test.moc"
