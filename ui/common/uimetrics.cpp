// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/common/uimetrics.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPalette>
#include <QRawFont>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <cmath>

QFont designFont(double pointSize, bool bold)
{
    // The faces the pupil's language is drawn in (setUpPupilLanguage()). The
    // package depends on them, and the fit test measures in them. Another
    // sans-serif face is only a fallback, in which long captions and
    // five-digit numbers may not fit.
    QFont font(QGuiApplication::font().families(), -1);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    // Every attribute is set, so nothing is inherited from the container: a
    // frame's bold caption must not reach the controls inside it.
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

namespace {

// Whether the face of @p font itself, without borrowing, draws every
// character of @p text that is drawn at all (direction marks are not).
bool drawsAll(const QFont &font, const QString &text)
{
    const QRawFont face = QRawFont::fromFont(font);
    const QList<uint> characters = text.toUcs4();
    return std::all_of(characters.cbegin(), characters.cend(), [&](uint c) {
        return QChar::category(c) == QChar::Other_Format || face.supportsCharacter(c);
    });
}

} // namespace

QFont designFontFor(double pointSize, const QString &shown, bool bold)
{
    // A face that lacks a character borrows it from another the machine has,
    // found by a search through all of them, and the boxes were measured for
    // Liberation Sans's digits.
    QFont font = designFont(pointSize, bold);
    if (drawsAll(font, shown))
        return font;
    QFont latin = font;
    latin.setFamilies({QStringLiteral("Liberation Sans")});
    return drawsAll(latin, shown) ? latin : font;
}

QFont fittedFont(QFont font, const QString &text, int room, double smallest, double step)
{
    const double size = font.pointSizeF();
    const int width = QFontMetrics(font).horizontalAdvance(text);
    if (width <= room || size <= smallest)
        return font;
    // A text widens almost in proportion to its size, and each size tried
    // loads the face anew: go straight to the step at or below the size that
    // should just fit, then on down while hinting still leaves it too wide.
    const double steps = std::min(std::ceil((size - size * room / width) / step),
                                  std::ceil((size - smallest) / step));
    font.setPointSizeF(size - steps * step);
    while (font.pointSizeF() > smallest && QFontMetrics(font).horizontalAdvance(text) > room)
        font.setPointSizeF(font.pointSizeF() - step);
    return font;
}

namespace {

double relativeLuminance(const QColor &color)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void setFixedColours(QWidget *widget, const QColor &text, const QColor &background)
{
    // A fixed background needs a fixed text colour: the theme's own text
    // colour may be white (a dark theme) and vanish on white. Black reads on
    // white (21:1) and on pure red (5.3:1); disabled text is a dark grey
    // where that still reads (7:1 on white), else the text colour.
    const bool textBox = widget->inherits("QLineEdit");
    const QPalette::ColorRole foreground = textBox ? QPalette::Text : QPalette::WindowText;
    const QPalette::ColorRole ground = textBox ? QPalette::Base : QPalette::Window;
    QPalette palette = widget->palette();
    palette.setColor(foreground, text);
    if (background.isValid()) {
        const QColor disabledGrey(89, 89, 89);
        palette.setColor(ground, background);
        palette.setColor(QPalette::Disabled, foreground,
                         contrastRatio(disabledGrey, background) >= readableContrast ? disabledGrey
                                                                                     : text);
        // A label paints its ground only when asked to; a text box always does.
        if (!textBox)
            widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

QRect visualGeometry(const QWidget *parent, const QRect &geometry)
{
    return parent ? QStyle::visualRect(parent->layoutDirection(), parent->rect(), geometry)
                  : geometry;
}
