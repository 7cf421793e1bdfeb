// Tests of the saved options over a store in memory: loading with the
// check-box text rule and the defaults, and saving all ten keys.
#include "options/qsettingsstore.h"
#include "options/storedvalues.h"
#include "tests/doubles/memorysettingsstore.h"

#include <QTest>

using StoredMap = QMap<QString, QString>;

Q_DECLARE_METATYPE(StoredMap)

namespace {

// The ten options as texts in key order, joined by "|".
QString TextsOf(const StoredOptions &options)
{
    QStringList texts;
    for (int value : options.chkOpt)
        texts << QString::number(value);
    texts << QString::number(options.chkAllowNegative) << QString::number(options.chkScore);
    return (texts + QStringList(options.txtMax.begin(), options.txtMax.end())).join('|');
}

// "key=text;key=text" as a stored section.
StoredMap MapOf(const QString &pairs)
{
    StoredMap map;
    for (const QString &pair : pairs.split(';', Qt::SkipEmptyParts))
        map.insert(pair.section('=', 0, 0), pair.section('=', 1));
    return map;
}

} // namespace

class TestStoredValues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A check-box text is read as one number, blanks around it allowed, and
    // rounded with ties to even; one that gives no Value from 0 to 2 takes the
    // key's default. A box text loads as stored.
    void load_data()
    {
        QTest::addColumn<QString>("stored"); // key=text;key=text
        QTest::addColumn<QString>("loaded");
        const auto row = [](const char *name, const char *stored, const char *loaded) {
            QTest::newRow(name) << QString(stored) << QString(loaded);
        };
        const char *defaults = "1|0|0|0|0|1|10|10|10|10";
        row("empty store", "", defaults);
        row("ties to even, blanks", "chkOpt0=0.5;chkOpt1=1.5;chkOpt2=2.5;chkOpt3= 1 ;chkScore=-0.4",
            "0|2|2|1|0|0|10|10|10|10");
        row("unusable check texts",
            "chkOpt0=abc;chkOpt1=2.6;chkOpt2=-1;chkOpt3=70000;chkAllowNegative=1a;chkScore=",
            defaults);
        row("some keys, an emptied box", "chkOpt0=0;chkAllowNegative=2;txtMax2=;txtMax3=1234567",
            "0|0|0|0|2|1|10|10||1234567");
    }

    void load()
    {
        QFETCH(QString, stored);
        QFETCH(QString, loaded);
        MemorySettingsStore store;
        store.values = MapOf(stored);
        QCOMPARE(TextsOf(loadOptions(store, QLocale::English)), loaded);
        QCOMPARE(store.values, MapOf(stored)); // loading writes nothing
    }

    void save()
    {
        StoredOptions options;
        options.chkOpt = {0, 1, 2, 1};
        options.chkAllowNegative = 1;
        options.txtMax = {" abc ", "1234567", "", "12"};
        MemorySettingsStore store;
        QVERIFY(saveOptions(store, options));
        QCOMPARE(store.values,
                 MapOf("chkOpt0=0;chkOpt1=1;chkOpt2=2;chkOpt3=1;chkAllowNegative=1;"
                       "chkScore=0;txtMax0= abc ;txtMax1=1234567;txtMax2=;txtMax3=12"));
        QCOMPARE(TextsOf(loadOptions(store, QLocale::English)), TextsOf(options));
        store.failCommit = true;
        QVERIFY(!saveOptions(store, options));
        QCOMPARE(store.commitCount, 2);
        QVERIFY(QSettingsStore().location().endsWith("/Tallyfox/Tallyfox.conf"));
    }
};

QTEST_GUILESS_MAIN(TestStoredValues)
#include "tst_storedvalues.moc"
