// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader is given for the program's own kinds of control.
#pragma once

/// Installs, once, the accessible interfaces of the program's push buttons
/// (ButtonAccessible), its line edits (LineEditAccessible) and its announcer
/// (a notification). Before the first window is made.
void installAccessibleHandlers();
