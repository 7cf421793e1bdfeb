// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storedvalues.h"

#include "quiz/numbertext.h"

#include <cmath>

std::optional<int> checkValueFromText(const QString &text, const QLocale &locale)
{
    const std::optional<double> number = numberValue(text, locale);
    if (!number)
        return std::nullopt;
    // nearbyint rounds ties to even in the default rounding mode.
    const double rounded = std::nearbyint(*number);
    if (rounded < 0 || rounded > 2)
        return std::nullopt;
    return static_cast<int>(rounded);
}

QString checkValueText(int value)
{
    return QString::number(value);
}

namespace {

int checkValueFor(SettingsStore &store, OptionKey key, const QLocale &locale)
{
    const QString fallback = defaultText(key);
    if (const std::optional<int> value =
            checkValueFromText(store.read(keyName(key), fallback), locale))
        return *value;
    return checkValueFromText(fallback, locale).value_or(0);
}

} // namespace

StoredOptions loadOptions(SettingsStore &store, const QLocale &locale)
{
    StoredOptions options;
    for (Operation op : allOperations)
        options.chkOpt[static_cast<std::size_t>(indexOf(op))] =
            checkValueFor(store, checkKey(op), locale);
    options.chkAllowNegative = checkValueFor(store, OptionKey::chkAllowNegative, locale);
    options.chkScore = checkValueFor(store, OptionKey::chkScore, locale);
    for (Operation op : allOperations) {
        const OptionKey key = largestNumberKey(op);
        options.txtMax[static_cast<std::size_t>(indexOf(op))] =
            store.read(keyName(key), defaultText(key));
    }
    return options;
}

bool saveOptions(SettingsStore &store, const StoredOptions &options)
{
    for (Operation op : allOperations)
        store.write(keyName(checkKey(op)),
                    checkValueText(options.chkOpt[static_cast<std::size_t>(indexOf(op))]));
    store.write(keyName(OptionKey::chkAllowNegative), checkValueText(options.chkAllowNegative));
    store.write(keyName(OptionKey::chkScore), checkValueText(options.chkScore));
    for (Operation op : allOperations)
        store.write(keyName(largestNumberKey(op)),
                    options.txtMax[static_cast<std::size_t>(indexOf(op))]);
    return store.commit();
}
