// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The accessible text of the program's line edits.
#include "lineeditaccessible.h"

#include "ui/common/limitedlineedit.h"

#include <QFontMetrics>
#include <QLineEdit>

LineEditAccessible::LineEditAccessible(QLineEdit *edit)
    : QAccessibleWidget(edit, QAccessible::EditableText)
{}

QAccessibleInterface *LineEditAccessible::create(const QString &className, QObject *object)
{
    if (className == QLatin1String(LimitedLineEdit::staticMetaObject.className()))
        return new LineEditAccessible(static_cast<QLineEdit *>(object));
    return nullptr;
}

QLineEdit *LineEditAccessible::edit() const
{
    return static_cast<QLineEdit *>(widget());
}

void *LineEditAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State LineEditAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !edit()->isReadOnly();
    state.readOnly = edit()->isReadOnly();
    state.selectableText = true;
    return state;
}

QString LineEditAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return edit()->text();
    return QAccessibleWidget::text(kind);
}

void LineEditAccessible::setText(QAccessible::Text kind, const QString &text)
{
    if (kind == QAccessible::Value)
        edit()->setText(text);
    else
        QAccessibleWidget::setText(kind, text);
}

void LineEditAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && edit()->hasSelectedText()) {
        *startOffset = edit()->selectionStart();
        *endOffset = edit()->selectionEnd();
    }
}

int LineEditAccessible::selectionCount() const
{
    return edit()->hasSelectedText() ? 1 : 0;
}

void LineEditAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void LineEditAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        edit()->deselect();
}

void LineEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        edit()->setSelection(startOffset, endOffset - startOffset);
}

int LineEditAccessible::cursorPosition() const
{
    return edit()->cursorPosition();
}

void LineEditAccessible::setCursorPosition(int position)
{
    edit()->setCursorPosition(position);
}

QString LineEditAccessible::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset)
        return {};
    return edit()->text().mid(startOffset, endOffset - startOffset);
}

int LineEditAccessible::characterCount() const
{
    return static_cast<int>(edit()->text().size());
}

QRect LineEditAccessible::characterRect(int offset) const
{
    // From the text's start as the box aligns it; near enough for review by
    // mouse.
    const QString text = edit()->text();
    const QFontMetrics metrics(edit()->font());
    const QRect box = edit()->contentsRect().marginsRemoved(edit()->textMargins());
    const int width = metrics.horizontalAdvance(text);
    int left = box.left();
    if (edit()->alignment() & Qt::AlignHCenter)
        left += (box.width() - width) / 2;
    else if (edit()->alignment() & Qt::AlignRight)
        left = box.right() - width;
    left += metrics.horizontalAdvance(text.left(offset));
    const int charWidth = metrics.horizontalAdvance(text.mid(offset, 1));
    const QRect rect(left, box.top(), charWidth, box.height());
    return QRect(edit()->mapToGlobal(rect.topLeft()), rect.size());
}

int LineEditAccessible::offsetAtPoint(const QPoint &point) const
{
    return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
}

void LineEditAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    edit()->setCursorPosition(endIndex);
    edit()->setCursorPosition(startIndex);
}

QString LineEditAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    // One run over the whole text, with no attributes of its own.
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void LineEditAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void LineEditAccessible::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

void LineEditAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    edit()->setText(edit()->text().replace(startOffset, endOffset - startOffset, text));
}
