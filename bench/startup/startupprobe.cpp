// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts either Tallyfox's main window (as the program does, over the
// user's settings) or a bare Qt Widgets window of the same size, and quits
// as soon as the window has painted: the time from process start to exit
// is the start-up time. With "press", it instead times presses of the
// answer button (or of a plain button in the bare window) and prints the
// mean time per press in microseconds.
#include "foundation/translations.h"
#include "options/qsettingsstore.h"
#include "ui/common/pupillanguage.h"
#include "ui/main/mainwindow.h"
#include "ui/main/usermessages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// Ends the process once the watched window has first painted. Start-up ends
// there: quitting would close the window, and Tallyfox saves its options at
// every close, which the bare window has nothing to do.
class ExitOnPaint : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, [] { std::_Exit(0); });
        return QObject::eventFilter(watched, event);
    }
};

class SilentMessages final : public UserMessages
{
public:
    void warn(QWidget *, const QString &, const QString &) override {}
};

// Presses the button @p count times, answering every question with "1".
double MeanPressMicroseconds(QPushButton *button, QLineEdit *answer, int count)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < count; ++i) {
        button->click();
        if (answer && answer->text().isEmpty())
            answer->setText(QStringLiteral("1"));
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1000.0 / count;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    const bool press = argc > 2 && std::strcmp(argv[2], "press") == 0;
    QApplication app(argc, argv);

    SilentMessages messages;
    std::unique_ptr<QSettingsStore> settings;
    std::unique_ptr<QMainWindow> window;
    // Both windows show the user's language: the program sets it up as it
    // does for a pupil; the bare window loads the same translation and draws
    // its caption in the same face.
    if (bare) {
        const std::optional<QLocale> language = installTranslations(app);
        window = std::make_unique<QMainWindow>();
        auto *button = new QPushButton(QCoreApplication::translate("MainWindow", "Next Question"));
        button->setFont(QFont(faceForScript(language.value_or(QLocale::c()).script())));
        // The least a press can do: write a caption.
        QObject::connect(button, &QPushButton::clicked, button, [button] {
            button->setText(button->text() == QLatin1String("Next Question")
                                ? QStringLiteral("Check Answer")
                                : QStringLiteral("Next Question"));
        });
        window->setCentralWidget(button);
        window->setFixedSize(919, 380);
    } else {
        setUpPupilLanguage(QLocale::system());
        settings = std::make_unique<QSettingsStore>();
        window = std::make_unique<MainWindow>(*settings, messages);
    }

    if (press) {
        window->show();
        QPushButton *button = bare ? qobject_cast<QPushButton *>(window->centralWidget())
                                   : window->findChild<QPushButton *>(QStringLiteral("cmdAnswer"));
        QLineEdit *answer = window->findChild<QLineEdit *>(QStringLiteral("txtUserAnswer"));
        MeanPressMicroseconds(button, answer, 1000); // warm-up
        // In the C locale's digits and point, whatever the user's locale.
        const double mean = MeanPressMicroseconds(button, answer, 20000);
        std::printf("%s\n", QByteArray::number(mean, 'f', 3).constData());
        return 0;
    }

    ExitOnPaint exiter;
    window->installEventFilter(&exiter);
    window->show();
    return QApplication::exec();
}

#include "startupprobe.moc"
