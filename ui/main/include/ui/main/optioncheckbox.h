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

    /// The signal a changed Value emits: checkStateChanged where Qt has it,
    /// as stateChanged is deprecated from Qt 6.7 on.
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    static constexpr auto changed = &QCheckBox::checkStateChanged;
#else
    static constexpr auto changed = &QCheckBox::stateChanged;
#endif

    /// Sets the Value; a different Value emits `changed` at once.
    void setValue(CheckValue value);

protected:
    // A click on a greyed box ticks it.
    void nextCheckState() override;
};
