#include "qsettingsstore.h"

#include "appidentity.h"
#include "optionkeys.h"
#include "settingsfileformat.h"

QSettingsStore::QSettingsStore()
    : m_settings(SettingsFileFormat::Format(), QSettings::UserScope, AppIdentity::Title(),
                 AppIdentity::Title())
{}

QString QSettingsStore::Read(const QString &key, const QString &defaultText)
{
    // The file format holds texts only; a key it could not read is absent.
    return m_settings.value(OptionsGroup() + QLatin1Char('/') + key, defaultText).toString();
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
