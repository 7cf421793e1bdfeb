// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The options kept with QSettings in a per-user INI file of texts: on Linux
// Tallyfox/Tallyfox.conf under the user's configuration folder.
#pragma once

#include "options/settingsstore.h"

#include <QSettings>

class QSettingsStore final : public SettingsStore
{
public:
    /// The store of organisation and application "Tallyfox".
    QSettingsStore();

    QString read(OptionKey key) override;
    void write(OptionKey key, const QString &text) override;
    bool commit() override;
    QString location() const override;

private:
    QSettings m_settings;
};
