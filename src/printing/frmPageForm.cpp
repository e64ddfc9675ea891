// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/frmPageForm.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdint>
#include <utility>

#include "lists/Session.h"
#include "printing/DialogFields.h"
#include "suite/CatalogueOptions.h"

namespace teska {

namespace {

constexpr long LeftMarginMessage = 90066;
constexpr long TopMarginMessage = 90067;
constexpr long BottomMarginMessage = 90068;

std::int16_t toInt16(long value)
{
    return static_cast<std::int16_t>(std::clamp<long>(value, INT16_MIN, INT16_MAX));
}

} // namespace

frmPageForm::frmPageForm(Session& session, PageLayout& layout, int linesPerPage, int charsPerLine,
    const std::string& settingsDirectory, std::function<void(const QString&)> showHelp, QWidget* parent)
    : HelpDialog(QString::fromLatin1(HelpTopic), std::move(showHelp), parent)
    , m_session(session)
    , m_layout(layout)
    , m_settingsDirectory(settingsDirectory)
{
    const TextCatalogue& catalogue = session.catalogue;
    auto text = [&catalogue](long id, const TextArgs& args = {}) {
        return QString::fromStdString(catalogue.LookupText(id, args));
    };
    setObjectName("frmPageForm");
    setWindowTitle(text(140166));
    if (catalogue.IsRightToLeft())
        setLayoutDirection(Qt::RightToLeft);

    // The page size of the printer, shown only.
    auto* sizeFrame = new QGroupBox(text(90059, {long{OptionStripColon}}), this);
    sizeFrame->setObjectName("FraALLPageSize");
    auto* sizeGrid = new QGridLayout(sizeFrame);
    auto addSize = [sizeFrame, sizeGrid, &text](
                       int row, const char* labelName, long captionId, const char* valueName, int value) {
        auto* label = new QLabel(text(captionId), sizeFrame);
        label->setObjectName(labelName);
        auto* shown = new QLabel(QString::number(value), sizeFrame);
        shown->setObjectName(valueName);
        shown->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        shown->setMinimumWidth(shown->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
        sizeGrid->addWidget(label, row, 0);
        sizeGrid->addWidget(shown, row, 1);
    };
    addSize(0, "PnlPageSizeHeight", 90176, "lbMaxZeilenProSeite", linesPerPage);
    addSize(1, "PnlPageSizeWidth", 90177, "lbMaxCharacterProZeile", charsPerLine);
    sizeGrid->setColumnStretch(0, 1);

    // The margins: caption, box with spin buttons, unit.
    auto* marginFrame = new QGroupBox(text(90178, {long{OptionStripColon}}), this);
    marginFrame->setObjectName("Frame1");
    auto* marginGrid = new QGridLayout(marginFrame);
    auto addMargin = [marginFrame, marginGrid, &text, this](int row, const char* captionName, long captionId,
                         const char* boxName, int spinIndex, const char* unitName, long unitId, int value) {
        auto* caption = new QLabel(text(captionId), marginFrame);
        caption->setObjectName(captionName);
        auto* box = new QLineEdit(QString::number(value), marginFrame);
        box->setObjectName(boxName);
        box->setAlignment(Qt::AlignRight);
        box->setMaxLength(6);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
        box->installEventFilter(this);
        caption->setBuddy(box);
        auto* spin = new UpDownButtons(box, marginFrame);
        spin->setObjectName(QStringLiteral("UpDnMargin(%1)").arg(spinIndex));
        auto* unit = new QLabel(text(unitId), marginFrame);
        unit->setObjectName(unitName);
        auto* field = new QHBoxLayout;
        field->setSpacing(1);
        field->addWidget(box);
        field->addWidget(spin);
        marginGrid->addWidget(caption, row, 0);
        marginGrid->addLayout(field, row, 1);
        marginGrid->addWidget(unit, row, 2);
        return spin;
    };
    auto* leftSpin
        = addMargin(0, "Label3", LeftMarginMessage, "TxtLR", 3, "Label6", 90180, layout.LeftMargin);
    auto* topSpin = addMargin(1, "Label4", TopMarginMessage, "TxtRo", 4, "Label2", 90179, layout.TopMargin);
    auto* bottomSpin
        = addMargin(2, "Label7", BottomMarginMessage, "TxtRu", 5, "Label5", 90179, layout.BottomMargin);
    marginGrid->setColumnStretch(0, 1);
    marginGrid->setColumnMinimumWidth(2, 60);

    // The spin buttons reach the page size itself, one more than OK takes;
    // the bottom margin keeps at least one free line.
    m_left = {leftSpin->buddy(), 0, charsPerLine, LeftMarginMessage};
    m_top = {topSpin->buddy(), 0, linesPerPage, TopMarginMessage};
    m_bottom = {bottomSpin->buddy(), 1, linesPerPage, BottomMarginMessage};
    const std::pair<UpDownButtons*, Margin*> spins[]
        = {{leftSpin, &m_left}, {topSpin, &m_top}, {bottomSpin, &m_bottom}};
    for (auto [spin, margin] : spins) {
        connect(spin, &UpDownButtons::up, this, [this, margin] { step(*margin, +1); });
        connect(spin, &UpDownButtons::down, this, [this, margin] { step(*margin, -1); });
    }

    m_okButton = new QPushButton(text(6, {1L}), this);
    m_okButton->setObjectName("CmdOK");
    m_okButton->setDefault(true);
    auto* cancelButton = new QPushButton(text(7, {1L}), this);
    cancelButton->setObjectName("CmdCancel");
    auto* saveButton = new QPushButton(text(111, {1L}), this);
    saveButton->setObjectName("cmdSave");
    auto* helpButton = new QPushButton(text(8, {1L}), this);
    helpButton->setObjectName("cmdHelp");
    for (QPushButton* button : {cancelButton, saveButton, helpButton})
        button->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(saveButton);
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addWidget(cancelButton);
    buttons->addWidget(helpButton);

    auto* column = new QVBoxLayout(this);
    column->addWidget(sizeFrame);
    column->addWidget(marginFrame);
    column->addStretch(1);
    column->addSpacing(4);
    column->addLayout(buttons);

    connect(m_okButton, &QPushButton::clicked, this, &frmPageForm::ok);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(saveButton, &QPushButton::clicked, this, &frmPageForm::save);
    connect(helpButton, &QPushButton::clicked, this, &HelpDialog::ShowHelp);
    adjustSize();
    m_left.box->setFocus();
    m_left.box->selectAll();
}

void frmPageForm::step(const Margin& margin, int delta)
{
    const long value = LeadingNumber(margin.box->text()) + delta;
    const long limited = std::clamp<long>(value, margin.spinFloor, margin.spinCeiling);
    if (limited != value)
        QApplication::beep();
    margin.box->setText(QString::number(limited));
}

std::optional<std::int16_t> frmPageForm::checked(const Margin& margin)
{
    if (const auto value = WholeNumberIn(margin.box->text(), 0, margin.spinCeiling - 1))
        return static_cast<std::int16_t>(*value);
    m_session.host.warning(windowTitle().toStdString(), m_session.catalogue.LookupText(margin.messageId));
    margin.box->setFocus();
    margin.box->selectAll();
    return std::nullopt;
}

PageLayout frmPageForm::boxValues() const
{
    PageLayout values;
    values.LeftMargin = toInt16(LeadingNumber(m_left.box->text()));
    values.TopMargin = toInt16(LeadingNumber(m_top.box->text()));
    values.BottomMargin = toInt16(LeadingNumber(m_bottom.box->text()));
    return values;
}

void frmPageForm::ok()
{
    PageLayout accepted;
    const std::pair<Margin*, std::int16_t*> fields[] = {
        {&m_left, &accepted.LeftMargin}, {&m_top, &accepted.TopMargin}, {&m_bottom, &accepted.BottomMargin}};
    for (auto [margin, field] : fields) {
        const auto value = checked(*margin);
        if (!value)
            return;
        *field = *value;
    }
    m_layout = accepted;
    accept();
}

short frmPageForm::save()
{
    m_layout = boxValues();
    FileServices services = m_session.services();
    return SavePageLayout(services, m_session.file, m_layout, m_settingsDirectory);
}

bool frmPageForm::eventFilter(QObject* watched, QEvent* event)
{
    // Enter walks the margin boxes down to OK instead of pressing it.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == m_left.box) {
                m_top.box->setFocus();
                return true;
            }
            if (watched == m_top.box) {
                m_bottom.box->setFocus();
                return true;
            }
            if (watched == m_bottom.box) {
                m_okButton->setFocus();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace teska
