// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's command line: --version and --help are answered on the
// terminal and a mistyped option is reported there, all before any window
// system is touched, so none of them needs a display.
#pragma once

#include <QStringList>
#include <optional>

namespace CommandLine {

/// Reads the arguments, the program's own name first. When the command line
/// has been answered (the version, the usage, or a message about a mistake),
/// returns the exit code the program ends with: 0, or 1 after a mistake.
/// Returns nothing when the program should go on and show its window.
std::optional<int> answer(const QStringList &arguments);

} // namespace CommandLine
