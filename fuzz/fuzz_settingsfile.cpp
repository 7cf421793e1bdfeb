// Fuzzes the settings file: the input is the whole file, read and written in
// memory by the file format the settings store uses. What the reader makes of
// it the writer puts back unchanged, and the options loaded from it and saved
// beside every other key read back as saved.
#include "fuzzcheck.h"
#include "options/settingsfileformat.h"
#include "options/storedvalues.h"
#include "tests/doubles/memorysettingsstore.h"

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

    const QString group = optionsGroup() + QLatin1Char('/');
    MemorySettingsStore store;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        if (it.key().startsWith(group))
            store.values.insert(it.key().sliced(group.size()), it.value().toString());
    }
    const StoredOptions options = loadOptions(store, QLocale::c());
    for (const int value : options.chkOpt)
        FUZZ_CHECK(value >= 0 && value <= 2);
    MemorySettingsStore saved;
    FUZZ_CHECK(saveOptions(saved, options));
    QSettings::SettingsMap merged = map;
    for (auto it = saved.values.cbegin(); it != saved.values.cend(); ++it)
        merged.insert(group + it.key(), it.value());
    FUZZ_CHECK(parsed(written(merged)) == merged);
    return 0;
}
