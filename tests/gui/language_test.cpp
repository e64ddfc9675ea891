// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The language of the window: "--lang" on the command line, and the Format
// menu's Language command, which stores the choice for the next start.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "shell/MDIList.h"
#include "shell/StartUp.h"

using namespace teska;

class LanguageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void languageOptionIsTakenOutOfTheCommandLine()
    {
        struct Case {
            std::vector<std::string> given, left;
            std::string language;
        };
        const Case cases[] = {
            {{"teska-list", "--lang", "ar", "A.PO1"}, {"teska-list", "A.PO1"}, "ar"},
            {{"teska-list", "A.PO1", "--lang=de"}, {"teska-list", "A.PO1"}, "de"},
            {{"teska-list", "A.PO1"}, {"teska-list", "A.PO1"}, ""},
            // Without its value the option is left for the path check.
            {{"teska-list", "--lang"}, {"teska-list", "--lang"}, ""},
        };
        for (Case c : cases) {
            QCOMPARE(TakeLanguageOption(c.given), c.language);
            QCOMPARE(c.given, c.left);
        }
    }

    // The option wins over TESKA_LANG; the command stores the choice in the
    // suite settings and says it applies at the next start, which then takes
    // it.
    void optionAndCommandChooseTheLanguage()
    {
        QTemporaryDir dir;
        const std::string settings = (dir.path() + "/").toStdString();
        qputenv("TESKA_LANG", "de");
        auto w = Main({"teska-list"}, settings, {}, "ar");
        QCOMPARE(w->session().catalogue.language(), std::string("ar"));
        QCOMPARE(QApplication::layoutDirection(), Qt::RightToLeft);
        w.reset();
        qunsetenv("TESKA_LANG");

        w = Main({"teska-list"}, settings);
        QString told;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QComboBox*>()->setCurrentText("Deutsch");
            dialog->accept();
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                told = box->text();
                box->accept();
            });
        });
        w->action("mnuLanguage")->trigger();
        QCOMPARE(told, QString("The language Deutsch is used from the next start of the program."));
        QCOMPARE(w->session().catalogue.language(), std::string("en"));
        w.reset();
        w = Main({"teska-list"}, settings);
        QCOMPARE(w->session().catalogue.language(), std::string("de"));
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
