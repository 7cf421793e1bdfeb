// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/qsettingsstore.h"

#include "foundation/appidentity.h"
#include "options/optionkeys.h"
#include "options/settingsfileformat.h"

QSettingsStore::QSettingsStore()
    : m_settings(SettingsFileFormat::format(), QSettings::UserScope, AppIdentity::title(),
                 AppIdentity::title())
{}

QSettingsStore::QSettingsStore(const QString &fileName)
    : m_settings(fileName, SettingsFileFormat::format())
{}

namespace {

QString path(OptionKey key)
{
    return optionsGroup() + QLatin1Char('/') + keyName(key);
}

} // namespace

QString QSettingsStore::read(OptionKey key)
{
    // The file format holds texts only; a key it could not read is absent.
    return m_settings.value(path(key), defaultText(key)).toString();
}

void QSettingsStore::write(OptionKey key, const QString &text)
{
    m_settings.setValue(path(key), text);
}

bool QSettingsStore::commit()
{
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}

QString QSettingsStore::location() const
{
    return m_settings.fileName();
}
