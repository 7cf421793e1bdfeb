// Fuzzes the reading of stored option texts: ten texts from the input (one
// a line; a line starting with DEL leaves its key out), read in a locale
// picked by the first byte. Check values always land in 0..2, every text
// that can be read is kept, and saving then loading changes nothing.
#include "fuzzcheck.h"
#include "options/storedvalues.h"
#include "tests/doubles/memorysettingsstore.h"

#include <QByteArray>
#include <QList>
#include <cstdint>

namespace {

// The value LoadOptions must give a check-box key: the stored text's, or
// the default's when the text is absent or unusable.
int ExpectedCheckValue(const MemorySettingsStore &store, const OptionKey &key,
                       const QLocale &locale)
{
    const auto stored = store.values.constFind(key.name);
    if (stored != store.values.cend()) {
        if (const std::optional<int> value = CheckValueFromText(*stored, locale))
            return *value;
    }
    return CheckValueFromText(key.defaultText, locale).value_or(-1);
}

bool SameOptions(const StoredOptions &a, const StoredOptions &b)
{
    return a.chkOpt == b.chkOpt && a.chkAllowNegative == b.chkAllowNegative &&
           a.chkScore == b.chkScore && a.txtMax == b.txtMax;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QLocale locale = FuzzLocale(data[0]);
    const QList<QByteArray> lines =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data + 1),
                                static_cast<qsizetype>(size - 1))
            .split('\n');

    const auto &keys = OptionKeys();
    MemorySettingsStore store;
    for (qsizetype i = 0; i < lines.size() && i < optionKeyCount; ++i) {
        if (!lines[i].startsWith('\x7f'))
            store.values.insert(keys[static_cast<std::size_t>(i)].name,
                                QString::fromUtf8(lines[i]));
    }

    const StoredOptions options = LoadOptions(store, locale);
    const std::array<int, 6> checkValues = {options.chkOpt[0],        options.chkOpt[1],
                                            options.chkOpt[2],        options.chkOpt[3],
                                            options.chkAllowNegative, options.chkScore};
    for (std::size_t i = 0; i < checkValues.size(); ++i) {
        FUZZ_CHECK(checkValues[i] >= 0 && checkValues[i] <= 2);
        FUZZ_CHECK(checkValues[i] == ExpectedCheckValue(store, keys[i], locale));
    }
    for (std::size_t i = 0; i < operationCount; ++i) {
        const OptionKey &key = keys[6 + i];
        FUZZ_CHECK(options.txtMax[i] == store.values.value(key.name, key.defaultText));
    }

    MemorySettingsStore saved;
    FUZZ_CHECK(SaveOptions(saved, options));
    FUZZ_CHECK(saved.values.size() == optionKeyCount && saved.commitCount == 1);
    FUZZ_CHECK(SameOptions(LoadOptions(saved, locale), options));
    return 0;
}
