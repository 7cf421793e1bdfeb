// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/numberlabel.h"

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
    // Half a digit clear of the border on either side (a digit of the
    // pupil's, which the face has: a letter it lacked would be looked for in
    // every other face).
    const int room =
        contentsRect().width() - QFontMetrics(m_font).horizontalAdvance(wholeNumberText(0)) / 2;
    setFont(fittedFont(m_font, text, room, m_font.pointSizeF() * 3 / 4, 0.5));
    setText(text);
}
