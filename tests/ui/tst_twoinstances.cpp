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

namespace {

class PrintedMessages final : public UserMessages
{
public:
    void warn(QWidget *, const QString &text, const QString &) override
    {
        qWarning("%s", qPrintable(text));
    }
};

// A running copy: sets the controls named on its command line (name=value),
// says "ready", and closes its window at the first line on its input.
int RunInstance(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QSettingsStore settings;
    PrintedMessages messages;
    MainWindow window(settings, messages);
    for (const QString &arg : QCoreApplication::arguments().mid(2)) {
        const QString name = arg.section('=', 0, 0);
        const QString value = arg.section('=', 1);
        if (auto *box = window.findChild<QCheckBox *>(name))
            box->setCheckState(value == "1" ? Qt::Checked : Qt::Unchecked);
        else if (auto *edit = window.findChild<QLineEdit *>(name))
            edit->setText(value);
    }
    std::puts("ready");
    std::fflush(stdout);
    std::getchar();
    return window.close() ? 0 : 1;
}

} // namespace

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
        const QStringList options[2] = {{"chkOpt2=1", "txtMax2=33", "txtMax0=7"},
                                        {"chkOpt0=0", "chkOpt3=1", "txtMax3=44"}};
        for (int i = 0; i < 2; ++i) {
            copies[i].setProcessEnvironment(env);
            copies[i].start(QCoreApplication::applicationFilePath(),
                            QStringList{"--instance"} + options[i]);
            QVERIFY(copies[i].waitForReadyRead(20000));
        }
        for (int i : {1, 0}) { // the second opened closes first
            copies[i].write("\n");
            QVERIFY(copies[i].waitForFinished(20000));
            QCOMPARE(copies[i].exitCode(), 0);
            QVERIFY(!copies[i].readAllStandardError().contains("could not be saved"));
        }
        QSettings file(home.filePath("Tallyfox/Tallyfox.conf"), QSettings::IniFormat);
        file.beginGroup("Options");
        QCOMPARE(file.childKeys().size(), 10);
        const QMap<QString, QString> first = {{"chkOpt0", "1"},  {"chkOpt2", "1"},
                                              {"chkOpt3", "0"},  {"txtMax0", "7"},
                                              {"txtMax2", "33"}, {"txtMax3", "10"}};
        for (auto it = first.cbegin(); it != first.cend(); ++it)
            QCOMPARE(file.value(it.key()).toString(), it.value());
    }
};

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--instance") == 0)
        return RunInstance(argc, argv);
    QCoreApplication app(argc, argv);
    TestTwoInstances test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_twoinstances.moc"
