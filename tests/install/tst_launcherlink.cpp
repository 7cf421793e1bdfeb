// The program folder is the real executable's folder however the program is started.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestLauncherLink : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Started directly, through a link elsewhere, and through a relative link as installed.
    void programFolder()
    {
        const QString probe = QCoreApplication::applicationDirPath() + "/programfolderprobe";
        QTemporaryDir elsewhere;
        const QString link = elsewhere.filePath("tallyfox");
        QVERIFY(QFile::link(QDir(elsewhere.path()).relativeFilePath(probe), link));
        QVERIFY(QFile::link(probe, link + "-absolute"));
        for (const QString &command : {probe, link, link + "-absolute"}) {
            QProcess process;
            process.setWorkingDirectory(elsewhere.path());
            process.start(command, {});
            QVERIFY2(process.waitForFinished() && process.exitCode() == 0, qPrintable(command));
            const QString folder = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
            QCOMPARE(QFileInfo(folder).canonicalFilePath(), QFileInfo(probe).canonicalPath());
            for (const char *picture : {"blank.jpg", "right.jpg", "wrong.jpg"})
                QVERIFY2(QFileInfo::exists(folder + '/' + picture), picture);
        }
    }
};

QTEST_GUILESS_MAIN(TestLauncherLink)
#include "tst_launcherlink.moc"
