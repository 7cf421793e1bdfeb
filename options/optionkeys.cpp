#include "optionkeys.h"

const std::array<OptionKey, optionKeyCount> &OptionKeys()
{
    static const std::array<OptionKey, optionKeyCount> keys = {{
        {QStringLiteral("chkOpt0"), OptionKind::CheckBox, QStringLiteral("1")},
        {QStringLiteral("chkOpt1"), OptionKind::CheckBox, QStringLiteral("0")},
        {QStringLiteral("chkOpt2"), OptionKind::CheckBox, QStringLiteral("0")},
        {QStringLiteral("chkOpt3"), OptionKind::CheckBox, QStringLiteral("0")},
        {QStringLiteral("chkAllowNegative"), OptionKind::CheckBox, QStringLiteral("0")},
        {QStringLiteral("chkScore"), OptionKind::CheckBox, QStringLiteral("1")},
        {QStringLiteral("txtMax0"), OptionKind::Text, QStringLiteral("10")},
        {QStringLiteral("txtMax1"), OptionKind::Text, QStringLiteral("10")},
        {QStringLiteral("txtMax2"), OptionKind::Text, QStringLiteral("10")},
        {QStringLiteral("txtMax3"), OptionKind::Text, QStringLiteral("10")},
    }};
    return keys;
}

QString OptionsGroup()
{
    return QStringLiteral("Options");
}
