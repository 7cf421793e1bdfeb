// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"

#include "foundation/appidentity.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

namespace CommandLine {

namespace {

void print(FILE *stream, const QString &output)
{
    std::fputs(output.toLocal8Bit().constData(), stream);
}

// Options that QApplication reads itself are accepted and left to it: a
// session manager restarts the program with -session, and -platform, -style
// and the like choose how the window is shown. They are not listed in the usage.
void acceptQtOptions(QCommandLineParser &parser)
{
    for (const char *name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
          "qwindowicon", "qwindowtitle", "session", "display", "geometry", "style", "stylesheet"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : {"reverse", "widgetcount", "nograb", "dograb"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

} // namespace

std::optional<int> answer(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Qt's own options take a single dash (-style fusion); ours take one or two.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Practise mental arithmetic one sum at a time."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("CommandLine", "Show this help and quit."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Show the version and quit."));
    parser.addOption(help);
    parser.addOption(version);
    acceptQtOptions(parser);

    QString mistake;
    if (!parser.parse(arguments)) {
        mistake = parser.errorText();
    } else if (!parser.positionalArguments().isEmpty()) {
        mistake = QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                      .arg(parser.positionalArguments().constFirst());
    }
    if (!mistake.isEmpty()) {
        const QString program = arguments.isEmpty() ? QStringLiteral("tallyfox")
                                                    : QFileInfo(arguments.constFirst()).fileName();
        print(stderr,
              program + QStringLiteral(": ") + mistake + QLatin1Char('\n') +
                  QCoreApplication::translate("CommandLine", "Run '%1 --help' to see the options.")
                      .arg(program) +
                  QLatin1Char('\n'));
        return 1;
    }
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, AppIdentity::title() + QLatin1Char(' ') + AppIdentity::versionText() +
                          QLatin1Char('\n'));
        return 0;
    }
    return std::nullopt;
}

} // namespace CommandLine
