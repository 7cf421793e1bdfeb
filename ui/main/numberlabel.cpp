// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numberlabel.h"

#include "quiz/numbertext.h"
#include "ui/common/uimetrics.h"

#include <QFontMetrics>

NumberLabel::NumberLabel(const QFont &font, const QString &role, QWidget *parent)
    : QLabel(parent), m_font(font)
{
    setFont(font);
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAccessibleDescription(role);
    setFixedColours(this, Qt::black, Qt::white);
}

void NumberLabel::setNumber(double value)
{
    const QString text = wholeNumberText(value);
    // Half an x clear of the border on either side.
    QFont font = m_font;
    const double smallest = m_font.pointSizeF() * 3 / 4;
    const auto room = [&] {
        return contentsRect().width() - QFontMetrics(font).horizontalAdvance(QLatin1Char('x')) / 2;
    };
    while (font.pointSizeF() > smallest && QFontMetrics(font).horizontalAdvance(text) > room())
        font.setPointSizeF(font.pointSizeF() - 0.5);
    setFont(font);
    setText(text);
}
