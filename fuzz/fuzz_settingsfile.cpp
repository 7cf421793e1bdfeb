// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the settings file: the input is the whole file, read and written in
// memory by the file format the settings store uses. Reading never fails, and
// what the reader makes of it the writer puts back unchanged.
#include "fuzzcheck.h"
#include "options/settingsfileformat.h"

#include <QBuffer>

namespace {

QSettings::SettingsMap parsed(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QSettings::SettingsMap map;
    FUZZ_CHECK(buffer.open(QIODevice::ReadOnly) && SettingsFileFormat::read(buffer, map));
    return map;
}

QByteArray written(const QSettings::SettingsMap &map)
{
    QBuffer buffer;
    FUZZ_CHECK(buffer.open(QIODevice::WriteOnly) && SettingsFileFormat::write(buffer, map));
    return buffer.data();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QSettings::SettingsMap map = parsed(QByteArray::fromRawData(
        reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    const QByteArray file = written(map);
    FUZZ_CHECK(parsed(file) == map && written(parsed(file)) == file);
    return 0;
}
