// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader reads of the program's push buttons.
#pragma once

#include <QAccessibleWidget>

class QPushButton;

/// A push button as a screen reader sees it: its name, the button role, its
/// states and the press action, as Qt's own, but with only the button's own
/// mnemonic for a key. Qt's gives the default button (the focused one, as
/// the buttons are auto-default) the key Enter, which Qt 6.8 hands on as the
/// key of the button's focus action and Orca 48 reads, after the name, as
/// the stray letter "r".
class ButtonAccessible : public QAccessibleWidget
{
public:
    explicit ButtonAccessible(QPushButton *button);

    /// Serves every QPushButton, message boxes' included (see
    /// QAccessible::installFactory).
    static QAccessibleInterface *create(const QString &className, QObject *object);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    QPushButton *button() const;
    QString mnemonic() const;
};
