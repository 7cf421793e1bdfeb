// The ten saved options: their keys in the "Options" group, in the order
// they are read and written, and their defaults for a first run.
#pragma once

#include "quiz/operation.h"

#include <QString>
#include <array>

enum class OptionKind
{
    CheckBox, ///< stored as the decimal text of the box's Value
    Text,     ///< stored as the box's text, unchanged
};

struct OptionKey
{
    QString name;
    OptionKind kind;
    QString defaultText;
};

inline constexpr int optionKeyCount = 10;

/// "chkOpt0".."chkOpt3", "chkAllowNegative", "chkScore", "txtMax0".."txtMax3".
const std::array<OptionKey, optionKeyCount> &OptionKeys();

/// The settings group that holds the options.
QString OptionsGroup();
