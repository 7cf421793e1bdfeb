// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Turning the texts of the settings store into control values and back.
#pragma once

#include "optionkeys.h"
#include "settingsstore.h"

#include <QLocale>
#include <QString>
#include <array>
#include <optional>

/// The check-box Value a stored text stands for: the text read as one number
/// in @p locale, blanks around it allowed, rounded to the nearest whole
/// number with ties to even. Only 0, 1 and 2 (greyed) can be put into a
/// box; any other text gives nothing, and the caller uses the default.
std::optional<int> checkValueFromText(const QString &text,
                                      const QLocale &locale = QLocale::system());

/// The stored text of a check-box Value: "0", "1" or "2".
QString checkValueText(int value);

/// The ten options as the controls hold them.
struct StoredOptions
{
    std::array<int, operationCount> chkOpt{};
    int chkAllowNegative = 0;
    int chkScore = 0;
    std::array<QString, operationCount> txtMax;
};

/// Reads the ten keys in order. A check-box text that cannot be put into a
/// box takes that key's default; every other key loads as stored.
StoredOptions loadOptions(SettingsStore &store, const QLocale &locale = QLocale::system());

/// Writes all ten keys in order and commits them. False when the store could
/// not keep them.
bool saveOptions(SettingsStore &store, const StoredOptions &options);
