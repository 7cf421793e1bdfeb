// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's texts in the user's language, and Qt's own texts (the
// message box's button) to match.
#pragma once

class QCoreApplication;

/// Installs the translations for the user's preferred language, read from
/// the "translations" folder beside the program and from Qt's translations.
/// The user's languages are tried in order of preference; the first English
/// (or C) entry ends the search, since the program's own texts are English.
/// Without a match nothing is installed and the texts stay English.
/// Returns true when the program's own translation was installed.
bool installTranslations(QCoreApplication &app);
