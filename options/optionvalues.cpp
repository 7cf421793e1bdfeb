// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/optionvalues.h"

#include "quiz/numbertext.h"

#include <cmath>

namespace {

CheckValue storedCheckValue(SettingsStore &store, OptionKey key, const QLocale &locale)
{
    return checkValueFromText(store.read(key), locale)
        .value_or(checkValueFromText(defaultText(key), locale).value_or(CheckValue::Unticked));
}

} // namespace

bool OptionValues::ticked(Operation op) const
{
    return chkOpt[indexOf(op)] == CheckValue::Ticked;
}

OptionCheck OptionValues::check(const QLocale &locale) const
{
    OptionCheck outcome;
    PracticeChoice choice;
    bool anyTicked = false;
    for (Operation op : allOperations) {
        if (!ticked(op))
            continue;
        anyTicked = true;
        choice.largest[indexOf(op)] = largestNumber(txtMax[indexOf(op)], locale);
        if (!choice.largest[indexOf(op)])
            outcome.failingBoxes.append(op);
    }
    outcome.noSelection = !anyTicked;
    if (anyTicked && outcome.failingBoxes.isEmpty())
        outcome.choice = choice;
    return outcome;
}

OptionValues OptionValues::load(SettingsStore &store, const PupilLocale &pupil)
{
    OptionValues values;
    const QLocale &locale = pupil.locale();
    for (Operation op : allOperations) {
        values.chkOpt[indexOf(op)] = storedCheckValue(store, checkKeys[indexOf(op)], locale);
        values.txtMax[indexOf(op)] = pupil.withDigits(store.read(largestNumberKeys[indexOf(op)]));
    }
    values.chkAllowNegative = storedCheckValue(store, OptionKey::chkAllowNegative, locale);
    values.chkScore = storedCheckValue(store, OptionKey::chkScore, locale);
    return values;
}

bool OptionValues::save(SettingsStore &store, const PupilLocale &pupil) const
{
    for (Operation op : allOperations) {
        store.write(checkKeys[indexOf(op)], checkValueText(chkOpt[indexOf(op)]));
        store.write(largestNumberKeys[indexOf(op)], pupil.withAsciiDigits(txtMax[indexOf(op)]));
    }
    store.write(OptionKey::chkAllowNegative, checkValueText(chkAllowNegative));
    store.write(OptionKey::chkScore, checkValueText(chkScore));
    return store.commit();
}

std::optional<double> largestNumber(const QString &text, const QLocale &locale)
{
    const std::optional<double> whole = numberValue(text, locale);
    const auto inRange = [](double value) {
        return value >= smallestLargestNumber && value <= biggestLargestNumber;
    };
    if (!whole || !inRange(LeadingNumber(text)) || !inRange(*whole))
        return std::nullopt;
    return whole;
}

std::optional<CheckValue> checkValueFromText(const QString &text, const QLocale &locale)
{
    const std::optional<double> number = numberValue(text, locale);
    if (!number)
        return std::nullopt;
    // nearbyint rounds ties to even in the default rounding mode.
    const double rounded = std::nearbyint(*number);
    if (rounded < static_cast<int>(CheckValue::Unticked) ||
        rounded > static_cast<int>(CheckValue::Greyed))
        return std::nullopt;
    return static_cast<CheckValue>(rounded);
}

QString checkValueText(CheckValue value)
{
    return QString::number(static_cast<int>(value));
}
