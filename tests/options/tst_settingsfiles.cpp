// Tests of the real settings file under damage: garbled, truncated, binary,
// huge, unreadable or missing files must load without a crash, keep every
// key that can be read, and be whole again after the next save.
#include "options/qsettingsstore.h"
#include "options/storedvalues.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <unistd.h>

class TestSettingsFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void damagedFile_data();
    void damagedFile();
    void textsMatchQtIniReader_data();
    void textsMatchQtIniReader();
    void hugeFile();
    void unreadableFile();
    void settingsPathIsFolder();
    void lastWriterWins();

private:
    QTemporaryDir m_configDir;
};

namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);

QString settingsPath;

QStringList TextsOf(const StoredOptions &options)
{
    QStringList texts;
    for (int value : options.chkOpt)
        texts << CheckValueText(value);
    texts << CheckValueText(options.chkAllowNegative) << CheckValueText(options.chkScore);
    for (const QString &text : options.txtMax)
        texts << text;
    return texts;
}

// The ten texts of a first run with some keys changed, e.g. {"txtMax1", "7"}.
QStringList Expected(std::initializer_list<std::pair<const char *, QString>> changes)
{
    QStringList texts;
    for (const OptionKey &key : OptionKeys())
        texts << key.defaultText;
    for (const auto &[name, text] : changes) {
        for (std::size_t i = 0; i < OptionKeys().size(); ++i) {
            if (OptionKeys()[i].name == QLatin1String(name))
                texts[static_cast<qsizetype>(i)] = text;
        }
    }
    return texts;
}

StoredOptions SampleOptions(int seed)
{
    StoredOptions options;
    options.chkOpt = {seed % 2, 1 - seed % 2, 1, 0};
    options.chkAllowNegative = seed % 2;
    options.chkScore = 1 - seed % 2;
    options.txtMax = {QString::number(seed), QStringLiteral("a,b"), QStringLiteral(" 7"), {}};
    return options;
}

// QSettings keeps the files it has seen in memory, shared by every QSettings
// of the process, and reads one again only when its time stamp changes.
void ForgetCachedSettings(const QString &path)
{
    static int step = 0;
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addMSecs(-3600000 - ++step),
                             QFileDevice::FileModificationTime));
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
    file.close();
    ForgetCachedSettings(path);
}

