// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Tests of the options: the check made before each new question, and the
// real settings file under damage and hostile texts. Every
// file loads without a crash, keeps the keys that can be read, and after the
// next save reads back whole, by the store and by Qt's own INI reader alike.
#include "options/optionvalidation.h"
#include "options/qsettingsstore.h"
#include "options/storedvalues.h"

#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList names = {"chkOpt0",  "chkOpt1", "chkOpt2", "chkOpt3", "chkAllowNegative",
                           "chkScore", "txtMax0", "txtMax1", "txtMax2", "txtMax3"};

QStringList textsOf(const StoredOptions &options)
{
    QStringList texts;
    for (int value : options.chkOpt)
        texts << checkValueText(value);
    texts << checkValueText(options.chkAllowNegative) << checkValueText(options.chkScore);
    return texts << QStringList(options.txtMax.begin(), options.txtMax.end());
}

// The ten texts of a first run, with the keys changed as "key=text" says.
QStringList expected(const QStringList &changes = {})
{
    QStringList texts = QString("1 0 0 0 0 1 10 10 10 10").split(' ');
    for (const QString &change : changes)
        texts[names.indexOf(change.section('=', 0, 0))] = change.section('=', 1);
    return texts;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// QSettings shares what it parsed of a file across the process and parses it
// again only when the file's time stamp changes, so each write gets its own.
void writeFile(const QString &path, const QByteArray &bytes)
{
    static int step = 0;
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600 - ++step),
                             QFileDevice::FileModificationTime));
}

} // namespace

class TestOptions : public QObject
{
    Q_OBJECT

    QTemporaryDir m_configDir;
    QString m_path;

private Q_SLOTS:
    // A box is checked when its operation is ticked (Value 1) and fails when
    // its text is not a usable largest number; no operation ticked (greyed is
    // not ticked) is reported too.
    void panelCheck_data()
    {
        QTest::addColumn<QString>("checks"); // chkOpt Values; 2 is greyed
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<int>>("problems"); // -1 no selection, then failing boxes
        const auto row = [](const char *name, const char *checks, const QStringList &texts,
                            const QList<int> &problems) {
            QTest::newRow(name) << QString(checks) << texts << problems;
        };
        row("bounds", "1111", {"1", "99999", "0", "100000"}, {2, 3});
        row("not numbers", "1111", {"", "12a", "0.5", "2,5"}, {0, 1, 2, 3});
        row("nothing ticked", "0000", {"abc", "", "0", "-1"}, {-1});
        row("disabled box unread", "1110", {"10", "5", "7", "abc"}, {});
        row("greyed only", "2200", {"10", "10", "abc", "abc"}, {-1});
        row("greyed and ticked", "2100", {"10", "10", "10", "10"}, {});
    }

    void panelCheck()
    {
        QFETCH(QString, checks);
        QFETCH(QStringList, texts);
        QFETCH(QList<int>, problems);
        OptionPanelValues panel;
        for (int i = 0; i < operationCount; ++i) {
            panel.checkValues[i] = checks[i].digitValue();
            panel.boxEnabled[i] = checks[i] == '1';
            panel.largestTexts[i] = texts[i];
        }
        const OptionCheckOutcome outcome = checkOptions(panel, QLocale::c());
        QCOMPARE((outcome.noSelection ? QList{-1} : QList<int>()) + outcome.failingBoxes, problems);
        QCOMPARE(outcome.valid(), problems.isEmpty());
    }

