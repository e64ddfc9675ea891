// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The menu tree and the dispatch of indexed keys.

#include <QTest>
#include <set>

#include "shell/MenuTable.h"

using namespace teska;

class MenuTableTest : public QObject {
    Q_OBJECT

    static const MenuEntry* find(const std::string& key)
    {
        for (const MenuEntry& e : MenuTable())
            if (e.Key == key)
                return &e;
        return nullptr;
    }

private Q_SLOTS:
    void imagesRunFromZeroToNineteenInOrder()
    {
        int next = 0;
        for (const MenuEntry& e : MenuTable())
            if (e.Image >= 0)
                QCOMPARE(e.Image, next++);
        QCOMPARE(next, 20);
        QCOMPARE(find("MnuFileOpen")->Image, 0);
        QCOMPARE(find("mnuFileExit")->Image, 4);
        QCOMPARE(find("mnuResultTextEditor")->Image, 10);
        QCOMPARE(find("MnuWindowArrange(0)")->Image, 13);
        QCOMPARE(find("MnuWindowArrange(2)")->Image, 15);
        QCOMPARE(find("MnuWindowArrange(3)")->Image, -1);
        QCOMPARE(find("mnuAbout")->Image, 19);
    }

    void keysAreUniqueAndParentsComeFirst()
    {
        std::set<std::string> seen;
        for (const MenuEntry& e : MenuTable()) {
            QVERIFY2(seen.insert(e.Key).second, e.Key.c_str());
            if (!e.Parent.empty())
                QVERIFY2(seen.count(e.Parent), e.Key.c_str());
        }
        QCOMPARE(find("mnuPageFormat")->Parent, std::string("mnuFormat"));
        QCOMPARE(find("MnuVeiwToolBar(4)")->Parent, std::string("mnu_Toolbar"));
        QVERIFY(find("MnuForms(9)"));
        QVERIFY(!find("MnuForms(10)"));
        QVERIFY(find("mnuHelpDash")->Separator);
    }

    void shortcutsAndCaptions()
    {
        QCOMPARE(find("MnuFileOpen")->Shortcut, std::string("Ctrl+O"));
        QCOMPARE(find("MnuFilePrinter")->Shortcut, std::string("Ctrl+P"));
        QCOMPARE(find("mnuFileExit")->Shortcut, std::string("Ctrl+Q"));
        QCOMPARE(find("mnuFileClose")->Shortcut, std::string());
        QCOMPARE(find("mnuPrintResult")->CaptionId, 90089L);
        QCOMPARE(find("mnuResetToolbar")->CaptionId, 69L);
        const TextArgs program{33L, std::string("|1"), 160024L};
        QVERIFY(find("mnuAbout")->CaptionArgs == program);
    }

    void indexedKeysByPrefix()
    {
        const IndexedClick recent = ParseIndexedKey("MnuRecentFile(3)");
        QCOMPARE(int(recent.Command), int(IndexedCommand::RecentFile));
        QCOMPARE(recent.Index, 3);
        QCOMPARE(int(ParseIndexedKey("MnuVeiwToolBar(0)").Command), int(IndexedCommand::ToggleBar));
        QCOMPARE(int(ParseIndexedKey("MnuWindowArrange(2)").Command), int(IndexedCommand::Arrange));
        const IndexedClick forms = ParseIndexedKey("MnuForms(12)");
        QCOMPARE(int(forms.Command), int(IndexedCommand::Forms));
        QCOMPARE(forms.Index, 12);
        // Keys without a whole number between parentheses do nothing.
        QCOMPARE(int(ParseIndexedKey("MnuForms(x)").Command), int(IndexedCommand::None));
        QCOMPARE(int(ParseIndexedKey("MnuForms(").Command), int(IndexedCommand::None));
        QCOMPARE(int(ParseIndexedKey("mnuFileOpen").Command), int(IndexedCommand::None));
        QCOMPARE(int(ParseIndexedKey("MnuWindow(1)").Command), int(IndexedCommand::None));
        QCOMPARE(IndexedKey("MnuForms(", 7), std::string("MnuForms(7)"));
    }
};

QTEST_MAIN(MenuTableTest)
#include "menu_table_test.moc"
