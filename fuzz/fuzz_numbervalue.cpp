// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes IsNumber and numberValue in the locale the first input byte picks:
// a number is finite, keeps its value with blanks around it, agrees with
// LeadingNumber where the separator is the full stop, stops being a number
// with a letter added, and reads back from its whole-number display text.
#include "fuzzcheck.h"
#include "quiz/numbertext.h"

#include <QLocale>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The C locale stands for every locale whose decimal separator is the full stop.
    const QLocale locales[] = {QLocale::c(), QLocale(QLocale::German), QLocale(QLocale::French),
                               QLocale(QLocale::Arabic, QLocale::Egypt)};
    const QLocale &locale = locales[data[0] % 4];
    const QString text = fuzzText(data + 1, size - 1);
    const std::optional<double> value = numberValue(text, locale);
    FUZZ_CHECK(!IsNumber(text + QLatin1Char('x'), locale));
    if (!value)
        return 0;
    FUZZ_CHECK(std::isfinite(*value));
    const std::optional<double> padded = numberValue(" \t" + text + ' ', locale);
    FUZZ_CHECK(padded && sameValue(*padded, *value));
    if (locale.decimalPoint() == QLatin1String(".") || !text.contains(locale.decimalPoint()))
        FUZZ_CHECK(sameValue(LeadingNumber(text), *value));
    // A whole number written for display, in the locale's digits and minus
    // sign, reads back as itself.
    const double whole = std::nearbyint(*value);
    if (std::fabs(whole) <= 0x1p53)
        FUZZ_CHECK(numberValue(wholeNumberText(whole, PupilLocale(locale)), locale) == whole);
    return 0;
}
