#include "uimetrics.h"

#include <QPalette>
#include <QWidget>

QFont DesignFont(double pointSize, bool bold)
{
    // Liberation Sans stands in for the classic Windows dialog face; it is
    // installed with the program's packages. Any sans-serif face will do
    // where it is missing.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

void SetBackColor(QWidget *box, const QColor &color)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, color);
    box->setPalette(palette);
}
