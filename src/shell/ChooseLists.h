// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The choice of lists for one run: a single-choice dialog for viewing
// (output targets 1 and 2) and a multiple-choice dialog with check boxes for
// printing and the text editor (3 to 6), over the lists the current project
// offers, in offered order. Both dialogs carry the title, prompt and help
// topic of their target and are driven from the keyboard: type-ahead,
// Enter, Escape, Space to toggle a check box.

#include <functional>
#include <vector>

#include "lists/choice/ListKey.h"
#include "printing/HelpDialog.h"

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace teska {

struct ListProject;

class ListChoiceDialog : public HelpDialog {
    Q_OBJECT

public:
    ListChoiceDialog(const QString& title, const QString& prompt, const QStringList& captions, bool multiple,
        const QString& helpTopic, std::function<void(const QString&)> showHelp, QWidget* parent = nullptr);

    QListWidget* list() const { return m_list; }
    bool multiple() const { return m_multiple; }
    // The chosen rows in offered order: the checked ones, or the current row.
    std::vector<int> chosenRows() const;
    // The message shown when a check box would exceed the limit of a run.
    QLabel* message() const { return m_message; }
    void setLimitText(const QString& text) { m_limitText = text; }

private:
    void itemChanged(QListWidgetItem* item);

    QListWidget* m_list = nullptr;
    QLabel* m_message = nullptr;
    QString m_limitText;
    bool m_multiple = false;
};

// Lets the user choose the lists of \p outputTarget: for 1 and 2 one list
// into \p CurrentListKey, for 3 to 6 up to 18 into \p ChosenLists. Returns
// 0 when lists were chosen, -1 otherwise (no project, the offer could not
// be built — reported, naming the file —, or the dialog was cancelled).
short ChooseLists(QWidget* parent, ListProject& project, int outputTarget, ListKey& CurrentListKey,
    std::vector<ListKey>& ChosenLists, const std::function<void(const QString&)>& showHelp);

} // namespace teska
