// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/RightToLeftLine.h"

#include <QPainter>
#include <QString>
#include <QTextOption>

namespace teska {

namespace {

constexpr char32_t kLam = 0x0644;

bool IsAlef(char32_t c)
{
    return c == 0x0627 || c == 0x0625 || c == 0x0623 || c == 0x0622;
}

} // namespace

std::vector<RightToLeftRun> RightToLeftRuns(std::string_view line)
{
    std::vector<RightToLeftRun> runs;
    const QString text = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    const QList<uint> points = text.toUcs4();
    int cell = 0;
    int blanks = 0; // blanks in a row before the current character
    char32_t previous = 0;
    RightToLeftRun* open = nullptr;
    std::u32string pending; // the text of the open run
    const auto close = [&] {
        if (!open)
            return;
        open->Text = QString::fromUcs4(pending.data(), static_cast<qsizetype>(pending.size())).toStdString();
        pending.clear();
        open = nullptr;
    };
    for (const uint point : points) {
        const auto c = static_cast<char32_t>(point);
        const int width = c > 0xFFFF ? 2 : (previous == kLam && IsAlef(c) ? 0 : 1);
        previous = c;
        if (c == U' ') {
            ++blanks;
            if (blanks == 2)
                close();
            cell += width;
            continue;
        }
        if (!open) {
            runs.push_back({{}, cell, 0});
            open = &runs.back();
        } else if (blanks == 1) {
            pending.push_back(U' ');
        }
        blanks = 0;
        pending.push_back(c);
        open->Cells = cell + width - open->FirstCell;
        cell += width;
    }
    close();
    return runs;
}

void DrawRightToLeftLine(
    QPainter& painter, std::string_view line, double top, double width, double cellWidth, double lineHeight)
{
    QTextOption option(Qt::AlignRight | Qt::AlignAbsolute);
    option.setWrapMode(QTextOption::NoWrap);
    for (const RightToLeftRun& run : RightToLeftRuns(line)) {
        const double right = width - run.FirstCell * cellWidth;
        const double left = right - run.Cells * cellWidth;
        const QString text = QString::fromStdString(run.Text);
        // A run that starts with no right-to-left letter (a number, a unit,
        // a symbol) reads left to right, so "-35.6" and ".5" keep their sign
        // and point where they stand.
        option.setTextDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
        painter.drawText(QRectF(left, top, right - left, lineHeight), text, option);
    }
}

} // namespace teska