QByteArray ReadSettingsFile()
{
    QFile file(settingsPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Qt's own INI reader over a copy of the settings file: a path of its own
// keeps it from sharing what the store has parsed.
std::unique_ptr<QSettings> QtReaderOfSettingsFile()
{
    static int copies = 0;
    const QString copy =
        QFileInfo(settingsPath).path() + QStringLiteral("/copy%1.ini").arg(++copies);
    WriteFile(copy, ReadSettingsFile());
    return std::make_unique<QSettings>(copy, QSettings::IniFormat);
}

// Random bytes of every kind except those that would open a quote or an
// escape running into the lines after them.
QByteArray Junk(qsizetype size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray junk(size, '\0');
    for (char &c : junk) {
        c = static_cast<char>(random.bounded(256));
        if (c == '"' || c == '\\')
            c = '\0';
    }
    return junk;
}

// The file on disk holds the ten keys as saved, for the store and for Qt's
// INI reader alike, and Qt's reader finds nothing wrong in it.
void VerifySavedFile(const StoredOptions &saved)
{
    ForgetCachedSettings(settingsPath);
    QSettingsStore reread;
    QCOMPARE(TextsOf(LoadOptions(reread, english)), TextsOf(saved));
    const auto qtReader = QtReaderOfSettingsFile();
    const QStringList texts = TextsOf(saved);
    for (std::size_t i = 0; i < OptionKeys().size(); ++i) {
        const QVariant value = qtReader->value(OptionsGroup() + '/' + OptionKeys()[i].name);
        QCOMPARE(value.typeId(), QMetaType::QString);
        QCOMPARE(value.toString(), texts[static_cast<qsizetype>(i)]);
    }
    QCOMPARE(qtReader->status(), QSettings::NoError);
}

} // namespace

void TestSettingsFiles::initTestCase()
{
    // CTest gives each test a configuration folder of its own; run by hand
    // the test makes one, so that it never touches the user's settings.
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME")) {
        QVERIFY(m_configDir.isValid());
        qputenv("XDG_CONFIG_HOME", m_configDir.path().toLocal8Bit());
    }
    settingsPath = QSettingsStore().Location();
    QVERIFY(settingsPath.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
}

void TestSettingsFiles::init()
{
    cleanup();
}

void TestSettingsFiles::cleanup()
{
    const QFileInfo info(settingsPath);
    if (info.isDir())
        QVERIFY(QDir(info.filePath()).removeRecursively());
    else if (info.exists())
        QVERIFY(QFile::setPermissions(info.filePath(), QFile::ReadOwner | QFile::WriteOwner) &&
                QFile::remove(info.filePath()));
}

void TestSettingsFiles::damagedFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("loaded");

    const QByteArray whole = "[Options]\nchkOpt0=0\nchkOpt1=1\ntxtMax0=8\ntxtMax1=12\n";
    QTest::newRow("empty file") << QByteArray() << Expected({});
    QTest::newRow("line without =")
        << QByteArray("[Options]\nchkOpt0=0\nno equals sign here\ntxtMax1=7\n")
        << Expected({{"chkOpt0", "0"}, {"txtMax1", "7"}});
    QTest::newRow("header without ]") << QByteArray("[Options\nchkOpt2=1\ntxtMax2=9\n")
                                      << Expected({{"chkOpt2", "1"}, {"txtMax2", "9"}});
    QTest::newRow("duplicated keys") << QByteArray("[Options]\nchkOpt1=1\nchkOpt1=0\ntxtMax2=3\n"
                                                   "txtMax2=4\n[Options]\nchkScore=0\n")
                                     << Expected({{"txtMax2", "4"}, {"chkScore", "0"}});
    QTest::newRow("list") << QByteArray("[Options]\ntxtMax0=1, 2\nchkOpt3=1, 2\n")
                          << Expected({{"txtMax0", "1, 2"}});
    QTest::newRow("variant junk") << QByteArray("[Options]\nchkOpt0=@Variant(\\0\\0\\0\\x2)\n"
                                                "txtMax3=@Variant(no end\ntxtMax2=@Rect(1 2 3 4)\n"
                                                "chkScore=0\n")
                                  << Expected({{"txtMax3", "@Variant(no end"}, {"chkScore", "0"}});
    // Qt's own reader would reserve 2^31 strings for this list, then run
    // out of stack on 100000 lists nested in each other.
    QTest::newRow("variant of 2^31 strings")
        << QByteArray("[Options]\nchkOpt1=1\ntxtMax1=@Variant(\\0\\0\\0\\xb\\x7f\\xff\\xff\\xff)\n")
        << Expected({{"chkOpt1", "1"}});
    QTest::newRow("variant nested deeply")
        << "[Options]\nchkOpt2=1\ntxtMax2=@Variant(" +
               QByteArray(R"(\0\0\0\t\0\0\0\x1)").repeated(100000) + ")\n"
        << Expected({{"chkOpt2", "1"}});
    QTest::newRow("cut in a key") << whole.first(whole.indexOf("txtMax1") + 4)
                                  << Expected(
                                         {{"chkOpt0", "0"}, {"chkOpt1", "1"}, {"txtMax0", "8"}});
    QTest::newRow("cut in a value")
        << whole.chopped(2)
        << Expected({{"chkOpt0", "0"}, {"chkOpt1", "1"}, {"txtMax0", "8"}, {"txtMax1", "1"}});
    QTest::newRow("NUL bytes") << QByteArrayLiteral(
                                      "\0\0\x7f\xfe\n[Options]\n\0junk\0=\0\nchkOpt3=1\n")
                               << Expected({{"chkOpt3", "1"}});
    QTest::newRow("random bytes") << Junk(4096, 1) << Expected({});
    QTest::newRow("random bytes around keys")
        << Junk(4096, 2) + "\n[Options]\ntxtMax0=5\n" + Junk(4096, 3) + "\n[Options]\nchkOpt1=1\n"
        << Expected({{"txtMax0", "5"}, {"chkOpt1", "1"}});
}

// Whatever the file holds, the options load, and the next save leaves a
// file that holds all ten keys, keeps the readable keys of other groups and
// reads cleanly with Qt's own reader.
void TestSettingsFiles::damagedFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, loaded);
    WriteFile(settingsPath, bytes + "\n[Other]\nkept=yes\n");

    StoredOptions options;
    {
        QSettingsStore store;
        options = LoadOptions(store, english);
        QCOMPARE(TextsOf(options), loaded);
        QVERIFY(SaveOptions(store, options));
    }
    VerifySavedFile(options);
    QCOMPARE(QtReaderOfSettingsFile()->value("Other/kept").toString(), QStringLiteral("yes"));
    QVERIFY(!ReadSettingsFile().contains("no equals sign"));
}

