// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints the program folder as the program itself finds it; run by check-launcherlink.sh.
#include "foundation/programfolder.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << ProgramFolder::path() << Qt::endl;
    return 0;
}
