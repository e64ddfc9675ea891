// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ChooseLists.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "lists/Session.h"
#include "lists/choice/ListCandidates.h"
#include "lists/run/ListRequests.h"
#include "suite/Errors.h"

namespace teska {

ListChoiceDialog::ListChoiceDialog(const QString& title, const QString& prompt, const QStringList& captions,
    bool multiple, const QString& helpTopic, std::function<void(const QString&)> showHelp, QWidget* parent)
    : HelpDialog(helpTopic, std::move(showHelp), parent)
    , m_multiple(multiple)
{
    setObjectName(multiple ? "ListChoiceMultiple" : "ListChoiceSingle");
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(prompt, this);
    layout->addWidget(label);
    m_list = new QListWidget(this);
    m_list->setObjectName("LstLists");
    label->setBuddy(m_list);
    for (const QString& caption : captions) {
        auto* item = new QListWidgetItem(caption, m_list);
        if (multiple) {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        }
    }
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    layout->addWidget(m_list);
    m_message = new QLabel(this);
    m_message->setObjectName("LblMessage");
    m_message->setWordWrap(true);
    m_message->hide();
    layout->addWidget(m_message);
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, &HelpDialog::ShowHelp);
    if (multiple)
        connect(m_list, &QListWidget::itemChanged, this, &ListChoiceDialog::itemChanged);
    else
        connect(m_list, &QListWidget::itemActivated, this, &QDialog::accept);
    // Long captions: wide enough to read them without scrolling.
    m_list->setMinimumWidth(std::min(m_list->sizeHintForColumn(0) + 40, 700));
    // Tall enough to show a whole run's worth of lists without scrolling.
    const int rows = std::clamp(m_list->count(), 6, static_cast<int>(MaxChosenLists));
    m_list->setMinimumHeight(rows * std::max(m_list->sizeHintForRow(0), 1) + 2 * m_list->frameWidth() + 4);
    m_list->setFocus();
}

std::vector<int> ListChoiceDialog::chosenRows() const
{
    std::vector<int> rows;
    if (!m_multiple) {
        if (m_list->currentRow() >= 0)
            rows.push_back(m_list->currentRow());
        return rows;
    }
    for (int i = 0; i < m_list->count(); ++i)
        if (m_list->item(i)->checkState() == Qt::Checked)
            rows.push_back(i);
    return rows;
}

void ListChoiceDialog::itemChanged(QListWidgetItem* item)
{
    if (item->checkState() != Qt::Checked)
        return;
    if (chosenRows().size() <= MaxChosenLists)
        return;
    // One list too many for a run: the check is refused.
    const QSignalBlocker blocker(m_list);
    item->setCheckState(Qt::Unchecked);
    m_message->setText(m_limitText);
    m_message->show();
}

short ChooseLists(QWidget* parent, ListProject& project, int outputTarget, ListKey& CurrentListKey,
    std::vector<ListKey>& ChosenLists, const std::function<void(const QString&)>& showHelp)
{
    Session& session = project.session;
    if (project.project.AnalysisMethod == 0)
        return -1;
    std::vector<ListKey> offered;
    try {
        offered = OfferedLists(project, outputTarget);
    } catch (const RuntimeError& error) {
        session.host.reportError(error.what());
        return -1;
    }
    const ChoiceTexts texts = ChoiceTextsFor(outputTarget);
    QStringList captions;
    for (const ListKey& key : offered)
        captions << QString::fromStdString(ListCaption(project, key));
    const bool multiple = outputTarget >= 3;
    ListChoiceDialog dialog(QString::fromStdString(session.catalogue.LookupText(texts.Title)),
        QString::fromStdString(session.catalogue.LookupText(texts.Prompt)), captions, multiple,
        QString::fromLatin1(texts.HelpTopic), showHelp, parent);
    dialog.setLimitText(QString::fromStdString(
        session.catalogue.LookupText(170002, {std::string("|1"), std::to_string(MaxChosenLists)})));
    if (session.catalogue.IsRightToLeft())
        dialog.setLayoutDirection(Qt::RightToLeft);
    if (!multiple) {
        const auto found = std::find(offered.begin(), offered.end(), CurrentListKey);
        if (found != offered.end())
            dialog.list()->setCurrentRow(static_cast<int>(found - offered.begin()));
    }
    if (dialog.exec() != QDialog::Accepted)
        return -1;
    const std::vector<int> rows = dialog.chosenRows();
    if (rows.empty())
        return -1;
    if (!multiple) {
        CurrentListKey = offered[static_cast<std::size_t>(rows.front())];
        return 0;
    }
    ChosenLists.clear();
    for (int row : rows)
        ChosenLists.push_back(offered[static_cast<std::size_t>(row)]);
    return 0;
}

} // namespace teska
