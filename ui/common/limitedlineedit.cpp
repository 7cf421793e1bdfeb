// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/common/limitedlineedit.h"

#include "ui/common/uimetrics.h"

#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

LimitedLineEdit::LimitedLineEdit(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, &LimitedLineEdit::fitLimitToText);
    connect(this, &QLineEdit::textChanged, this, &LimitedLineEdit::fitFontToText);
}

void LimitedLineEdit::setFittedFont(const QFont &font)
{
    m_fittedFont = font;
    m_fitsFont = true;
    fitFontToText();
}

void LimitedLineEdit::fitFontToText()
{
    if (!m_fitsFont)
        return;
    // The room inside the frame, less the 2 pixels a side Qt keeps clear.
    QStyleOptionFrame frame;
    initStyleOption(&frame);
    const int room = style()->subElementRect(QStyle::SE_LineEditContents, &frame, this).width() - 4;
    const QFont font =
        fittedFont(m_fittedFont, text(), room, m_fittedFont.pointSizeF() * 3 / 4, 0.5);
    if (font != this->font())
        setFont(font);
}

void LimitedLineEdit::setUserMaxLength(int length)
{
    m_userMaxLength = std::max(0, length);
    fitLimitToText();
}

void LimitedLineEdit::setProgramText(const QString &text)
{
    if (text.size() > maxLength())
        setMaxLength(static_cast<int>(text.size()));
    setText(text);
    fitLimitToText();
    fitFontToText(); // also when the caller blocks the box's signals
    // A text longer than the box shows its beginning, not its end.
    setCursorPosition(0);
}

void LimitedLineEdit::fitLimitToText()
{
    const int wanted = std::max(m_userMaxLength, static_cast<int>(text().size()));
    if (wanted == maxLength())
        return;
    // Changing the limit resets the cursor; keep where the user was editing.
    const int cursor = cursorPosition();
    const int selectionStart = this->selectionStart();
    const int selectionLength = static_cast<int>(selectedText().size());
    setMaxLength(wanted);
    if (selectionStart >= 0 && selectionLength > 0)
        setSelection(selectionStart, selectionLength);
    else
        setCursorPosition(cursor);
}
