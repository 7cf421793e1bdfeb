// Two copies of the program open at once over one settings file: the copy
// closed last leaves its options, and the file stays whole. The copies are
// this test program started again with "--instance".
#include "options/qsettingsstore.h"
#include "ui/main/mainwindow.h"
#include "ui/main/usermessages.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestTwoInstances : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theCopyClosedLastWins()
    {
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", home.path());
        QProcess copies[2];
        const QStringList options[2] = {{"chkOpt2", "txtMax2=33", "txtMax0=7"},
                                        {"chkOpt0", "chkOpt3", "txtMax3=44"}};
        for (int i = 0; i < 2; ++i) {
            copies[i].setProcessEnvironment(env);
            copies[i].start(QCoreApplication::applicationFilePath(),
                            QStringList{"--instance"} + options[i]);
            QVERIFY(copies[i].waitForReadyRead(20000));
        }
        for (int i : {1, 0}) { // the second opened closes first
            copies[i].write("\n");
            QVERIFY(copies[i].waitForFinished(20000));
            QCOMPARE(copies[i].readAllStandardOutput() + char('0' + copies[i].exitCode()),
                     "ready\nsaved\n0");
        }
        QSettings file(home.filePath("Tallyfox/Tallyfox.conf"), QSettings::IniFormat);
        file.beginGroup("Options");
        QStringList seen = file.childKeys();
        for (const char *key : {"chkOpt0", "chkOpt2", "chkOpt3", "txtMax0", "txtMax2", "txtMax3"})
            seen << file.value(key).toString();
        QCOMPARE(seen.join(' '), "chkAllowNegative chkOpt0 chkOpt1 chkOpt2 chkOpt3 chkScore "
                                 "txtMax0 txtMax1 txtMax2 txtMax3 1 1 0 7 33 10");
    }
};

// A running copy: clicks the boxes and fills the texts named on its command
// line ("box" or "box=text"), says "ready", and closes its window at the
// first line on its input, saying "saved" unless a message came up.
class PrintedMessages final : public UserMessages
{
public:
    void warn(QWidget *, const QString &text, const QString &) override
    {
        std::puts(qPrintable(text));
    }
};

int main(int argc, char *argv[])
{
    if (argc < 2 || qstrcmp(argv[1], "--instance") != 0) {
        QCoreApplication app(argc, argv);
        TestTwoInstances test;
        return QTest::qExec(&test, argc, argv);
    }
    QApplication app(argc, argv);
    QSettingsStore settings;
    PrintedMessages messages;
    MainWindow window(settings, messages);
    for (const QString &arg : QCoreApplication::arguments().mid(2)) {
        if (auto *edit = window.findChild<QLineEdit *>(arg.section('=', 0, 0)))
            edit->setText(arg.section('=', 1));
        else
            window.findChild<QCheckBox *>(arg)->click();
    }
    std::puts("ready");
    std::fflush(stdout);
    std::getchar();
    const bool closed = window.close();
    std::puts("saved");
    return closed ? 0 : 1;
}

#include "tst_twoinstances.moc"
