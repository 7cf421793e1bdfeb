// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A check box of the options panel: it holds the three Values an option can
// have (unticked, ticked, greyed), but its clicks only ever tick or untick
// it; the greyed state can come from the settings file, never from a click.
#pragma once

#include "options/optionvalues.h"

#include <QCheckBox>

class OptionCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    using QCheckBox::QCheckBox;

    CheckValue value() const;

    /// Sets the Value; a different Value emits stateChanged at once.
    void setValue(CheckValue value);

protected:
    // A click on a greyed box ticks it.
    void nextCheckState() override;
};
