// A settings store held in memory, for tests.
#pragma once

#include "options/settingsstore.h"

#include <QMap>

class MemorySettingsStore final : public SettingsStore
{
public:
    QString read(const QString &key, const QString &defaultText) override;
    void write(const QString &key, const QString &text) override;
    bool commit() override;
    QString location() const override;

    /// The stored values, as a test sees them.
    QMap<QString, QString> values;
    /// Makes commit() fail, as a read-only file would.
    bool failCommit = false;
    int commitCount = 0;
};
