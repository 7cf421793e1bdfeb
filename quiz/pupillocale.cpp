// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/pupillocale.h"

#include <QCoreApplication>
#include <QStringView>
#include <optional>

namespace {

// The numbering systems whose ten digits follow each other in Unicode, by
// their names in the Unicode locale data, with their zero.
struct NumberingSystem
{
    const char *name;
    char32_t zero;
};

constexpr NumberingSystem numberingSystems[] = {
    {"latn", U'0'},      {"arab", U'\u0660'},     {"arabext", U'\u06F0'}, {"beng", U'\u09E6'},
    {"deva", U'\u0966'}, {"gujr", U'\u0AE6'},     {"guru", U'\u0A66'},    {"knda", U'\u0CE6'},
    {"khmr", U'\u17E0'}, {"laoo", U'\u0ED0'},     {"mlym", U'\u0D66'},    {"mymr", U'\u1040'},
    {"orya", U'\u0B66'}, {"tamldec", U'\u0BE6'},  {"telu", U'\u0C66'},    {"thai", U'\u0E50'},
    {"tibt", U'\u0F20'}, {"fullwide", U'\uFF10'},
};

std::optional<char32_t> zeroOf(const QString &numberingSystem)
{
    for (const NumberingSystem &system : numberingSystems) {
        if (numberingSystem == QLatin1String(system.name))
            return system.zero;
    }
    return std::nullopt;
}

char32_t localeZero(const QLocale &locale)
{
    return static_cast<char32_t>(locale.zeroDigit().toUcs4().value(0, U'0'));
}

// Arabic pupils in Egypt and the Gulf write sums right to left, first number
// rightmost, in Arabic-Indic digits; where the locale writes Western digits
// (the Maghreb) and in Hebrew, sums run left to right.
Qt::LayoutDirection localeSumDirection(const QLocale &locale)
{
    return locale.textDirection() == Qt::RightToLeft && localeZero(locale) != U'0'
               ? Qt::RightToLeft
               : Qt::LeftToRight;
}

QString mapDigits(const QString &text, char32_t fromZero, char32_t toZero)
{
    if (fromZero == toZero)
        return text;
    QString mapped;
    mapped.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t code = text[i].unicode();
        qsizetype length = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(text[i], text[i + 1]);
            length = 2;
        }
        if (code >= fromZero && code <= fromZero + 9)
            mapped += QStringView(QChar::fromUcs4(toZero + (code - fromZero)));
        else
            mapped += QStringView(text).mid(i, length);
        i += length - 1;
    }
    return mapped;
}

PupilLocale &currentPupil()
{
    static PupilLocale pupil(QLocale::system());
    return pupil;
}

} // namespace

PupilLocale::PupilLocale(const QLocale &locale) : PupilLocale(locale, QString(), QString()) {}

PupilLocale::PupilLocale(const QLocale &locale, const QString &direction, const QString &digits)
    : m_locale(locale), m_sumDirection(localeSumDirection(locale)),
      m_zeroDigit(zeroOf(digits).value_or(localeZero(locale)))
{
    if (direction == QLatin1String("LTR"))
        m_sumDirection = Qt::LeftToRight;
    else if (direction == QLatin1String("RTL"))
        m_sumDirection = Qt::RightToLeft;
}

PupilLocale PupilLocale::fromTranslation(const QLocale &locale)
{
    //: How your schools set a sum out: translate as LTR where a written sum
    //: runs left to right (first number leftmost, as in Iran and Israel), as
    //: RTL where it runs right to left (first number rightmost, as in Egypt),
    //: or as LOCALE to follow the pupil's locale (right to left where it reads
    //: right to left and writes digits of its own)
    const QString direction = QCoreApplication::translate("PupilLocale", "TALLYFOX_SUM_DIRECTION");
    //: The digits your schools write sums in, as the Unicode locale data names
    //: numbering systems: latn (0123456789), arab (٠١٢٣٤٥٦٧٨٩), arabext
    //: (۰۱۲۳۴۵۶۷۸۹), beng, deva, thai, ...; or LOCALE for the digits of the
    //: pupil's locale (Arabic-Indic in Egypt, Western in Morocco)
    const QString digits = QCoreApplication::translate("PupilLocale", "TALLYFOX_SUM_DIGITS");
    return PupilLocale(locale, direction, digits);
}

const PupilLocale &PupilLocale::current()
{
    return currentPupil();
}

void PupilLocale::setCurrent(const PupilLocale &pupil)
{
    currentPupil() = pupil;
}

QString PupilLocale::withDigits(const QString &plain) const
{
    return mapDigits(plain, U'0', m_zeroDigit);
}

QString PupilLocale::withAsciiDigits(const QString &shown) const
{
    return mapDigits(shown, m_zeroDigit, U'0');
}

QString PupilLocale::withDigitsAndSigns(const QString &plain) const
{
    return withDigits(plain).replace(QLatin1Char('-'), m_locale.negativeSign());
}

QString PupilLocale::percentSign() const
{
    return m_zeroDigit == U'\u0660' || m_zeroDigit == U'\u06F0' ? QStringLiteral("\u066A")
                                                                : QStringLiteral("%");
}
