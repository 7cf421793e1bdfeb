// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "uilanguage.h"

#include <QGuiApplication>

namespace {

QLocale::Script &languageScript()
{
    static QLocale::Script script = QLocale::LatinScript;
    return script;
}

} // namespace

void useLanguage(const QLocale &language)
{
    QGuiApplication::setLayoutDirection(language.textDirection());
    languageScript() = language.script();
}

QString designFamily()
{
    // The layout is measured in Liberation Sans. Its metrics do not reach
    // Arabic, which gets a face made for it; the UI cut of Noto Sans Arabic
    // keeps its letters within the line height the boxes give Latin ones.
    return languageScript() == QLocale::ArabicScript ? QStringLiteral("Noto Sans Arabic UI")
                                                     : QStringLiteral("Liberation Sans");
}

Qt::LayoutDirection sumDirection(const QLocale &locale)
{
    return locale.textDirection() == Qt::RightToLeft && locale.zeroDigit() != QLatin1String("0")
               ? Qt::RightToLeft
               : Qt::LeftToRight;
}
