// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A check box with the program's three Values (0 unticked, 1 ticked,
// 2 greyed) whose clicks only ever tick or untick it: the greyed state can
// come from the settings file, never from a click.
#pragma once

#include <QCheckBox>

class TwoStateCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    using QCheckBox::QCheckBox;

    /// 0 unticked, 1 ticked, 2 greyed.
    int value() const;

    /// The signal a changed Value emits: checkStateChanged where Qt has it,
    /// as stateChanged is deprecated from Qt 6.7 on.
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    static constexpr auto changed = &QCheckBox::checkStateChanged;
#else
    static constexpr auto changed = &QCheckBox::stateChanged;
#endif

    /// Sets the Value; a different Value emits `changed` at once.
    /// Values other than 0, 1 and 2 are ignored.
    void setValue(int value);

protected:
    // A click on a greyed box ticks it.
    void nextCheckState() override;
};
