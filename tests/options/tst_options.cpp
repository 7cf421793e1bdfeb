// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Tests of the options: the check made before each new question, and the
// real settings file under damage and hostile texts. Every file loads without
// a crash, keeps the keys that can be read, and after the next save reads back
// whole, by this program's reader and by Qt's own INI reader alike.
#include "options/optionvalues.h"
#include "options/qsettingsstore.h"
#include "options/settingsfileformat.h"
#include "tests/doubles/memorysettingsstore.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr CheckValue U = CheckValue::Unticked, T = CheckValue::Ticked, G = CheckValue::Greyed;
// The options of a first run.
const OptionValues firstRun = {{T, U, U, U}, U, T, {"10", "10", "10", "10"}};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

// What QCOMPARE prints for the option types.
// The check boxes' Values, then the largest numbers in quotes.
char *toString(const OptionValues &v)
{
    QStringList parts;
    for (CheckValue box : v.chkOpt)
        parts << checkValueText(box);
    parts << checkValueText(v.chkAllowNegative) << checkValueText(v.chkScore);
    for (const QString &text : v.txtMax)
        parts << '"' + text + '"';
    return qstrdup(qPrintable(parts.join(' ')));
}

char *toString(const OptionCheck &c)
{
    QStringList parts(c.noSelection ? "no selection" : "");
    for (Operation op : c.failingBoxes)
        parts << "failing " + operationName(op);
    for (Operation op : allOperations)
        if (c.choice && c.choice->largest[indexOf(op)])
            parts << operationName(op) + ' ' + QString::number(*c.choice->largest[indexOf(op)]);
    return qstrdup(qPrintable(parts.join(", ")));
}

class TestOptions : public QObject
{
    Q_OBJECT

    QTemporaryDir m_configDir;

private Q_SLOTS:
    // A box is checked when its operation is ticked (Value 1) and fails when
    // its text is not a usable largest number; no operation ticked (greyed is
    // not ticked) is reported too. Otherwise the ticked operations, each with
    // its largest number, are what a question is drawn from.
    void panelCheck_data()
    {
        QTest::addColumn<OptionValues>("panel");
        QTest::addColumn<OptionCheck>("outcome"); // no selection, failing boxes, choice
        using O = Operation;
        const auto none = std::nullopt;
        const auto row = [](const char *name, const OptionValues &panel,
                            const OptionCheck &outcome) {
            QTest::newRow(name) << panel << outcome;
        };
        row("bounds", {{T, T, T, T}, U, U, {"1", "99999", "0", "100000"}},
            {false, {O::Multiplication, O::Division}, none});
        row("not numbers", {{T, T, T, T}, U, U, {"", "12a", "0.5", "2,5"}},
            {false, {O::Addition, O::Subtraction, O::Multiplication, O::Division}, none});
        row("nothing ticked", {{U, U, U, U}, U, U, {"abc", "", "0", "-1"}}, {true, {}, none});
        row("unticked box unread", {{T, T, T, U}, U, U, {"00005", " 7", "2.5", "abc"}},
            {false, {}, PracticeChoice{{5.0, 7.0, 2.5, none}}});
        row("greyed only", {{G, G, U, U}, U, U, {"10", "10", "abc", "abc"}}, {true, {}, none});
        row("greyed and ticked", {{G, T, U, U}, U, U, {"abc", "99999", "10", "10"}},
            {false, {}, PracticeChoice{{none, 99999.0, none, none}}});
    }

    void panelCheck()
    {
        QFETCH(OptionValues, panel);
        QFETCH(OptionCheck, outcome);
        QCOMPARE(panel.check(QLocale::c()), outcome);
    }

    // The largest numbers show in the pupil's digits, are checked in them,
    // and are saved in ASCII ones, so the file reads the same in any language.
    void largestNumbersInPupilDigits()
    {
        const PupilLocale egypt(QLocale("ar_EG"));
        MemorySettingsStore store;
        store.values.insert("txtMax0", "10");
        store.values.insert("txtMax1", "1e2 x");
        const OptionValues loaded = OptionValues::load(store, egypt);
        QCOMPARE(loaded, OptionValues({{T, U, U, U}, U, T, {"١٠", "١e٢ x", "١٠", "١٠"}}));
        QCOMPARE(loaded.check(egypt.locale()).choice->largest[0], 10.0);
        QVERIFY(loaded.save(store, egypt));
        QCOMPARE(store.values.value("txtMax0") + '|' + store.values.value("txtMax1"), "10|1e2 x");
    }

    void initTestCase()
    {
        // Run by hand, outside CTest, the test must not touch the user's
        // settings; nor does it read the machine's presets.
        if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"))
            qputenv("XDG_CONFIG_HOME", m_configDir.path().toLocal8Bit());
        qputenv("XDG_CONFIG_DIRS", m_configDir.filePath("school").toLocal8Bit());
    }

