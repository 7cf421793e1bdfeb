// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's two icons: the pie-chart application icon and the information sign.
#pragma once

#include <QIcon>
#include <QPixmap>

/// The application icon: a tilted pie chart, 16 and 32 pixels (and scalable where SVG loads).
QIcon appIcon();

/// The information sign of the About window: a white "i" on a dark-blue disc.
QIcon informationIcon();

/// The 32 x 32 application icon as the About window shows it.
QPixmap appIconPixmap32();
