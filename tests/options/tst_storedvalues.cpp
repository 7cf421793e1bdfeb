// Tests of the saved options: the check-box text rule, loading with
// defaults, saving all ten keys, and a round trip through the real store.
#include "options/memorysettingsstore.h"
#include "options/qsettingsstore.h"
#include "options/storedvalues.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using StoredMap = QMap<QString, QString>;

Q_DECLARE_METATYPE(StoredMap)

class TestStoredValues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void checkValueFromText_data();
    void checkValueFromText();
    void load_data();
    void load();
    void save();
    void saveReportsFailedCommit();
    void settingsRoundTrip_data();
    void settingsRoundTrip();
    void settingsFileWrittenByHand();

private:
    void RemoveSettingsFile();
    void ForgetCachedSettings();

    QTemporaryDir m_configDir;
};

namespace {

const QLocale english(QLocale::English);

// The options as ten texts in key order, as the store would hold them.
QStringList TextsOf(const StoredOptions &options)
{
    QStringList texts;
    for (int value : options.chkOpt)
        texts << QString::number(value);
    texts << QString::number(options.chkAllowNegative) << QString::number(options.chkScore);
    for (const QString &text : options.txtMax)
        texts << text;
    return texts;
}

StoredOptions SampleOptions(const QString &text)
{
    StoredOptions options;
    options.chkOpt = {0, 1, 2, 1};
    options.chkAllowNegative = 1;
    options.chkScore = 0;
    options.txtMax = {text, QStringLiteral("12"), text + text, QString()};
    return options;
}

} // namespace

void TestStoredValues::initTestCase()
{
    // CTest gives each test its own configuration folder; run by hand the
    // test makes one so that it never touches the user's settings.
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME")) {
        QVERIFY(m_configDir.isValid());
        qputenv("XDG_CONFIG_HOME", m_configDir.path().toLocal8Bit());
    }
    QVERIFY(QSettingsStore().Location().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
}

void TestStoredValues::RemoveSettingsFile()
{
    const QString file = QSettingsStore().Location();
    QVERIFY(!QFile::exists(file) || QFile::remove(file));
}

// QSettings keeps a file it has seen in memory and reads it again only when
// its time stamp changes; moving the stamp makes the next store parse what
// is really on disk.
void TestStoredValues::ForgetCachedSettings()
{
    QFile file(QSettingsStore().Location());
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                             QFileDevice::FileModificationTime));
}

void TestStoredValues::checkValueFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("german");
    QTest::addColumn<int>("value"); // -1: cannot be put into a box

    QTest::newRow("blanks around") << " 1 " << false << 1;
    QTest::newRow("0") << "0" << false << 0;
    QTest::newRow("1") << "1" << false << 1;
    QTest::newRow("greyed") << "2" << false << 2;
    QTest::newRow("1.5 to even") << "1.5" << false << 2;
    QTest::newRow("0.5 to even") << "0.5" << false << 0;
    QTest::newRow("2.5 to even") << "2.5" << false << 2;
    QTest::newRow("1.4") << "1.4" << false << 1;
    QTest::newRow("small negative rounds to 0") << "-0.4" << false << 0;
    QTest::newRow("2.6 rounds to 3") << "2.6" << false << -1;
    QTest::newRow("3") << "3" << false << -1;
    QTest::newRow("-1") << "-1" << false << -1;
    QTest::newRow("letters") << "abc" << false << -1;
    QTest::newRow("empty") << "" << false << -1;
    QTest::newRow("blanks") << "  " << false << -1;
    QTest::newRow("beyond 16 bits") << "70000" << false << -1;
    QTest::newRow("digit then letter") << "1a" << false << -1;
    QTest::newRow("decimal comma in German") << "1,5" << true << 2;
    QTest::newRow("decimal point in German") << "1.5" << true << -1;
}

void TestStoredValues::checkValueFromText()
{
    QFETCH(QString, text);
    QFETCH(bool, german);
    QFETCH(int, value);

    const std::optional<int> result =
        CheckValueFromText(text, QLocale(german ? QLocale::German : QLocale::English));
    QCOMPARE(result.value_or(-1), value);
}

void TestStoredValues::load_data()
{
    QTest::addColumn<StoredMap>("stored");
    QTest::addColumn<QStringList>("expected");

    const QStringList defaults = {"1", "0", "0", "0", "0", "1", "10", "10", "10", "10"};
    QTest::newRow("empty store") << StoredMap{} << defaults;
    QTest::newRow("everything stored")
        << StoredMap{{"chkOpt0", "0"},    {"chkOpt1", "1"},          {"chkOpt2", "1"},
                     {"chkOpt3", "1"},    {"chkAllowNegative", "1"}, {"chkScore", "0"},
                     {"txtMax0", "5"},    {"txtMax1", "abc"},        {"txtMax2", " 7 "},
                     {"txtMax3", "99999"}}
        << QStringList{"0", "1", "1", "1", "1", "0", "5", "abc", " 7 ", "99999"};
    QTest::newRow("emptied box stays empty")
        << StoredMap{{"txtMax2", ""}}
        << QStringList{"1", "0", "0", "0", "0", "1", "10", "10", "", "10"};
    QTest::newRow("some keys only")
        << StoredMap{{"chkOpt0", "0"}, {"chkOpt2", "1"}, {"txtMax2", "12"}}
        << QStringList{"0", "0", "1", "0", "0", "1", "10", "10", "12", "10"};
    QTest::newRow("bad check texts take their defaults")
        << StoredMap{{"chkOpt0", "abc"}, {"chkOpt1", "1"},  {"chkOpt3", "7"},
                     {"chkScore", "-1"}, {"txtMax0", "33"}, {"chkAllowNegative", "1"}}
        << QStringList{"1", "1", "0", "0", "1", "1", "33", "10", "10", "10"};
    QTest::newRow("blanks around a check digit")
        << StoredMap{{"chkOpt1", " 1 "}, {"chkOpt0", " 0"}}
        << QStringList{"0", "1", "0", "0", "0", "1", "10", "10", "10", "10"};
    QTest::newRow("greyed box") << StoredMap{{"chkOpt0", "2"}}
                                << QStringList{"2", "0",  "0",  "0",  "0",
                                               "1", "10", "10", "10", "10"};
    QTest::newRow("long box text loads whole")
        << StoredMap{{"txtMax3", "1234567"}}
        << QStringList{"1", "0", "0", "0", "0", "1", "10", "10", "10", "1234567"};
    QTest::newRow("unknown keys ignored")
        << StoredMap{{"txtMax4", "3"}, {"chkopt1", "1"}, {"TXTMAX0", "4"}} << defaults;
}

