// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "foundation/programfolder.h"

#include <QCoreApplication>
#include <QDir>

namespace ProgramFolder {

QString path()
{
    // applicationDirPath() resolves symbolic links to the executable, so a
    // launcher link on the user's path still finds the pictures beside the
    // real program.
    return QCoreApplication::applicationDirPath();
}

QString filePath(const QString &fileName)
{
    return path() + QLatin1Char('/') + fileName;
}

} // namespace ProgramFolder
