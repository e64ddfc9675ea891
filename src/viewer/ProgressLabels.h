// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The three progress controls that the list generation window and a viewer
// reading its grid both carry: the headline LblFlashing, the message
// LblInfText and the button CmdOK, laid out in twips around the labels'
// texts (see LayOutProgressWindow).

#include <string>

class QLabel;
class QPushButton;
class QString;
class QWidget;

namespace teska {

struct ProgressControls {
    QWidget* window = nullptr;
    QLabel* headline = nullptr; // LblFlashing
    QLabel* message = nullptr; // LblInfText
    QPushButton* button = nullptr; // CmdOK
    // A window of its own grows to hold the labels; a viewer in the MDI
    // area keeps its size.
    bool fixedSize = false;
};

// Makes the three controls in \p window, hidden until the first progress
// message; the button carries \p buttonText.
ProgressControls CreateProgressControls(QWidget* window, const QString& buttonText, bool fixedSize);

// A progress text as a label shows it: its carriage returns are line breaks.
QString ProgressLabelText(const std::string& text);

// Puts the two texts into the labels, sizes them to their text, lays the
// three controls out and shows them.
void ShowProgressLabels(
    const ProgressControls& controls, const std::string& headline, const std::string& message);

// Lays the controls out for their current texts: the labels and the button
// centred, the window widened and heightened when it is too small.
void LayOutProgressLabels(const ProgressControls& controls);

} // namespace teska
