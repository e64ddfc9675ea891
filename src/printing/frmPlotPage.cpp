// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/frmPlotPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

#include "lists/Session.h"
#include "lists/writer/ListState.h"
#include "printing/DialogFields.h"
#include "suite/Errors.h"
#include "suite/SettingsStore.h"

namespace teska {

namespace {

constexpr long CoverPageKey = 90045;
constexpr long PageNumberMessage = 90069;
constexpr long CopiesMessage = 90053;

bool IsEditorTarget(int outputTarget)
{
    return outputTarget == TargetEditorData || outputTarget == TargetEditorResults;
}

QLineEdit* numberBox(const char* name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAlignment(Qt::AlignRight);
    box->setMaxLength(10);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
    return box;
}

// The box's number clamped so that the spin rules can add and subtract 1.
int spinValue(const QLineEdit* box)
{
    return static_cast<int>(std::clamp<long>(LeadingNumber(box->text()), INT_MIN + 1, INT_MAX - 1));
}

} // namespace

bool PrintsCoverPageOnly(int outputTarget, const std::vector<ListKey>& chosenLists,
    const std::function<std::string(const ListKey&)>& caption)
{
    if (outputTarget != TargetPrintData || chosenLists.empty()
        || chosenLists.front() != ListKey(CoverPageKey))
        return false;
    return std::none_of(chosenLists.begin() + 1, chosenLists.end(),
        [&caption](const ListKey& key) { return !caption(key).empty(); });
}

frmPlotPage::frmPlotPage(Session& session, SettingsStore& settings, int outputTarget,
    const std::vector<ListKey>& chosenLists, std::function<void(const QString&)> showHelp, QWidget* parent)
    : HelpDialog(QString::fromLatin1(HelpTopic), std::move(showHelp), parent)
    , m_session(session)
    , m_settings(settings)
{
    const TextCatalogue& catalogue = session.catalogue;
    auto text = [&catalogue](long id, const TextArgs& args = {}) {
        return QString::fromStdString(catalogue.LookupText(id, args));
    };
    const bool editor = IsEditorTarget(outputTarget);
    setObjectName("frmPlotPage");
    setWindowTitle(text(editor ? 90173 : 10));
    if (catalogue.IsRightToLeft())
        setLayoutDirection(Qt::RightToLeft);

    // First page number, or none.
    m_pageFrame = new QGroupBox(text(PageNumberMessage), this);
    m_pageFrame->setObjectName("FrmPageNo");
    m_numbered = new QRadioButton(text(90169), m_pageFrame);
    m_numbered->setObjectName("OptPageNo(0)");
    m_unnumbered = new QRadioButton(text(90170), m_pageFrame);
    m_unnumbered->setObjectName("OptPageNo(1)");
    m_pageBox = numberBox("TxtPageNo", m_pageFrame);
    m_pageSpin = new UpDownButtons(m_pageBox, m_pageFrame);
    m_pageSpin->setObjectName("UpDown1");
    auto* pageGrid = new QGridLayout(m_pageFrame);
    pageGrid->addWidget(m_numbered, 0, 0);
    auto* pageField = new QHBoxLayout;
    pageField->setSpacing(1);
    pageField->addWidget(m_pageBox);
    pageField->addWidget(m_pageSpin);
    pageGrid->addLayout(pageField, 0, 1);
    pageGrid->addWidget(m_unnumbered, 1, 0, 1, 2);
    pageGrid->setColumnStretch(2, 1);

    // Copies.
    m_copyFrame = new QGroupBox(text(90052), this);
    m_copyFrame->setObjectName("FrmCopyNo");
    auto* copyLabel = new QLabel(text(CopiesMessage), m_copyFrame);
    copyLabel->setObjectName("Label1");
    m_copyBox = numberBox("txtCopyNo", m_copyFrame);
    copyLabel->setBuddy(m_copyBox);
    auto* copySpin = new UpDownButtons(m_copyBox, m_copyFrame);
    copySpin->setObjectName("UpDnPrint");
    auto* copyRow = new QHBoxLayout(m_copyFrame);
    copyRow->addWidget(copyLabel);
    copyRow->addSpacing(6);
    copyRow->setSpacing(1);
    copyRow->addWidget(m_copyBox);
    copyRow->addWidget(copySpin);
    copyRow->addStretch(1);

    // Page header.
    m_headFrame = new QGroupBox(text(90168), this);
    m_headFrame->setObjectName("FrmPageHead");
    m_jobData = new QCheckBox(text(editor ? 90174 : 90171), m_headFrame);
    m_jobData->setObjectName("ChkAuftragsdaten");
    m_company = new QCheckBox(text(editor ? 90175 : 90172), m_headFrame);
    m_company->setObjectName("ChkFirma");
    auto* headColumn = new QVBoxLayout(m_headFrame);
    headColumn->addWidget(m_jobData);
    headColumn->addWidget(m_company);

    auto* okButton = new QPushButton(text(6, {1L}), this);
    okButton->setObjectName("CmdOK");
    okButton->setDefault(true);
    auto* cancelButton = new QPushButton(text(7, {1L}), this);
    cancelButton->setObjectName("CmdCancel");
    auto* helpButton = new QPushButton(text(8, {1L}), this);
    helpButton->setObjectName("cmdHelp");
    helpButton->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    buttons->addWidget(helpButton);

    auto* column = new QVBoxLayout(this);
    column->addWidget(m_pageFrame);
    column->addWidget(m_copyFrame);
    column->addWidget(m_headFrame);
    column->addStretch(1);
    column->addSpacing(4);
    column->addLayout(buttons);

    connect(m_numbered, &QRadioButton::toggled, this, &frmPlotPage::showNumberingChoice);
    connect(m_pageSpin, &UpDownButtons::up, this, [this] { stepUp(m_pageBox); });
    connect(m_pageSpin, &UpDownButtons::down, this, [this] { stepDown(m_pageBox); });
    connect(copySpin, &UpDownButtons::up, this, [this] { stepUp(m_copyBox); });
    connect(copySpin, &UpDownButtons::down, this, [this] { stepDown(m_copyBox); });
    connect(okButton, &QPushButton::clicked, this, &frmPlotPage::ok);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, &HelpDialog::ShowHelp);

