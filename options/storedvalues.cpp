#include "storedvalues.h"

#include "quiz/numbertext.h"

#include <cmath>

std::optional<int> CheckValueFromText(const QString &text, const QLocale &locale)
{
    const std::optional<double> number = NumberValue(text, locale);
    if (!number)
        return std::nullopt;
    // nearbyint rounds ties to even in the default rounding mode.
    const double rounded = std::nearbyint(*number);
    if (rounded < 0 || rounded > 2)
        return std::nullopt;
    return static_cast<int>(rounded);
}

QString CheckValueText(int value)
{
    return QString::number(value);
}

namespace {

int CheckValueFor(SettingsStore &store, const OptionKey &key, const QLocale &locale)
{
    const QString text = store.Read(key.name, key.defaultText);
    if (const std::optional<int> value = CheckValueFromText(text, locale))
        return *value;
    return CheckValueFromText(key.defaultText, locale).value_or(0);
}

} // namespace

StoredOptions LoadOptions(SettingsStore &store, const QLocale &locale)
{
    const auto &keys = OptionKeys();
    StoredOptions options;
    for (std::size_t i = 0; i < operationCount; ++i)
        options.chkOpt[i] = CheckValueFor(store, keys[i], locale);
    options.chkAllowNegative = CheckValueFor(store, keys[4], locale);
    options.chkScore = CheckValueFor(store, keys[5], locale);
    for (std::size_t i = 0; i < operationCount; ++i)
        options.txtMax[i] = store.Read(keys[6 + i].name, keys[6 + i].defaultText);
    return options;
}

bool SaveOptions(SettingsStore &store, const StoredOptions &options)
{
    const auto &keys = OptionKeys();
    for (std::size_t i = 0; i < operationCount; ++i)
        store.Write(keys[i].name, CheckValueText(options.chkOpt[i]));
    store.Write(keys[4].name, CheckValueText(options.chkAllowNegative));
    store.Write(keys[5].name, CheckValueText(options.chkScore));
    for (std::size_t i = 0; i < operationCount; ++i)
        store.Write(keys[6 + i].name, options.txtMax[i]);
    return store.Commit();
}
