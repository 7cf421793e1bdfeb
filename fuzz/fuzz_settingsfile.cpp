// Fuzzes the settings file: the input is the whole file. The options load
// without a crash with check values in 0..2 and the texts the file format
// reads, a save succeeds, and the saved file reads back the same both
// through the store and through Qt's own INI reader. The file format's
// writer and reader also agree on everything read from the input.
#include "fuzzcheck.h"
#include "options/qsettingsstore.h"
#include "options/settingsfileformat.h"
#include "options/storedvalues.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdint>

namespace {

QString settingsPath;
QString qtCopyPath;

// QSettings reads a file again only when its time stamp or size changes:
// every file written here gets a time stamp of its own.
void WriteFile(const QString &path, const QByteArray &bytes)
{
    static qint64 step = 0;
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
    FUZZ_CHECK(file.flush());
    FUZZ_CHECK(file.setFileTime(QDateTime::fromMSecsSinceEpoch(1000000000000 + ++step),
                                QFileDevice::FileModificationTime));
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

QSettings::SettingsMap ParsedMap(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    FUZZ_CHECK(buffer.open(QIODevice::ReadOnly));
    QSettings::SettingsMap map;
    FUZZ_CHECK(SettingsFileFormat::read(buffer, map));
    return map;
}

QByteArray WrittenMap(const QSettings::SettingsMap &map)
{
    QBuffer buffer;
    FUZZ_CHECK(buffer.open(QIODevice::WriteOnly));
    FUZZ_CHECK(SettingsFileFormat::write(buffer, map));
    return buffer.data();
}

QStringList TextsOf(const StoredOptions &options)
{
    QStringList texts;
    for (int value : options.chkOpt)
        texts << checkValueText(value);
    texts << checkValueText(options.chkAllowNegative) << checkValueText(options.chkScore);
    for (const QString &text : options.txtMax)
        texts << text;
    return texts;
}

QString KeyPath(const OptionKey &key)
{
    return optionsGroup() + QLatin1Char('/') + key.name;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    static QTemporaryDir configDir;
    FUZZ_CHECK(configDir.isValid());
    qputenv("XDG_CONFIG_HOME", configDir.path().toLocal8Bit());
    settingsPath = QSettingsStore().location();
    qtCopyPath = configDir.filePath(QStringLiteral("copy.ini"));
    FUZZ_CHECK(QDir().mkpath(QFileInfo(settingsPath).path()));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    // What the reader makes of the input, the writer puts back unchanged.
    const QSettings::SettingsMap parsed = ParsedMap(bytes);
    const QByteArray written = WrittenMap(parsed);
    FUZZ_CHECK(ParsedMap(written) == parsed);
    FUZZ_CHECK(WrittenMap(ParsedMap(written)) == written);

    const QLocale locale = QLocale::c();
    WriteFile(settingsPath, bytes);
    StoredOptions options;
    {
        QSettingsStore store;
        options = loadOptions(store, locale);
        const QStringList texts = TextsOf(options);
        for (std::size_t i = 0; i < optionKeys().size(); ++i) {
            const OptionKey &key = optionKeys()[i];
            const QString stored = parsed.value(KeyPath(key), key.defaultText).toString();
            if (key.kind == OptionKind::Text) {
                FUZZ_CHECK(texts[static_cast<qsizetype>(i)] == stored);
            } else {
                const int value = texts[static_cast<qsizetype>(i)].toInt();
                FUZZ_CHECK(value >= 0 && value <= 2);
                FUZZ_CHECK(value ==
                           checkValueFromText(stored, locale)
                               .value_or(checkValueFromText(key.defaultText).value_or(-1)));
            }
        }
        options.chkOpt[0] = 1 - options.chkOpt[0] % 2;
        options.txtMax[0] += QStringLiteral(", \"@x\";");
        FUZZ_CHECK(saveOptions(store, options));
    }

    // The saved file: every key the input held, the ten options as saved.
    const QByteArray saved = ReadFile(settingsPath);
    QSettings::SettingsMap expected = parsed;
    const QStringList texts = TextsOf(options);
    for (std::size_t i = 0; i < optionKeys().size(); ++i)
        expected.insert(KeyPath(optionKeys()[i]), texts[static_cast<qsizetype>(i)]);
    FUZZ_CHECK(ParsedMap(saved) == expected);

    WriteFile(settingsPath, saved);
    {
        QSettingsStore store;
        FUZZ_CHECK(TextsOf(loadOptions(store, locale)) == texts);
    }
    WriteFile(qtCopyPath, saved);
    QSettings qtReader(qtCopyPath, QSettings::IniFormat);
    for (std::size_t i = 0; i < optionKeys().size(); ++i) {
        const QVariant value = qtReader.value(KeyPath(optionKeys()[i]));
        FUZZ_CHECK(value.typeId() == QMetaType::QString);
        FUZZ_CHECK(value.toString() == texts[static_cast<qsizetype>(i)]);
    }
    FUZZ_CHECK(qtReader.status() == QSettings::NoError);
    return 0;
}
