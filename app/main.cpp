// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the program: the main window, centred on the screen; closing it
// ends the program.
#include "commandline.h"
#include "foundation/appidentity.h"
#include "foundation/translations.h"
#include "options/qsettingsstore.h"
#include "ui/common/pupillanguage.h"
#include "ui/main/mainwindow.h"
#include "ui/main/usermessages.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <cstdio>

namespace {

// Without a display Qt would stop with a platform plugin error; say what to do instead.
bool hasDisplay()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    // The command line is answered before any window system is touched, so
    // --version, --help and a mistyped option work without a display.
    if (argc > 1) {
        QCoreApplication reader(argc, argv);
        installTranslations(reader);
        if (const std::optional<int> exitCode = CommandLine::answer(QCoreApplication::arguments()))
            return *exitCode;
    }

    if (!hasDisplay()) {
        // A core application needs no display, and can still speak the user's language.
        QCoreApplication core(argc, argv);
        installTranslations(core);
        const QString message =
            QCoreApplication::translate("Startup",
                                        "Tallyfox needs a desktop to show its window, and none "
                                        "was found.\nStart it from a desktop session, or under a "
                                        "virtual display:\n    xvfb-run %1\n")
                .arg(argc > 0 ? QString::fromLocal8Bit(argv[0]) : QStringLiteral("tallyfox"));
        std::fputs(qPrintable(message), stderr);
        return 1;
    }

    QApplication app(argc, argv);
    setUpPupilLanguage(QLocale::system());
    QApplication::setApplicationName(AppIdentity::title());
    QApplication::setOrganizationName(AppIdentity::title());
    QApplication::setApplicationVersion(AppIdentity::versionText());
    QApplication::setDesktopFileName(AppIdentity::appId());

    QSettingsStore settings;
    MessageBoxMessages messages;
    MainWindow window(settings, messages);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                               screen->availableGeometry()));
    }
    window.show();
    return QApplication::exec();
}
