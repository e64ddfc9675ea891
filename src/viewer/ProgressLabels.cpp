// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/ProgressLabels.h"

#include <QLabel>
#include <QPushButton>

#include "project/ListFile.h"
#include "suite/Twips.h"

namespace teska {

ProgressControls CreateProgressControls(QWidget* window, const QString& buttonText, bool fixedSize)
{
    ProgressControls c{
        window, new QLabel(window), new QLabel(window), new QPushButton(buttonText, window), fixedSize};
    c.headline->setObjectName("LblFlashing");
    c.message->setObjectName("LblInfText");
    for (QLabel* label : {c.headline, c.message}) {
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->hide();
    }
    c.button->setObjectName("CmdOK");
    c.button->setAutoDefault(false);
    c.button->hide();
    return c;
}

QString ProgressLabelText(const std::string& text)
{
    QString q = QString::fromStdString(text);
    q.replace("\r\n", "\n");
    q.replace('\r', '\n');
    return q.trimmed();
}

void ShowProgressLabels(const ProgressControls& c, const std::string& headline, const std::string& message)
{
    c.headline->setText(ProgressLabelText(headline));
    c.message->setText(ProgressLabelText(message));
    c.headline->adjustSize();
    c.message->adjustSize();
    LayOutProgressLabels(c);
    c.headline->show();
    c.message->show();
    c.button->show();
}

void LayOutProgressLabels(const ProgressControls& c)
{
    QWidget* window = c.window;
    const double dpi = window->logicalDpiX() > 0 ? window->logicalDpiX() : 96.0;
    auto twips = [dpi](int pixels) { return PixelsToTwips(pixels, dpi); };
    auto px = [dpi](int t) { return TwipsToPixels(t, dpi); };
    ProgressLayoutInput in;
    in.headlineWidth = twips(c.headline->width());
    in.headlineHeight = twips(c.headline->height());
    in.messageWidth = twips(c.message->width());
    in.messageHeight = twips(c.message->height());
    in.buttonHeight = twips(c.button->height());
    in.windowWidth = twips(window->width());
    in.windowHeight = twips(window->height());
    in.windowMaximised = c.fixedSize || window->isMaximized();
    const ProgressLayout out = LayOutProgressWindow(in);
    if (!c.fixedSize && (px(out.windowWidth) != window->width() || px(out.windowHeight) != window->height()))
        window->resize(std::max(window->width(), px(out.windowWidth)), px(out.windowHeight));
    c.headline->move(px(out.headlineLeft), px(out.headlineTop));
    c.message->move(px(out.messageLeft), px(out.messageTop));
    c.button->move(px(out.buttonLeft), px(out.buttonTop));
}

} // namespace teska
