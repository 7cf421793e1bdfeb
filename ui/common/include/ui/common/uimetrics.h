// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows' measures and look: twips to pixels, placing a control, the
// windows' font, and the fixed colours of text boxes and labels.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

/// 15 twips make a pixel at 96 dots per inch.
constexpr int twips(int twips)
{
    return (twips + 7) / 15;
}

/// A rectangle given in twips (left, top, width, height).
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}

/// The windows' faces (see designFamily()) at @p pointSize.
QFont designFont(double pointSize, bool bold = false);

/// designFont(), for a control that shows the characters of @p shown (a
/// sum's digits or signs, a web address): in Liberation Sans instead where
/// the language's face lacks one of them and Liberation Sans has them all
/// (Thai's face has no Latin letters or digits, Arabic's no plus or equals
/// sign).
QFont designFontFor(double pointSize, const QString &shown, bool bold = false);

/// @p font, set smaller in steps of @p step points while @p text is wider
/// than @p room pixels, down to the first size at or below @p smallest.
QFont fittedFont(QFont font, const QString &text, int room, double smallest, double step);

/// Gives a control colours of its own whatever the desktop theme: @p text,
/// on @p background when one is given. A text box (QLineEdit) takes them as
/// its text and base colours, any other control as its window text and
/// window colours. Disabled text is a dark grey where that reads on the
/// background, else @p text.
void setFixedColours(QWidget *widget, const QColor &text, const QColor &background = QColor());

/// The contrast ratio of two colours, from 1 to 21, by their relative
/// luminance as the web accessibility guidelines define it.
double contrastRatio(const QColor &a, const QColor &b);

/// The least contrast ratio at which text reads on its background.
inline constexpr double readableContrast = 4.5;

/// @p geometry, given as in a left-to-right window, as it lies in @p parent:
/// mirrored within it when the parent reads right to left. The parent has
/// its final width already.
QRect visualGeometry(const QWidget *parent, const QRect &geometry);

/// Names a control (its objectName, which tests find it by), puts it at
/// @p geometry (see visualGeometry) and gives it @p font.
template <typename Widget>
Widget *place(Widget *widget, const QString &name, const QRect &geometry, const QFont &font)
{
    widget->setObjectName(name);
    widget->setGeometry(visualGeometry(widget->parentWidget(), geometry));
    widget->setFont(font);
    return widget;
}
