// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optionkeys.h"

namespace {

struct OptionEntry
{
    const char *name;
    const char *defaultText;
};

// In the order of OptionKey.
constexpr OptionEntry optionTable[] = {
    {"chkOpt0", "1"},          {"chkOpt1", "0"},  {"chkOpt2", "0"},  {"chkOpt3", "0"},
    {"chkAllowNegative", "0"}, {"chkScore", "1"}, {"txtMax0", "10"}, {"txtMax1", "10"},
    {"txtMax2", "10"},         {"txtMax3", "10"},
};
static_assert(std::size(optionTable) == allOptionKeys.size());

} // namespace

OptionKey checkKey(Operation op)
{
    return static_cast<OptionKey>(static_cast<int>(OptionKey::chkOpt0) + indexOf(op));
}

OptionKey largestNumberKey(Operation op)
{
    return static_cast<OptionKey>(static_cast<int>(OptionKey::txtMax0) + indexOf(op));
}

QString keyName(OptionKey key)
{
    return QLatin1String(optionTable[static_cast<std::size_t>(key)].name);
}

QString defaultText(OptionKey key)
{
    return QLatin1String(optionTable[static_cast<std::size_t>(key)].defaultText);
}

QString optionsGroup()
{
    return QStringLiteral("Options");
}
