// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A line edit whose length limit holds for what the user types or pastes
// only: a longer text set by the program is shown whole, and the user can
// shorten it but not lengthen it. A text in characters wider than the box
// was measured for (Bengali digits, say) is set smaller to stay in view.
#pragma once

#include <QLineEdit>

class LimitedLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit LimitedLineEdit(QWidget *parent = nullptr);

    /// The most characters the user can bring the text to by typing or pasting.
    void setUserMaxLength(int length);

    /// Sets the text from the program, never cut to the limit, with the
    /// cursor at its start so that a long text shows its beginning. Emits
    /// textChanged when the text differs, as any change does.
    void setProgramText(const QString &text);

    /// The box's font; a text too wide for the box at this size is set in a
    /// smaller one, down to three quarters of it.
    void setFittedFont(const QFont &font);

private:
    void fitFontToText();

    // QLineEdit cuts whatever exceeds maxLength, so maxLength follows the
    // longer of the user's limit and the text on show.
    void fitLimitToText();

    // Until a limit is set: QLineEdit's own default, which is no limit.
    static constexpr int noLimit = 32767;
    int m_userMaxLength = noLimit;
    QFont m_fittedFont;
    bool m_fitsFont = false;
};