void TestSettingsFiles::textsMatchQtIniReader_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << QString();
    QTest::newRow("blanks around") << "  7 ";
    QTest::newRow("commas") << "1, 2,3";
    QTest::newRow("comment sign") << "5;6";
    QTest::newRow("equals sign") << "=5";
    QTest::newRow("quotes and backslashes") << R"("q\"\)";
    QTest::newRow("leading @") << R"x(@Variant(\0))x";
    QTest::newRow("leading @@") << "@@x";
    QTest::newRow("control characters") << "\t1\r\n\a\x01\x1f";
    QTest::newRow("NUL before digits") << QString::fromLatin1("\0"
                                                              "12",
                                                              3);
    QTest::newRow("group header") << "[Options]";
    QTest::newRow("non-ASCII") << QStringLiteral("\u00e9\u20ac\U0001F600\u007f");
    QTest::newRow("long") << QString(5000, QLatin1Char('9'));
}

// The file stays readable by Qt's INI reader both ways: what the store
// writes Qt reads back unchanged, and what Qt writes the store reads.
void TestSettingsFiles::textsMatchQtIniReader()
{
    QFETCH(QString, text);
    StoredOptions options = SampleOptions(1);
    options.txtMax[3] = text;
    {
        QSettingsStore store;
        QVERIFY(SaveOptions(store, options));
    }
    VerifySavedFile(options);

    cleanup();
    {
        QSettings qtWriter(settingsPath, QSettings::IniFormat);
        qtWriter.setValue("Options/txtMax0", text);
    }
    WriteFile(settingsPath, ReadSettingsFile());
    QSettingsStore store;
    QCOMPARE(store.Read(QStringLiteral("txtMax0"), QStringLiteral("default")), text);
}

void TestSettingsFiles::hugeFile()
{
    QByteArray bytes = "[Options]\nchkOpt3=1\n";
    for (quint32 block = 0; block < 20; ++block)
        bytes += Junk(1 << 20, block) + '\n';
    bytes += "\n[Options]\ntxtMax3=77\n";
    WriteFile(settingsPath, bytes);

    StoredOptions options;
    {
        QSettingsStore store;
        options = LoadOptions(store, english);
        QCOMPARE(TextsOf(options), Expected({{"chkOpt3", "1"}, {"txtMax3", "77"}}));
        options.chkOpt[0] = 0;
        QVERIFY(SaveOptions(store, options));
    }
    VerifySavedFile(options);
}

// An unreadable file is neither read nor overwritten: the save fails and
// the file keeps what it held.
void TestSettingsFiles::unreadableFile()
{
    if (geteuid() == 0)
        QSKIP("running as root, which reads a file whatever its permissions");
    const QByteArray bytes = "[Options]\nchkOpt1=1\n";
    WriteFile(settingsPath, bytes);
    QVERIFY(QFile::setPermissions(settingsPath, {}));
    {
        QSettingsStore store;
        const StoredOptions options = LoadOptions(store, english);
        QCOMPARE(TextsOf(options), Expected({}));
        QVERIFY(!SaveOptions(store, SampleOptions(2)));
    }
    QVERIFY(QFile::setPermissions(settingsPath, QFile::ReadOwner | QFile::WriteOwner));
    QCOMPARE(ReadSettingsFile(), bytes);
}

// A folder where the file should be: defaults, and a save that fails
// without touching the folder.
void TestSettingsFiles::settingsPathIsFolder()
{
    QVERIFY(QDir().mkpath(settingsPath + "/inside"));
    {
        QSettingsStore store;
        QCOMPARE(TextsOf(LoadOptions(store, english)), Expected({}));
        QVERIFY(!SaveOptions(store, SampleOptions(3)));
    }
    QVERIFY(QFileInfo(settingsPath + "/inside").isDir());
}

// Two copies of the program: the one that saves last leaves its options,
// whether the other saved from this process or from another one meanwhile.
void TestSettingsFiles::lastWriterWins()
{
    WriteFile(settingsPath, "[Options]\nchkOpt2=1\n");
    QSettingsStore first;
    QSettingsStore second;
    LoadOptions(first, english);
    LoadOptions(second, english);
    QVERIFY(SaveOptions(first, SampleOptions(4)));
    QVERIFY(SaveOptions(second, SampleOptions(5)));
    VerifySavedFile(SampleOptions(5));

    WriteFile(settingsPath, "[Options]\nchkOpt0=0\ntxtMax0=99\n[Other]\nkept=yes\n");
    QVERIFY(SaveOptions(first, SampleOptions(6)));
    VerifySavedFile(SampleOptions(6));
    QCOMPARE(QtReaderOfSettingsFile()->value("Other/kept").toString(), QStringLiteral("yes"));
}

QTEST_GUILESS_MAIN(TestSettingsFiles)
#include "tst_settingsfiles.moc"
