// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A settings store held in memory, for tests.
#pragma once

#include "options/settingsstore.h"

#include <QMap>

class MemorySettingsStore final : public SettingsStore
{
public:
    QString read(const QString &key, const QString &fallback) override
    {
        return values.value(key, fallback);
    }
    void write(const QString &key, const QString &text) override { values.insert(key, text); }
    bool commit() override { return ++commitCount > 0 && !failCommit; }
    QString location() const override { return QStringLiteral("memory"); }

    QMap<QString, QString> values;
    int commitCount = 0;
    bool failCommit = false; ///< as a settings file that cannot be written
};
