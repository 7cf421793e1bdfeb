// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's texts in the user's language, and Qt's own texts (the
// message box's button) to match.
#pragma once

#include <QLocale>
#include <QStringList>
#include <optional>

class QCoreApplication;

/// Installs the translations for the first of @p languages (in order of
/// preference) that the program has, read from the "translations" folder
/// beside the program, with Qt's own for that language; the first English
/// (or C) entry ends the search, since the program's own texts are English.
/// Without a match the texts stay English. Translations installed by an
/// earlier call are removed first.
/// Returns the language of the program's own translation when one was
/// installed, as the translation itself names it.
std::optional<QLocale>
installTranslations(QCoreApplication &app,
                    const QStringList &languages = QLocale::system().uiLanguages());
