// Tests of the real settings file under damage and hostile texts: every file
// loads without a crash, keeps the keys that can be read, and after the next
// save reads back whole, by the store and by Qt's own INI reader alike.
#include "options/qsettingsstore.h"
#include "options/storedvalues.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList TextsOf(const StoredOptions &options)
{
    QStringList texts;
    for (int value : options.chkOpt)
        texts << checkValueText(value);
    texts << checkValueText(options.chkAllowNegative) << checkValueText(options.chkScore);
    return texts << QStringList(options.txtMax.begin(), options.txtMax.end());
}

// The ten texts of a first run, with the keys named in changes as given there.
QStringList Expected(const QHash<QString, QString> &changes = {})
{
    QStringList texts;
    for (OptionKey key : allOptionKeys)
        texts << changes.value(keyName(key), defaultText(key));
    return texts;
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// QSettings shares what it parsed of a file across the process and parses it
// again only when the file's time stamp changes, so each write gets its own.
void WriteFile(const QString &path, const QByteArray &bytes)
{
    static int step = 0;
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600 - ++step),
                             QFileDevice::FileModificationTime));
}

// The file Qt's own INI writer makes for txtMax0 holding text.
QByteArray QtWritten(const QString &text)
{
    static QTemporaryDir dir;
    static int files = 0;
    const QString path = dir.filePath(QStringLiteral("%1.ini").arg(++files));
    QSettings(path, QSettings::IniFormat).setValue("Options/txtMax0", text);
    return ReadAll(path);
}

// Random bytes, without the quotes and backslashes that would join every
// line after them into one.
QByteArray Junk(qsizetype size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray junk(size, '\0');
    for (char &c : junk)
        c = static_cast<char>(random.bounded(256));
    return junk.replace('"', '\0').replace('\\', '\0');
}

} // namespace

class TestSettingsFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir m_configDir;
    QString m_path;

private Q_SLOTS:
    void initTestCase()
    {
        // Run by hand, outside CTest, the test must not touch the user's settings.
        if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"))
            qputenv("XDG_CONFIG_HOME", m_configDir.path().toLocal8Bit());
        m_path = QSettingsStore().location();
        QVERIFY(m_path.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
        QVERIFY(QDir().mkpath(QFileInfo(m_path).path()));
    }

    // A folder where the file should be: defaults, and a save that fails
    // without touching the folder.
    void settingsPathIsFolder()
    {
        QFile::remove(m_path);
        QVERIFY(QDir().mkpath(m_path + "/inside"));
        {
            QSettingsStore store;
            QCOMPARE(TextsOf(loadOptions(store)), Expected());
            QVERIFY(!saveOptions(store, StoredOptions{}));
        }
        QVERIFY(QFileInfo(m_path + "/inside").isDir());
        QVERIFY(QDir(m_path).removeRecursively());
    }

    void loadAndSave_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("loaded");
        const auto file = [](const char *name, const QByteArray &bytes,
                             const QHash<QString, QString> &changes) {
            QTest::newRow(name) << bytes << Expected(changes);
        };
        const auto text = [](const char *name, const QString &text) {
            QTest::newRow(name) << QtWritten(text) << Expected({{"txtMax0", text}});
        };
        file("empty file", "", {});
        file("line without =", "junk\ntxtMax1=7", {{"txtMax1", "7"}});
        file("header without ]", "[Else]\n[Options\ntxtMax2=9", {{"txtMax2", "9"}});
        file("cut in a quoted value", "txtMax1=\"1", {{"txtMax1", "1"}});
        file("unquoted = in a value", "txtMax1==7=", {{"txtMax1", "=7="}});
        file("list", "txtMax0=1, 2\nchkOpt3=1, 2\n", {{"txtMax0", "1, 2"}});
        file("typed values", "txtMax2=@Rect(1 2)\ntxtMax3=@Variant(x", {{"txtMax3", "@Variant(x"}});
        // Qt's own reader would reserve room for 2^31 strings for the first,
        // and run out of stack on the 100000 lists nested in each other.
        file("variant of 2^31 strings", R"(txtMax1=@Variant(\0\0\0\xb\x7f\xff\xff\xff))", {});
        file("variant nested deeply",
             "txtMax2=@Variant(" + QByteArray(R"(\0\0\0\t\0\0\0\x1)").repeated(100000) + ")", {});
        file("NUL bytes", QByteArrayLiteral("\0\x7f\xfe\n\0junk\0=\0\nchkOpt3=1"),
             {{"chkOpt3", "1"}});
        file("megabytes of junk", Junk(3 << 20, 1) + "\n[Options]\ntxtMax0=5\n" + Junk(9, 2),
             {{"txtMax0", "5"}});
        text("empty", "");
        text("blanks around", "  7 ");
        text("commas", "1, 2,3");
        text("quotes and backslashes", R"("q\"\)");
        text("equals sign", "=5");
        text("semicolon", "5;6");
        text("hash", "#7");
        text("group header", "[Options]");
        text("leading @", R"x(@Variant(\0))x");
        text("non-ASCII", QStringLiteral("\u00e9\u20ac\U0001F600"));
        text("newline and controls", "\t1\r\n\a\x01\x1f");
        text("NUL before digits", QString(QChar()) + "12");
    }

    // Load, save over the file, then read the file again with the store and
    // with Qt's reader, from a copy that shares nothing the store parsed.
    void loadAndSave()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, loaded);
        WriteFile(m_path, "[Other]\nkept=yes\n[Options]\n" + bytes);
        {
            QSettingsStore store;
            const StoredOptions options = loadOptions(store);
            QCOMPARE(TextsOf(options), loaded);
            QVERIFY(saveOptions(store, options));
        }
        WriteFile(m_path, ReadAll(m_path));
        QSettingsStore reread;
        QCOMPARE(TextsOf(loadOptions(reread)), loaded);
        WriteFile(m_path + ".copy", ReadAll(m_path));
        QSettings qtReader(m_path + ".copy", QSettings::IniFormat);
        for (std::size_t i = 0; i < allOptionKeys.size(); ++i)
            QCOMPARE(qtReader.value("Options/" + keyName(allOptionKeys.at(i))),
                     QVariant(loaded.at(static_cast<qsizetype>(i))));
        QCOMPARE(qtReader.value("Other/kept"), QVariant("yes"));
        QCOMPARE(qtReader.status(), QSettings::NoError);
    }
};

QTEST_GUILESS_MAIN(TestSettingsFiles)
#include "tst_settingsfiles.moc"
