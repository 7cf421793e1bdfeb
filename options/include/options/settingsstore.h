// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The per-user store the options are kept in between runs.
#pragma once

#include "options/optionkeys.h"

#include <QString>

class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    /// The text stored under @p key in the options group, or the key's
    /// default when nothing is stored there. A stored empty text comes back
    /// empty.
    virtual QString read(OptionKey key) = 0;

    /// Stores @p text under @p key, replacing any earlier value.
    virtual void write(OptionKey key, const QString &text) = 0;

    /// Makes the writes lasting. False when they could not be stored.
    virtual bool commit() = 0;

    /// Where the values are kept, for a message to the user.
    virtual QString location() const = 0;
};
