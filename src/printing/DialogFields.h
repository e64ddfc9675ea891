// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The number boxes of the print dialogs: a text box with a pair of small
// spin buttons beside it, the number a box holds, and the range check that
// OK applies to it. The text box takes any typing; the spin buttons and the
// range check decide what a value may be.

#include <QWidget>
#include <optional>

class QLineEdit;
class QToolButton;

namespace teska {

// The number of a box as the spin buttons read it: the whole number at the
// start of the text (blanks before it allowed), 0 when there is none.
long LeadingNumber(const QString& text);

// The number of a box as OK reads it: the text must be one whole number
// (blanks around it allowed) in \p minimum..\p maximum; nullopt otherwise.
std::optional<long> WholeNumberIn(const QString& text, long minimum, long maximum);

// Two stacked arrow buttons that step a buddy text box. They emit up() and
// down() and leave the stepping rules to the dialog; the Up and Down keys
// in the buddy press them too.
class UpDownButtons : public QWidget {
    Q_OBJECT

public:
    UpDownButtons(QLineEdit* buddy, QWidget* parent = nullptr);

    QLineEdit* buddy() const { return m_buddy; }
    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

Q_SIGNALS:
    void up();
    void down();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_buddy = nullptr;
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
};

} // namespace teska
