// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/optionkeys.h"

namespace {

struct OptionEntry
{
    OptionKey key;
    const char *name;
    const char *defaultText;
};

constexpr OptionEntry optionTable[] = {
    {OptionKey::chkOpt0, "chkOpt0", "1"},
    {OptionKey::chkOpt1, "chkOpt1", "0"},
    {OptionKey::chkOpt2, "chkOpt2", "0"},
    {OptionKey::chkOpt3, "chkOpt3", "0"},
    {OptionKey::chkAllowNegative, "chkAllowNegative", "0"},
    {OptionKey::chkScore, "chkScore", "1"},
    {OptionKey::txtMax0, "txtMax0", "10"},
    {OptionKey::txtMax1, "txtMax1", "10"},
    {OptionKey::txtMax2, "txtMax2", "10"},
    {OptionKey::txtMax3, "txtMax3", "10"},
};

// A key's row is found at the key's value; the build fails if a row is out
// of place.
constexpr bool eachRowAtItsKey()
{
    for (std::size_t i = 0; i < std::size(optionTable); ++i) {
        if (static_cast<std::size_t>(optionTable[i].key) != i)
            return false;
    }
    return std::size(optionTable) == static_cast<std::size_t>(OptionKey::txtMax3) + 1;
}
static_assert(eachRowAtItsKey());

const OptionEntry &entry(OptionKey key)
{
    return optionTable[static_cast<std::size_t>(key)];
}

} // namespace

QString keyName(OptionKey key)
{
    return QLatin1String(entry(key).name);
}

QString defaultText(OptionKey key)
{
    return QLatin1String(entry(key).defaultText);
}

QString optionsGroup()
{
    return QStringLiteral("Options");
}