    // The stored choices.
    m_options = LoadPrintOptions(settings);
    m_pageNumber = PageNumberBeforeFirst(m_options.NumberPages, m_options.FirstPage);
    m_jobData->setChecked(m_options.PrintJobData);
    m_company->setChecked(m_options.PrintCompanyHeader);
    (m_options.NumberPages ? m_numbered : m_unnumbered)->setChecked(true);
    m_pageBox->setText(QString::number(m_options.FirstPage));
    m_copyBox->setText(QString::number(m_options.CopyCount));
    showNumberingChoice();

    // The text editor knows no copies; the cover page alone has neither
    // page numbers nor page headers.
    if (editor)
        m_copyFrame->hide();
    const auto caption = [&catalogue](const ListKey& key) {
        if (const long* id = std::get_if<long>(&key))
            return catalogue.LookupText(*id);
        return std::get<std::string>(key);
    };
    if (PrintsCoverPageOnly(outputTarget, chosenLists, caption)) {
        m_pageFrame->hide();
        m_headFrame->hide();
    }
    // Sized to what it shows: hidden frames leave no gap.
    adjustSize();
    okButton->setFocus();
}

void frmPlotPage::showNumberingChoice()
{
    const bool numbered = m_numbered->isChecked();
    m_pageBox->setEnabled(numbered);
    m_pageSpin->setEnabled(numbered);
}

void frmPlotPage::stepDown(QLineEdit* box)
{
    bool beep = false;
    const int value = SpinDown(spinValue(box), beep);
    if (beep)
        QApplication::beep();
    else
        box->setText(QString::number(value));
}

void frmPlotPage::stepUp(QLineEdit* box)
{
    box->setText(QString::number(SpinUp(spinValue(box))));
}

std::optional<int> frmPlotPage::checkedNumber(QLineEdit* box, long messageId)
{
    if (const auto value = WholeNumberIn(box->text(), PrintRangeMinimum, PrintRangeMaximum))
        return static_cast<int>(*value);
    m_session.host.warning(windowTitle().toStdString(), m_session.catalogue.LookupText(messageId));
    box->setFocus();
    box->selectAll();
    return std::nullopt;
}

void frmPlotPage::ok()
{
    const bool numbered = m_numbered->isChecked();
    int firstPage = m_options.FirstPage;
    if (numbered) {
        const auto page = checkedNumber(m_pageBox, PageNumberMessage);
        if (!page)
            return;
        firstPage = *page;
    }
    m_pageNumber = PageNumberBeforeFirst(numbered, firstPage);
    const auto copies = checkedNumber(m_copyBox, CopiesMessage);
    if (!copies)
        return;
    m_options.NumberPages = numbered;
    m_options.FirstPage = firstPage;
    m_options.CopyCount = *copies;
    m_options.PrintCompanyHeader = m_company->isChecked();
    m_options.PrintJobData = m_jobData->isChecked();
    SavePrintOptions(m_settings, m_options);
    try {
        m_settings.Save();
    } catch (const RuntimeError& error) {
        // The options hold for this run even when they could not be kept.
        m_session.host.reportError(error.what());
    }
    accept();
}

} // namespace teska
