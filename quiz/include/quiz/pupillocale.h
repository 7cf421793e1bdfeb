// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pupil's locale: how numbers are read and written for the pupil, and
// how the pupil's schools set a sum out. The locale gives the decimal
// separator and the minus sign; the translation says in which direction a sum
// runs and in which digits it is written, or leaves both to the locale.
#pragma once

#include <QLocale>
#include <QString>

class PupilLocale
{
public:
    /// Numbers as @p locale writes them; sums as its schools are taken to
    /// write them (see fromLocale()).
    explicit PupilLocale(const QLocale &locale = QLocale::c());

    /// As above, with a translation's choices: @p direction "LTR" or "RTL",
    /// @p digits a numbering system ("latn", "arab", "arabext", "beng",
    /// "deva", "thai", ...). Any other text leaves that choice to the locale.
    PupilLocale(const QLocale &locale, const QString &direction, const QString &digits);

    /// @p locale with the choices of the installed translation (its texts
    /// "TALLYFOX_SUM_DIRECTION" and "TALLYFOX_SUM_DIGITS").
    static PupilLocale fromTranslation(const QLocale &locale);

    /// The pupil's locale of this run, set once at start-up with the
    /// language; until then, the system's locale.
    static const PupilLocale &current();
    static void setCurrent(const PupilLocale &pupil);

    /// The decimal separator and minus sign a pupil types and reads.
    const QLocale &locale() const { return m_locale; }

    /// The direction a sum reads in. Left to right unless the translation
    /// says otherwise or, left to the locale, the locale writes right to left
    /// in digits of its own (Arabic in Egypt and the Gulf).
    Qt::LayoutDirection sumDirection() const { return m_sumDirection; }

    /// The digit zero of the digits sums are written in; the other nine
    /// follow it in Unicode.
    char32_t zeroDigit() const { return m_zeroDigit; }

    /// @p plain with its ASCII digits in the pupil's digits, nothing else changed.
    QString withDigits(const QString &plain) const;

    /// @p shown with the pupil's digits back in ASCII, nothing else changed:
    /// what is saved reads the same under any language.
    QString withAsciiDigits(const QString &shown) const;

    /// @p plain with its ASCII digits in the pupil's digits and its
    /// hyphen-minus as the locale's minus sign.
    QString withDigitsAndSigns(const QString &plain) const;

    /// The per cent sign beside numbers in these digits: the Arabic one (٪)
    /// with Arabic-Indic and Persian digits, else "%".
    QString percentSign() const;

private:
    QLocale m_locale;
    Qt::LayoutDirection m_sumDirection = Qt::LeftToRight;
    char32_t m_zeroDigit = U'0';
};
