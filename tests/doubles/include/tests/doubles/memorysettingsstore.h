// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A settings store held in memory, for tests, its values by key name as a
// file holds them.
#pragma once

#include "options/settingsstore.h"

#include <QMap>

class MemorySettingsStore final : public SettingsStore
{
public:
    QString read(OptionKey key) override { return values.value(keyName(key), defaultText(key)); }
    void write(OptionKey key, const QString &text) override { values.insert(keyName(key), text); }
    bool commit() override { return ++commitCount > 0 && !failCommit; }
    QString location() const override { return QStringLiteral("memory"); }

    QMap<QString, QString> values;
    int commitCount = 0;
    bool failCommit = false; ///< as a settings file that cannot be written
};
