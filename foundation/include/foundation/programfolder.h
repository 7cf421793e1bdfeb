// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the program's own files (the answer pictures) are found.
#pragma once

#include <QString>

namespace ProgramFolder {

/// The folder that holds the running executable, without a trailing separator.
QString path();

/// The full path of a file beside the executable.
QString filePath(const QString &fileName);

} // namespace ProgramFolder
