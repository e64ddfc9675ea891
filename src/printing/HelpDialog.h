// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A dialog with a help topic: F1, when nothing in the dialog takes it, and
// the dialog's Help button (connected to ShowHelp) show the topic through
// the program's help callback.

#include <QDialog>
#include <QString>
#include <functional>

namespace teska {

class HelpDialog : public QDialog {
    Q_OBJECT

public:
    HelpDialog(QString helpTopic, std::function<void(const QString&)> showHelp, QWidget* parent = nullptr);

    const QString& helpTopic() const { return m_helpTopic; }
    void ShowHelp() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString m_helpTopic;
    std::function<void(const QString&)> m_showHelp;
};

} // namespace teska