void TestStoredValues::load()
{
    QFETCH(StoredMap, stored);
    QFETCH(QStringList, expected);

    MemorySettingsStore store;
    store.values = stored;
    QCOMPARE(TextsOf(LoadOptions(store, english)), expected);
    QCOMPARE(store.values, stored); // loading writes nothing
}

void TestStoredValues::save()
{
    MemorySettingsStore store;
    StoredOptions options = SampleOptions(QStringLiteral(" abc "));
    options.txtMax[1] = QStringLiteral("1234567");
    QVERIFY(SaveOptions(store, options));
    QCOMPARE(store.commitCount, 1);
    const StoredMap expected = {
        {"chkOpt0", "0"},     {"chkOpt1", "1"},       {"chkOpt2", "2"},
        {"chkOpt3", "1"},     {"chkScore", "0"},      {"chkAllowNegative", "1"},
        {"txtMax0", " abc "}, {"txtMax1", "1234567"}, {"txtMax2", " abc  abc "},
        {"txtMax3", ""},
    };
    QCOMPARE(store.values, expected);
    QCOMPARE(TextsOf(LoadOptions(store, english)), TextsOf(options));

    // Saving again replaces every value, changed or not.
    QVERIFY(SaveOptions(store, StoredOptions{}));
    QCOMPARE(store.commitCount, 2);
    QCOMPARE(store.values.size(), 10);
    QCOMPARE(store.values.value("chkOpt1"), QStringLiteral("0"));
    QCOMPARE(store.values.value("txtMax0"), QString());
}

void TestStoredValues::saveReportsFailedCommit()
{
    MemorySettingsStore store;
    store.failCommit = true;
    QVERIFY(!SaveOptions(store, SampleOptions(QStringLiteral("5"))));
    QCOMPARE(store.commitCount, 1);
}

void TestStoredValues::settingsRoundTrip_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << QString();
    QTest::newRow("blanks around") << " 7 ";
    QTest::newRow("comma") << "1,2";
    QTest::newRow("equals sign") << "a=b";
    QTest::newRow("brackets") << "[x]";
    QTest::newRow("comment marks") << ";#";
    QTest::newRow("quotes") << "\"q\"";
    QTest::newRow("backslash") << "back\\slash";
    QTest::newRow("variant syntax") << "@Invalid()";
    QTest::newRow("non-ASCII") << QStringLiteral("\u00E4\u00E4\u00F6");
    QTest::newRow("line break") << "1\n2";
    QTest::newRow("1000 characters") << QString(1000, QLatin1Char('w'));
}

void TestStoredValues::settingsRoundTrip()
{
    QFETCH(QString, text);
    RemoveSettingsFile();

    const StoredOptions saved = SampleOptions(text);
    {
        QSettingsStore store;
        QVERIFY(SaveOptions(store, saved));
        // On disk once saved, not only when the store goes away.
        QVERIFY(QFile::exists(store.Location()));
        QVERIFY(store.Location().endsWith(QStringLiteral("Tallyfox/Tallyfox.conf")));
    }
    ForgetCachedSettings();
    QSettingsStore store;
    const StoredOptions loaded = LoadOptions(store, english);
    QCOMPARE(TextsOf(loaded), TextsOf(saved));
}

// A store edited by hand: only some keys, blanks around a check digit,
// another group that must not be read.
void TestStoredValues::settingsFileWrittenByHand()
{
    RemoveSettingsFile();
    const QString file = QSettingsStore().Location();
    QVERIFY(QDir().mkpath(QFileInfo(file).path()));
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Text));
    // An unquoted comma makes QSettings read a list; its parts come back joined.
    out.write("[Options]\nchkOpt0=0\nchkOpt2= 1 \ntxtMax1=7,5\ntxtMax2=12\ntxtMax3=\n"
              "[Other]\nchkOpt1=1\n");
    out.close();
    ForgetCachedSettings();

    QSettingsStore store;
    QCOMPARE(TextsOf(LoadOptions(store, english)),
             QStringList({"0", "0", "1", "0", "0", "1", "10", "7, 5", "12", ""}));
}

QTEST_GUILESS_MAIN(TestStoredValues)
#include "tst_storedvalues.moc"
