// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qsettingsstore.h"

#include "appidentity.h"
#include "optionkeys.h"
#include "settingsfileformat.h"

QSettingsStore::QSettingsStore()
    : m_settings(SettingsFileFormat::format(), QSettings::UserScope, AppIdentity::title(),
                 AppIdentity::title())
{}

QString QSettingsStore::read(const QString &key, const QString &defaultText)
{
    // The file format holds texts only; a key it could not read is absent.
    return m_settings.value(optionsGroup() + QLatin1Char('/') + key, defaultText).toString();
}

void QSettingsStore::write(const QString &key, const QString &text)
{
    m_settings.setValue(optionsGroup() + QLatin1Char('/') + key, text);
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
