// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's texts in the user's language, and Qt's own texts (the
// message box's button) to match.
#pragma once

#include <QLocale>
#include <optional>

class QCoreApplication;

/// Installs the translations for the user's preferred language, read from
/// the "translations" folder beside the program and from Qt's translations.
/// The user's languages are tried in order of preference; the first English
/// (or C) entry ends the search, since the program's own texts are English.
/// Without a match nothing is installed and the texts stay English.
/// Returns the language of the program's own translation when one was
/// installed, as the translation itself names it: its text direction is
/// the direction the windows take (Hebrew and Arabic read right to left).
std::optional<QLocale> installTranslations(QCoreApplication &app);
