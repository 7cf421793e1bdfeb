#include "uimetrics.h"

#include <QPalette>
#include <QWidget>

QFont designFont(double pointSize, bool bold)
{
    // Liberation Sans stands in for the classic Windows dialog face; it is
    // installed with the program's packages. Any sans-serif face will do
    // where it is missing.
    QFont font(QStringLiteral("Liberation Sans"));
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

void setBackColor(QWidget *box, const QColor &color)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, color);
    box->setPalette(palette);
}
