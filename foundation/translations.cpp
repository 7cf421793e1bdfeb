// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translations.h"

#include "programfolder.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QTranslator *install(QCoreApplication &app, const QLocale &language, const QString &name,
                           const QString &folder)
{
    auto *translator = new QTranslator(&app);
    if (!translator->load(language, name, QStringLiteral("_"), folder)) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

} // namespace

std::optional<QLocale> installTranslations(QCoreApplication &app)
{
    const QString ownFolder = ProgramFolder::filePath(QStringLiteral("translations"));
    const QStringList preferred = QLocale::system().uiLanguages();
    for (const QString &name : preferred) {
        const QLocale language(name);
        if (language.language() == QLocale::C || language.language() == QLocale::English)
            return std::nullopt;
        if (const QTranslator *own =
                install(app, language, QStringLiteral("tallyfox"), ownFolder)) {
            // Qt's own texts in the same language, where the system has them.
            install(app, language, QStringLiteral("qtbase"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return own->language().isEmpty() ? language : QLocale(own->language());
        }
    }
    return std::nullopt;
}
