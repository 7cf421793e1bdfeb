// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The layout of the options file: the part of Qt's INI layout that a file of
// plain-text options needs, every value read and written as text.
#pragma once

#include <QIODevice>
#include <QSettings>

// Qt's own INI reader turns "@Variant(...)" values into objects through
// QDataStream, and a hand-made or damaged file can make that run out of
// stack or memory. This reader keeps texts only: typed values are left out,
// as if the key were absent, and so are keys of other characters than
// letters, digits, '_', '-', '.' and '/', and lines it cannot make sense of.
// It reads what it writes, files edited by hand, and the texts Qt's INI
// writer puts in a file; what it writes Qt's INI reader reads back as the
// same texts.
namespace SettingsFileFormat {

/// The format registered with QSettings, with the extension "conf".
QSettings::Format format();

/// Reads every key it can; a key with no readable text is left out. Never fails.
bool read(QIODevice &device, QSettings::SettingsMap &map);

/// Writes each key's text, grouped by the part of the key before the last '/'.
bool write(QIODevice &device, const QSettings::SettingsMap &map);

} // namespace SettingsFileFormat
