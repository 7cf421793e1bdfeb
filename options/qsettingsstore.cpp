#include "qsettingsstore.h"

#include "appidentity.h"
#include "optionkeys.h"

#include <QStringList>

QSettingsStore::QSettingsStore()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, AppIdentity::Title(),
                 AppIdentity::Title())
{
}

QString QSettingsStore::Read(const QString &key, const QString &defaultText)
{
    const QString path = OptionsGroup() + QLatin1Char('/') + key;
    if (!m_settings.contains(path))
        return defaultText;
    const QVariant value = m_settings.value(path);
    // A hand-edited line with commas reads back as a list; keep what was written.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    if (value.typeId() == QMetaType::QString || value.canConvert<QString>())
        return value.toString();
    return defaultText;
}

void QSettingsStore::Write(const QString &key, const QString &text)
{
    m_settings.setValue(OptionsGroup() + QLatin1Char('/') + key, text);
}

bool QSettingsStore::Commit()
{
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}

QString QSettingsStore::Location() const
{
    return m_settings.fileName();
}
