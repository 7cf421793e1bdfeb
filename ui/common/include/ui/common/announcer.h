// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Tells a screen reader something at once, wherever the focus is: a new sum,
// a verdict.
#pragma once

#include <QWidget>

/// Speaks through the screen reader without moving the focus or changing
/// what is on screen. Where Qt has no announcement event (before 6.8) it is
/// an invisible one-pixel child of the window with the notification role,
/// shown anew with each text: screen readers read a notification as it
/// appears, while a change of a control's name or description reaches them
/// there without its text. It takes no focus and no clicks.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *window);

    /// Has @p text spoken now; the same text again is spoken again.
    void announce(const QString &text);
};
