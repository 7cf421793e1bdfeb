// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The options kept with QSettings in a per-user INI file of texts: on Linux
// Tallyfox/Tallyfox.conf under the user's configuration folder. A key the
// user's file lacks is read from the same file under the system's
// configuration folders (XDG_CONFIG_DIRS, /etc/xdg by default), where a
// school can preset the options for all its pupils.
#pragma once

#include "options/settingsstore.h"

#include <QSettings>

class QSettingsStore final : public SettingsStore
{
public:
    /// The store of organisation and application "Tallyfox".
    QSettingsStore();
    /// A store in @p fileName alone, in the same format.
    explicit QSettingsStore(const QString &fileName);

    QString read(OptionKey key) override;
    void write(OptionKey key, const QString &text) override;
    bool commit() override;
    QString location() const override;

private:
    QSettings m_settings;
};
