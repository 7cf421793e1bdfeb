// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/optioncheckbox.h"

CheckValue OptionCheckBox::value() const
{
    switch (checkState()) {
    case Qt::Unchecked:
        return CheckValue::Unticked;
    case Qt::Checked:
        return CheckValue::Ticked;
    case Qt::PartiallyChecked:
        return CheckValue::Greyed;
    }
    return CheckValue::Unticked;
}

void OptionCheckBox::setValue(CheckValue value)
{
    switch (value) {
    case CheckValue::Unticked:
        setCheckState(Qt::Unchecked);
        break;
    case CheckValue::Ticked:
        setCheckState(Qt::Checked);
        break;
    case CheckValue::Greyed:
        setCheckState(Qt::PartiallyChecked);
        break;
    }
}

void OptionCheckBox::nextCheckState()
{
    const bool tick = checkState() != Qt::Checked;
    setTristate(false);
    setCheckState(tick ? Qt::Checked : Qt::Unchecked);
}
