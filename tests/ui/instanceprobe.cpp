// A running copy of the program for the two-copies test: it opens the main
// window over the user's real settings file, sets the controls named on
// its command line (name=value), says "ready", and closes its window once
// the file named by --close-when exists.
#include "options/qsettingsstore.h"
#include "ui/main/mainwindow.h"
#include "ui/main/usermessages.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>

namespace {

class PrintedMessages final : public UserMessages
{
public:
    void Warn(QWidget *, const QString &text, const QString &title) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QSettingsStore settings;
    PrintedMessages messages;
    MainWindow window(settings, messages);
    window.show();

    QString closeWhen;
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--close-when") && i + 1 < args.size()) {
            closeWhen = args[++i];
            continue;
        }
        const QString name = args[i].section(QLatin1Char('='), 0, 0);
        const QString value = args[i].section(QLatin1Char('='), 1);
        if (auto *box = window.findChild<QCheckBox *>(name))
            box->setCheckState(value == QLatin1String("1") ? Qt::Checked : Qt::Unchecked);
        else if (auto *edit = window.findChild<QLineEdit *>(name))
            edit->setText(value);
    }
    std::printf("ready\n");
    std::fflush(stdout);

    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &window, [&] {
        if (QFile::exists(closeWhen))
            window.close();
    });
    poll.start(20);
    return QApplication::exec();
}
