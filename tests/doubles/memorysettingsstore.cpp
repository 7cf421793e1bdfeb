#include "memorysettingsstore.h"

QString MemorySettingsStore::Read(const QString &key, const QString &defaultText)
{
    return values.value(key, defaultText);
}

void MemorySettingsStore::Write(const QString &key, const QString &text)
{
    values.insert(key, text);
}

bool MemorySettingsStore::Commit()
{
    ++commitCount;
    return !failCommit;
}

QString MemorySettingsStore::Location() const
{
    return QStringLiteral("memory");
}
