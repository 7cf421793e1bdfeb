// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "limitedlineedit.h"

#include "lineeditaccessible.h"

#include <QAccessible>
#include <algorithm>

LimitedLineEdit::LimitedLineEdit(QWidget *parent) : QLineEdit(parent)
{
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(LineEditAccessible::create);
        return true;
    }();
    Q_UNUSED(accessibleInstalled);
    connect(this, &QLineEdit::textEdited, this, &LimitedLineEdit::fitLimitToText);
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
