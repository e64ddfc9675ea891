// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/DialogFields.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace teska {

long LeadingNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    qsizetype end = 0;
    if (end < trimmed.size() && (trimmed[end] == '-' || trimmed[end] == '+'))
        ++end;
    const qsizetype digitsFrom = end;
    while (end < trimmed.size() && trimmed[end].isDigit() && trimmed[end].unicode() < 128)
        ++end;
    if (end == digitsFrom)
        return 0;
    bool ok = false;
    const long value = trimmed.left(end).toLong(&ok);
    return ok ? value : 0;
}

std::optional<long> WholeNumberIn(const QString& text, long minimum, long maximum)
{
    bool ok = false;
    const long value = text.trimmed().toLong(&ok);
    if (!ok || value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

UpDownButtons::UpDownButtons(QLineEdit* buddy, QWidget* parent)
    : QWidget(parent)
    , m_buddy(buddy)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // Each button half as high as the text box, so that the pair lines up
    // with it like the arrows of a spin box.
    const int half = std::max(buddy->sizeHint().height() / 2, 8);
    auto makeButton = [this, layout, half](Qt::ArrowType arrow) {
        auto* button = new QToolButton(this);
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(half + 6, half);
        layout->addWidget(button);
        return button;
    };
    m_up = makeButton(Qt::UpArrow);
    m_up->setObjectName("Up");
    m_down = makeButton(Qt::DownArrow);
    m_down->setObjectName("Down");
    connect(m_up, &QToolButton::clicked, this, &UpDownButtons::up);
    connect(m_down, &QToolButton::clicked, this, &UpDownButtons::down);
    buddy->installEventFilter(this);
}

bool UpDownButtons::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_buddy && event->type() == QEvent::KeyPress && isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up) {
            Q_EMIT up();
            return true;
        }
        if (key == Qt::Key_Down) {
            Q_EMIT down();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace teska