    void loadAndSave_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<OptionValues>("loaded"); // chkOpt, chkAllowNegative, chkScore, txtMax
        const auto file = [](const char *name, const QByteArray &bytes,
                             const OptionValues &loaded) {
            QTest::newRow(name) << bytes << loaded;
        };
        // A check-box text is one number rounded with ties to even; one that
        // gives no Value from 0 to 2 takes the key's default.
        file("check texts", "chkOpt0=0.5\nchkOpt1=1.5\nchkOpt2=2.5\nchkOpt3=\" 1 \"\nchkScore=0",
             {{U, G, G, T}, U, U, {"10", "10", "10", "10"}});
        file("unusable check texts", "chkOpt0=abc\nchkOpt1=3\nchkOpt2=-1\nchkScore=1a", firstRun);
        file("greyed, emptied box, comments, no =",
             "chkAllowNegative=2\ntxtMax2=\ntxtMax3=1234567\n;txtMax1=9\njunk\n txtMax1 = 7 ; 8",
             {{T, U, U, U}, G, T, {"10", "7", "", "1234567"}});
        // Qt's own reader would reserve room for 2^31 strings for the first,
        // and run out of stack on the 100000 lists nested in each other.
        file("typed values, binary",
             "txtMax0=@Rect(1 2)\ntxtMax1=@Variant(\\0\\0\\0\\xb\\x7f\\xff\\xff\\xff)\ntxtMax2="
             "@Variant(" +
                 QByteArray(R"(\0\0\0\t\0\0\0\x1)").repeated(100000) +
                 QByteArrayLiteral(")\n\0\x7f\xfe\n\0junk\0=\0\nchkOpt3=1\r\n"),
             {{T, U, U, T}, U, T, {"10", "10", "10", "10"}});
        // Texts as Qt's own INI writer puts them: quoted, escaped, "@" doubled.
        // Each character that needs the quotes stands alone in its text, so
        // that another one cannot bring them.
        file("blanks, commas, quotes",
             "txtMax0=\" 7\"\ntxtMax1=\"7 \"\ntxtMax2=\"1, 2,3\"\ntxtMax3=q\\\"\\\\",
             {{T, U, U, U}, U, T, {" 7", "7 ", "1, 2,3", "q\"\\"}});
        file("separators, header, @",
             "txtMax0=\"5;6#7\"\ntxtMax1=[Options]\ntxtMax2=@@Variant(\\\\0)\ntxtMax3=\"=\"",
             {{T, U, U, U}, U, T, {"5;6#7", "[Options]", "@Variant(\\0)", "="}});
        // Last, one text with every character the format treats specially.
        file("non-ASCII, controls, NUL",
             "txtMax0=\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80\ntxtMax1=\\t1\\r\\n\\a\\x1\\x1f\n"
             "txtMax2=@String(\\0\\x31\\x32)\ntxtMax3=\"@@ ;,=#[]\\\"\\\\\\xfeff\\t \"",
             {{T, U, U, U},
              U,
              T,
              {QStringLiteral("\u00e9\u20ac\U0001F600"), "\t1\r\n\a\x01\x1f",
               QString(QChar()) + "12", QStringLiteral("@ ;,=#[]\"\\\uFEFF\t ")}});
    }

    // Load and save over the file, then read copies of it with this program's
    // reader and with Qt's: each key's text as saved, and the other group kept.
    void loadAndSave()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(OptionValues, loaded);
        // A byte order mark first, as some editors write: the first group's
        // header follows it.
        const QString path = m_configDir.filePath(QTest::currentDataTag());
        writeFile(path, "\xef\xbb\xbf[Other]\nkept=yes\n[Options]\n" + bytes);
        QSettingsStore store(path);
        QCOMPARE(OptionValues::load(store), loaded);
        QVERIFY(loaded.save(store));
        MemorySettingsStore texts; // each key's text, as saved
        loaded.save(texts);
        QVERIFY(QFile::copy(path, path + ".conf") && QFile::copy(path, path + ".ini"));
        QSettings ours(path + ".conf", SettingsFileFormat::format());
        QSettings qt(path + ".ini", QSettings::IniFormat);
        for (const QSettings *reader : {&ours, &qt}) {
            for (auto it = texts.values.cbegin(); it != texts.values.cend(); ++it)
                QCOMPARE(reader->value("Options/" + it.key()), QVariant(it.value()));
            QCOMPARE(reader->value("Other/kept"), QVariant("yes"));
            QCOMPARE(reader->status(), QSettings::NoError);
        }
    }

    // A folder where the file should be: defaults, and a save that fails
    // without touching the folder.
    void folderInPlaceOfFile()
    {
        const QString path = m_configDir.filePath("folder");
        QVERIFY(QDir().mkpath(path + "/inside"));
        QSettingsStore store(path);
        QCOMPARE(OptionValues::load(store), firstRun);
        QVERIFY(!OptionValues().save(store));
        QVERIFY(QFileInfo(path + "/inside").isDir());
    }

    // A school presets the options for all its pupils in the program's file
    // under XDG_CONFIG_DIRS: a pupil's empty file gives them, and the pupil's
    // own choices win once saved.
    void schoolPreset()
    {
        const QString preset = m_configDir.filePath("school/Tallyfox/Tallyfox.conf");
        QVERIFY(QDir().mkpath(QFileInfo(preset).path()));
        writeFile(preset, "[Options]\nchkOpt1=1\ntxtMax1=20\nchkScore=0\n");
        const QString own = QSettingsStore().location();
        QVERIFY(QDir().mkpath(QFileInfo(own).path()));
        writeFile(own, "");
        OptionValues pupil = {{T, T, U, U}, U, U, {"10", "20", "10", "10"}};
        QSettingsStore store;
        QCOMPARE(OptionValues::load(store), pupil);
        pupil.txtMax[1] = "7";
        QVERIFY(pupil.save(store));
        QSettingsStore again;
        QCOMPARE(OptionValues::load(again), pupil);
    }
};

QTEST_GUILESS_MAIN(TestOptions)
#include "tst_options.moc"
