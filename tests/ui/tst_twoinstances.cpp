// Two copies of the program open at once over one settings file: the copy
// closed last leaves its options, and the file stays whole and readable.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestTwoInstances : public QObject
{
    Q_OBJECT

private:
    static void Start(QProcess &process, const QStringList &settings, const QString &closeWhen,
                      const QString &configHome)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", configHome);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(env);
        process.start(QCoreApplication::applicationDirPath() + "/instanceprobe",
                      settings + QStringList{"--close-when", closeWhen});
        QVERIFY(process.waitForStarted());
        QVERIFY(process.waitForReadyRead(20000));
        QCOMPARE(process.readAllStandardOutput().trimmed(), "ready");
    }
    static void CloseAndWait(QProcess &process, const QString &closeWhen)
    {
        QFile flag(closeWhen);
        QVERIFY(flag.open(QIODevice::WriteOnly));
        flag.close();
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(process.readAllStandardError().contains("could not be saved"), false);
    }

private Q_SLOTS:
    void theCopyClosedLastWins_data()
    {
        QTest::addColumn<bool>("firstClosesFirst");
        QTest::newRow("first opened closes first") << true;
        QTest::newRow("second opened closes first") << false;
    }
    void theCopyClosedLastWins()
    {
        QFETCH(bool, firstClosesFirst);
        QTemporaryDir home;
        QVERIFY(home.isValid());
        QProcess first;
        QProcess second;
        Start(first, {"chkOpt2=1", "txtMax2=33", "txtMax0=7"}, home.filePath("close-first"),
              home.path());
        Start(second, {"chkOpt0=0", "chkOpt3=1", "txtMax3=44"}, home.filePath("close-second"),
              home.path());

        QProcess &earlier = firstClosesFirst ? first : second;
        QProcess &later = firstClosesFirst ? second : first;
        CloseAndWait(earlier, home.filePath(firstClosesFirst ? "close-first" : "close-second"));
        CloseAndWait(later, home.filePath(firstClosesFirst ? "close-second" : "close-first"));

        QSettings file(home.filePath("Tallyfox/Tallyfox.conf"), QSettings::IniFormat);
        QCOMPARE(file.status(), QSettings::NoError);
        file.beginGroup("Options");
        QCOMPARE(file.childKeys().size(), 10);
        const QMap<QString, QString> fromFirst = {{"chkOpt0", "1"},  {"chkOpt2", "1"},
                                                  {"chkOpt3", "0"},  {"txtMax0", "7"},
                                                  {"txtMax2", "33"}, {"txtMax3", "10"}};
        const QMap<QString, QString> fromSecond = {{"chkOpt0", "0"},  {"chkOpt2", "0"},
                                                   {"chkOpt3", "1"},  {"txtMax0", "10"},
                                                   {"txtMax2", "10"}, {"txtMax3", "44"}};
        const QMap<QString, QString> &expected = firstClosesFirst ? fromSecond : fromFirst;
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QCOMPARE(file.value(it.key()).toString(), it.value());
    }
};

QTEST_GUILESS_MAIN(TestTwoInstances)
#include "tst_twoinstances.moc"
