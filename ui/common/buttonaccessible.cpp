// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The accessible push buttons of the program.
#include "buttonaccessible.h"

#include <QKeySequence>
#include <QPushButton>

ButtonAccessible::ButtonAccessible(QPushButton *button)
    : QAccessibleWidget(button, QAccessible::Button)
{}

QAccessibleInterface *ButtonAccessible::create(const QString &className, QObject *object)
{
    if (className == QLatin1String(QPushButton::staticMetaObject.className()))
        return new ButtonAccessible(static_cast<QPushButton *>(object));
    return nullptr;
}

QPushButton *ButtonAccessible::button() const
{
    return static_cast<QPushButton *>(widget());
}

QString ButtonAccessible::mnemonic() const
{
    return QKeySequence::mnemonic(button()->text()).toString(QKeySequence::NativeText);
}

QString ButtonAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Name && button()->accessibleName().isEmpty())
        return QString(button()->text()).remove(QLatin1Char('&'));
    if (kind == QAccessible::Accelerator)
        return mnemonic();
    return QAccessibleWidget::text(kind);
}

QAccessible::State ButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.defaultButton = button()->isDefault();
    state.pressed = button()->isDown();
    return state;
}

QStringList ButtonAccessible::actionNames() const
{
    return QStringList(pressAction()) + QAccessibleWidget::actionNames();
}

void ButtonAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        button()->click();
    else
        QAccessibleWidget::doAction(actionName);
}

QStringList ButtonAccessible::keyBindingsForAction(const QString &actionName) const
{
    if (actionName == pressAction() && !mnemonic().isEmpty())
        return {mnemonic()};
    return {};
}
