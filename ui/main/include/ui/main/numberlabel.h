// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A box showing one whole number of a sum: an operand or a right answer.
#pragma once

#include <QLabel>

/// A read-only number box: white, black text, a single black border. A number
/// in digits wider than the box was measured for (Bengali, say) is set in a
/// smaller size, down to three quarters of the box's own, so that it keeps
/// clear of the border.
class NumberLabel : public QLabel
{
    Q_OBJECT

public:
    /// A box in @p font, read by a screen reader as its number, described
    /// as @p role ("First number").
    NumberLabel(const QFont &font, const QString &role, QWidget *parent);

    /// Shows @p value in the pupil's digits.
    void setNumber(double value);

private:
    QFont m_font;
};
