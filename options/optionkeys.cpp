// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optionkeys.h"

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
    switch (key) {
    case OptionKey::chkOpt0:
        return QStringLiteral("chkOpt0");
    case OptionKey::chkOpt1:
        return QStringLiteral("chkOpt1");
    case OptionKey::chkOpt2:
        return QStringLiteral("chkOpt2");
    case OptionKey::chkOpt3:
        return QStringLiteral("chkOpt3");
    case OptionKey::chkAllowNegative:
        return QStringLiteral("chkAllowNegative");
    case OptionKey::chkScore:
        return QStringLiteral("chkScore");
    case OptionKey::txtMax0:
        return QStringLiteral("txtMax0");
    case OptionKey::txtMax1:
        return QStringLiteral("txtMax1");
    case OptionKey::txtMax2:
        return QStringLiteral("txtMax2");
    case OptionKey::txtMax3:
        return QStringLiteral("txtMax3");
    }
    return {};
}

QString defaultText(OptionKey key)
{
    switch (key) {
    case OptionKey::chkOpt0:
    case OptionKey::chkScore:
        return QStringLiteral("1");
    case OptionKey::chkOpt1:
    case OptionKey::chkOpt2:
    case OptionKey::chkOpt3:
    case OptionKey::chkAllowNegative:
        return QStringLiteral("0");
    case OptionKey::txtMax0:
    case OptionKey::txtMax1:
    case OptionKey::txtMax2:
    case OptionKey::txtMax3:
        return QStringLiteral("10");
    }
    return {};
}

QString optionsGroup()
{
    return QStringLiteral("Options");
}
