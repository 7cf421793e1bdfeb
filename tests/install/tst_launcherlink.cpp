// The program folder is the real executable's folder however the program is started.
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestLauncherLink : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void programFolder_data()
    {
        QTest::addColumn<bool>("throughLink");
        QTest::addColumn<bool>("relativeLink");
        QTest::newRow("started directly") << false << false;
        QTest::newRow("absolute link elsewhere") << true << false;
        QTest::newRow("relative link, as installed") << true << true;
    }

    void programFolder()
    {
        QFETCH(bool, throughLink);
        QFETCH(bool, relativeLink);
        const QString probe = QCoreApplication::applicationDirPath() + "/programfolderprobe";
        QVERIFY(QFileInfo(probe).isExecutable());

        QTemporaryDir elsewhere;
        QVERIFY(elsewhere.isValid());
        QString command = probe;
        if (throughLink) {
            command = elsewhere.filePath(QStringLiteral("tallyfox"));
            const QString target =
                relativeLink ? QDir(elsewhere.path()).relativeFilePath(probe) : probe;
            QVERIFY(QFile::link(target, command));
        }

        QProcess process;
        process.setWorkingDirectory(elsewhere.path());
        process.start(command, {});
        QVERIFY(process.waitForFinished());
        QCOMPARE(process.exitCode(), 0);
        const QString folder = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
        QCOMPARE(QFileInfo(folder).canonicalFilePath(), QFileInfo(probe).canonicalPath());
        for (const char *picture : {"blank.jpg", "right.jpg", "wrong.jpg"}) {
            QVERIFY2(QFileInfo::exists(folder + '/' + picture), picture);
        }
    }
};

QTEST_GUILESS_MAIN(TestLauncherLink)
#include "tst_launcherlink.moc"
