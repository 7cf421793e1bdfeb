// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "foundation/translations.h"

#include "foundation/programfolder.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QList>
#include <QPointer>
#include <QTranslator>

namespace {

// The translators of the last call, removed by the next.
QList<QPointer<QTranslator>> &installed()
{
    static QList<QPointer<QTranslator>> translators;
    return translators;
}

const QTranslator *install(QCoreApplication &app, const QLocale &language, const QString &name,
                           const QString &folder)
{
    auto *translator = new QTranslator(&app);
    if (!translator->load(language, name, QStringLiteral("_"), folder)) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    installed().append(translator);
    return translator;
}

} // namespace

std::optional<QLocale> installTranslations(QCoreApplication &app, const QStringList &languages)
{
    for (const QPointer<QTranslator> &translator : std::as_const(installed())) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    installed().clear();

    const QString ownFolder = ProgramFolder::filePath(QStringLiteral("translations"));
    for (const QString &name : languages) {
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
