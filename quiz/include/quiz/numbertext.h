// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The text rules shared by the whole program: reading the number at the
// start of a text, deciding whether a whole text is a number, and writing a
// whole number for display.
#pragma once

#include "quiz/pupillocale.h"

#include <QLocale>
#include <QString>
#include <optional>

/// The value of the number at the start of @p text: leading blanks skipped,
/// then an optional sign, digits with at most one full stop as the decimal
/// point (whatever the locale) and an optional exponent (E or e, then an
/// optionally signed whole number). The digits may be those of any script
/// ("١٢" is 12), the Arabic decimal separator (U+066B) serves as a decimal
/// point too, the minus sign (U+2212) as a sign, and direction marks before
/// the sign are passed over. Reading stops at the first character
/// that cannot continue the number; no number at the start gives 0.
/// Defined for every text: a value too large for a double gives plus or
/// minus infinity, one too small gives zero.
double LeadingNumber(const QString &text);

/// The value of @p text when the whole of it, apart from blanks around it,
/// is one number as @p locale writes it: an optional sign (+ or -), digits
/// with at most one of the locale's decimal separator, and an optional
/// exponent. Digits, signs and the Arabic decimal separator are read as
/// LeadingNumber() reads them, so that a text means the same in any locale
/// that reads it. Digit grouping, currency signs and signs after the digits are
/// not accepted, nor are values beyond the range of a double.
std::optional<double> numberValue(const QString &text,
                                  const QLocale &locale = PupilLocale::current().locale());

/// Whether numberValue() accepts the text.
bool IsNumber(const QString &text, const QLocale &locale = PupilLocale::current().locale());

/// A whole number in the pupil's digits, with the locale's minus sign when
/// negative and no blank, grouping or decimal part: 42, -7, 9999800001, or
/// ١٢ where sums are written in Arabic-Indic digits.
QString wholeNumberText(double value, const PupilLocale &pupil = PupilLocale::current());
