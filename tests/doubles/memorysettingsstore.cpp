#include "memorysettingsstore.h"

QString MemorySettingsStore::read(const QString &key, const QString &defaultText)
{
    return values.value(key, defaultText);
}

void MemorySettingsStore::write(const QString &key, const QString &text)
{
    values.insert(key, text);
}

bool MemorySettingsStore::commit()
{
    ++commitCount;
    return !failCommit;
}

QString MemorySettingsStore::location() const
{
    return QStringLiteral("memory");
}
