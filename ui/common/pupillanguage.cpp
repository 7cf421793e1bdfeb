// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/common/pupillanguage.h"

#include "accessiblehandlers.h"
#include "foundation/translations.h"
#include "quiz/pupillocale.h"

#include <QFont>
#include <QGuiApplication>

QString faceForScript(QLocale::Script script)
{
    // The layout is measured in Liberation Sans, whose metrics reach Latin,
    // Greek, Cyrillic and Hebrew. Other scripts get a face made for them; the
    // UI cuts keep their letters within the line height the boxes give Latin
    // ones, and the CJK face comes in each region's own glyph forms.
    switch (script) {
    case QLocale::ArabicScript:
        return QStringLiteral("Noto Sans Arabic UI");
    case QLocale::DevanagariScript:
        return QStringLiteral("Noto Sans Devanagari UI");
    case QLocale::BanglaScript:
        return QStringLiteral("Noto Sans Bengali UI");
    case QLocale::ThaiScript:
        return QStringLiteral("Noto Sans Thai UI");
    case QLocale::SimplifiedHanScript:
        return QStringLiteral("Noto Sans CJK SC");
    case QLocale::TraditionalHanScript:
        return QStringLiteral("Noto Sans CJK TC");
    case QLocale::JapaneseScript:
        return QStringLiteral("Noto Sans CJK JP");
    case QLocale::KoreanScript:
        return QStringLiteral("Noto Sans CJK KR");
    default:
        return QStringLiteral("Liberation Sans");
    }
}

std::optional<QLocale> setUpPupilLanguage(const QLocale &locale)
{
    std::optional<QLocale> language =
        installTranslations(*QCoreApplication::instance(), locale.uiLanguages());
    // The windows follow the program's own translation, whether or not Qt's
    // translation for that language is installed.
    const QLocale shown = language.value_or(QLocale::c());
    QGuiApplication::setLayoutDirection(language ? shown.textDirection() : Qt::LeftToRight);
    // One face draws the windows, and borrows from the machine's others what
    // it lacks (a Latin menu key, say). A face named after it would cost a
    // search through every installed face for each style and script at
    // start-up; the sums' digits and signs are looked after by designFontFor().
    QFont font = QGuiApplication::font();
    font.setFamilies({faceForScript(shown.script())});
    font.setStyleHint(QFont::SansSerif);
    QGuiApplication::setFont(font);
    PupilLocale::setCurrent(PupilLocale::fromTranslation(locale));
    installAccessibleHandlers();
    return language;
}

QString designFamily()
{
    return QGuiApplication::font().families().value(0, QStringLiteral("Liberation Sans"));
}
