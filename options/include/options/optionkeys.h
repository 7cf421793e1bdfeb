// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The ten saved options: their keys in the "Options" group and their
// defaults for a first run, looked up by the key.
#pragma once

#include "quiz/operation.h"

#include <QString>
#include <array>

enum class OptionKey
{
    chkOpt0,
    chkOpt1,
    chkOpt2,
    chkOpt3,
    chkAllowNegative,
    chkScore,
    txtMax0,
    txtMax1,
    txtMax2,
    txtMax3,
};

/// The key of each operation's check box, by operation.
inline constexpr std::array<OptionKey, operationCount> checkKeys = {
    OptionKey::chkOpt0, OptionKey::chkOpt1, OptionKey::chkOpt2, OptionKey::chkOpt3};

/// The key of each operation's largest-number box, by operation.
inline constexpr std::array<OptionKey, operationCount> largestNumberKeys = {
    OptionKey::txtMax0, OptionKey::txtMax1, OptionKey::txtMax2, OptionKey::txtMax3};

/// The key's name in the settings file, e.g. "chkAllowNegative".
QString keyName(OptionKey key);

/// The text a first run takes when the key is absent.
QString defaultText(OptionKey key);

/// The settings group that holds the options.
QString optionsGroup();
