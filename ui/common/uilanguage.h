// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The language the windows show, and the locale their sums are written in:
// the direction each reads in and the face the language's script is drawn in.
#pragma once

#include <QLocale>
#include <QString>

/// Makes the windows show @p language, the language of the program's
/// translation: they read in its direction (Hebrew and Arabic right to left)
/// and are drawn in the face made for its script. Before any window is made.
void useLanguage(const QLocale &language);

/// The face the windows are drawn in: Liberation Sans for the scripts it
/// covers (Latin, Greek, Cyrillic, Hebrew), Noto Sans Arabic UI for Arabic.
QString designFamily();

/// The direction a sum reads in under @p locale: right to left, first number
/// rightmost, where the locale writes right to left in digits of its own
/// (Arabic in Egypt and the Gulf); left to right elsewhere, as Hebrew and the
/// Arabic of the Maghreb, written in Western digits, set sums out.
Qt::LayoutDirection sumDirection(const QLocale &locale);
