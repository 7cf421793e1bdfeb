// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pupil's language, set up in one place for the whole program: the
// translation, the direction the windows read in, the face they are drawn in,
// the pupil's locale and the accessibility handlers.
#pragma once

#include <QLocale>
#include <QString>
#include <optional>

/// Sets the program up for a pupil whose locale is @p locale, before any
/// window is made. Installs the translation of the first of the locale's
/// languages that the program has (English otherwise); lays the windows out
/// in the direction of that translation's language (Hebrew, Arabic and
/// Persian right to left) and draws them in the face made for its script;
/// makes PupilLocale::fromTranslation(@p locale) the pupil's locale; and
/// installs the accessibility handlers. main() calls it with the system's
/// locale, the tests with the locale they try; a later call replaces all of it.
/// Returns the language of the installed translation, if any.
std::optional<QLocale> setUpPupilLanguage(const QLocale &locale);

/// The face the windows are drawn in, made for the script of the language
/// set up: Liberation Sans for Latin, Greek, Cyrillic and Hebrew; a Noto UI
/// face for Arabic, Devanagari, Bengali and Thai; Noto Sans CJK in the
/// region's cut for Chinese, Japanese and Korean.
QString designFamily();

/// The face made for @p script (see designFamily()).
QString faceForScript(QLocale::Script script);
