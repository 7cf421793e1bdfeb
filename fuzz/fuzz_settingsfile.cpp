// Fuzzes the settings file: the input is the whole file, read and written in
// memory by the file format the settings store uses. What the reader makes
// of the input the writer puts back unchanged; the options load from it with
// check values a box can hold and every stored text kept; and the file with
// the options saved into it reads back as saved.
#include "fuzzcheck.h"
#include "options/optionkeys.h"
#include "options/settingsfileformat.h"
#include "options/storedvalues.h"
#include "tests/doubles/memorysettingsstore.h"

#include <QBuffer>
#include <cstdint>

namespace {

QSettings::SettingsMap Parsed(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    FUZZ_CHECK(buffer.open(QIODevice::ReadOnly));
    QSettings::SettingsMap map;
    FUZZ_CHECK(SettingsFileFormat::read(buffer, map));
    return map;
}

QByteArray Written(const QSettings::SettingsMap &map)
{
    QBuffer buffer;
    FUZZ_CHECK(buffer.open(QIODevice::WriteOnly));
    FUZZ_CHECK(SettingsFileFormat::write(buffer, map));
    return buffer.data();
}

// The keys of the options group, as the settings store hands them out.
void FillStore(MemorySettingsStore &store, const QSettings::SettingsMap &map)
{
    const QString prefix = optionsGroup() + QLatin1Char('/');
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        if (it.key().startsWith(prefix))
            store.values.insert(it.key().sliced(prefix.size()), it.value().toString());
    }
}

bool IsCheckValueText(const QString &text)
{
    return text == QLatin1String("0") || text == QLatin1String("1") || text == QLatin1String("2");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QSettings::SettingsMap parsed = Parsed(bytes);
    const QByteArray written = Written(parsed);
    FUZZ_CHECK(Parsed(written) == parsed);
    FUZZ_CHECK(Written(Parsed(written)) == written);

    const QLocale locale = QLocale::c();
    MemorySettingsStore file;
    FillStore(file, parsed);
    MemorySettingsStore saved;
    FUZZ_CHECK(saveOptions(saved, loadOptions(file, locale)));
    for (auto it = saved.values.cbegin(); it != saved.values.cend(); ++it) {
        const auto stored = file.values.constFind(it.key());
        if (it.key().startsWith(QLatin1String("chk"))) {
            FUZZ_CHECK(IsCheckValueText(it.value()));
            FUZZ_CHECK(stored == file.values.cend() || !IsCheckValueText(*stored) ||
                       *stored == it.value());
        } else {
            FUZZ_CHECK(stored == file.values.cend() || *stored == it.value());
        }
    }

    // The saved options beside every other key the file held.
    QSettings::SettingsMap merged = parsed;
    for (auto it = saved.values.cbegin(); it != saved.values.cend(); ++it)
        merged.insert(optionsGroup() + QLatin1Char('/') + it.key(), it.value());
    const QSettings::SettingsMap reread = Parsed(Written(merged));
    FUZZ_CHECK(reread == merged);
    MemorySettingsStore rereadFile;
    FillStore(rereadFile, reread);
    MemorySettingsStore resaved;
    FUZZ_CHECK(saveOptions(resaved, loadOptions(rereadFile, locale)));
    FUZZ_CHECK(resaved.values == saved.values);
    return 0;
}