    void initTestCase()
    {
        // Run by hand, outside CTest, the test must not touch the user's settings.
        if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"))
            qputenv("XDG_CONFIG_HOME", m_configDir.path().toLocal8Bit());
        m_path = QSettingsStore().location();
        QVERIFY(m_path.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
        QVERIFY(m_path.endsWith("/Tallyfox/Tallyfox.conf"));
        QVERIFY(QDir().mkpath(QFileInfo(m_path).path()));
    }

    void loadAndSave_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("loaded");
        const auto file = [](const char *name, const QByteArray &bytes,
                             const QStringList &changes) {
            QTest::newRow(name) << bytes << expected(changes);
        };
        // A check-box text is one number rounded with ties to even; one that
        // gives no Value from 0 to 2 takes the key's default.
        file("check texts", "chkOpt0=0.5\nchkOpt1=1.5\nchkOpt2=2.5\nchkOpt3=\" 1 \"\nchkScore=0",
             {"chkOpt0=0", "chkOpt1=2", "chkOpt2=2", "chkOpt3=1", "chkScore=0"});
        file("unusable check texts", "chkOpt0=abc\nchkOpt1=3\nchkOpt2=-1\nchkScore=1a", {});
        file("greyed, emptied box", "chkAllowNegative=2\ntxtMax2=\ntxtMax3=1234567",
             {"chkAllowNegative=2", "txtMax2=", "txtMax3=1234567"});
        file("comments, no =", ";txtMax1=9\njunk\ntxtMax1=7 ; 8", {"txtMax1=7"});
        file("typed values", "txtMax2=@Rect(1 2)\ntxtMax3=@Variant(x", {"txtMax3=@Variant(x"});
        // Qt's own reader would reserve room for 2^31 strings for the first,
        // and run out of stack on the 100000 lists nested in each other.
        file("variant of 2^31 strings", R"(txtMax1=@Variant(\0\0\0\xb\x7f\xff\xff\xff))", {});
        file("variant nested deeply",
             "txtMax2=@Variant(" + QByteArray(R"(\0\0\0\t\0\0\0\x1)").repeated(100000) + ")", {});
        file("binary", QByteArrayLiteral("\0\x7f\xfe\n\0junk\0=\0\nchkOpt3=1"), {"chkOpt3=1"});
        // Texts as Qt's own INI writer puts them: quoted, escaped, "@" doubled.
        file("blanks, commas, quotes",
             "txtMax0=\ntxtMax1=\"  7 \"\ntxtMax2=\"1, 2,3\"\ntxtMax3=q\\\"\\\\",
             {"txtMax0=", "txtMax1=  7 ", "txtMax2=1, 2,3", "txtMax3=q\"\\"});
        file("separators, header, @",
             "txtMax0=\"=5;6#7\"\ntxtMax1=[Options]\ntxtMax2=@@Variant(\\\\0)\ntxtMax3=@@",
             {"txtMax0==5;6#7", "txtMax1=[Options]", R"x(txtMax2=@Variant(\0))x", "txtMax3=@"});
        file("non-ASCII, controls, NUL",
             "txtMax0=\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80\ntxtMax1=\\t1\\r\\n\\a\\x1\\x1f\n"
             "txtMax2=@String(\\0\\x31\\x32)",
             {QStringLiteral("txtMax0=\u00e9\u20ac\U0001F600"), "txtMax1=\t1\r\n\a\x01\x1f",
              "txtMax2=" + QString(QChar()) + "12"});
    }

    // Load, save over the file, then read the file again with the store and
    // with Qt's reader, from a copy that shares nothing the store parsed.
    void loadAndSave()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, loaded);
        writeFile(m_path, "[Other]\nkept=yes\n[Options]\n" + bytes);
        {
            QSettingsStore store;
            const StoredOptions options = loadOptions(store);
            QCOMPARE(textsOf(options), loaded);
            QVERIFY(saveOptions(store, options));
        }
        writeFile(m_path, readAll(m_path));
        QSettingsStore reread;
        QCOMPARE(textsOf(loadOptions(reread)), loaded);
        writeFile(m_path + ".copy", readAll(m_path));
        QSettings qtReader(m_path + ".copy", QSettings::IniFormat);
        for (qsizetype i = 0; i < names.size(); ++i)
            QCOMPARE(qtReader.value("Options/" + names[i]), QVariant(loaded[i]));
        QCOMPARE(qtReader.value("Other/kept"), QVariant("yes"));
        QCOMPARE(qtReader.status(), QSettings::NoError);
    }

    // A folder where the file should be: defaults, and a save that fails
    // without touching the folder. Last, since the store keeps what it could
    // not save for the rest of the run.
    void folderInPlaceOfFile()
    {
        QFile::remove(m_path);
        QVERIFY(QDir().mkpath(m_path + "/inside"));
        {
            QSettingsStore store;
            QCOMPARE(textsOf(loadOptions(store)), expected());
            QVERIFY(!saveOptions(store, StoredOptions{}));
        }
        QVERIFY(QFileInfo(m_path + "/inside").isDir());
        QVERIFY(QDir(m_path).removeRecursively());
    }
};

QTEST_GUILESS_MAIN(TestOptions)
#include "tst_options.moc"
